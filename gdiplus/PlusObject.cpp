#include "gdiplus/PlusObject.h"

#include "gdiplus/PlusRecords.h"
#include "runtime/Values.h"

namespace gdip {

int32_t LastStatus = 0;

void* PlusObjectOps::GetHandle(PlusObject* self) { return self->handle; }

void PlusObjectOps::SetHandle(PlusObject* self, void* handle) {
    self->handle = handle;
    self->OnHandleSet(handle);
}

void* PlusObjectOps::Alloc(PlusObject*, size_t size) { return GDIP(GdipAlloc)(size); }

void PlusObjectOps::Free(PlusObject*, void* block) { GDIP(GdipFree)(block); }

void Release(ProgramObject* object) {
    if (!object) return;
    using DestroyFn = void (*)(ProgramObject*);
    reinterpret_cast<DestroyFn>(object->operations[0].address)(object);
    RuntimeFree(object);
}

ArrayValue* MakePointerArray(size_t n) {
    auto* array = static_cast<ArrayValue*>(RuntimeAlloc(8 + n * sizeof(void*)));
    array->dimensionCount = 1;
    array->Sizes()[0] = static_cast<int32_t>(n);
    for (size_t i = 0; i < n; ++i) PointerElements<void>(array)[i] = nullptr;
    return array;
}

void FreePointerArray(ArrayValue* array, void (*freeElement)(void*)) {
    if (!array || InConstantRegion(array)) return;
    for (size_t i = 0, n = array->ElementCount(); i < n; ++i)
        if (void* element = PointerElements<void>(array)[i]) freeElement(element);
    RuntimeFree(array);
}

void ReplaceArray(ArrayValue** slot, TypeCode elementType, size_t n) {
    const int32_t size = static_cast<int32_t>(n);
    ArrayValue* fresh = MakeArray(elementType, &size, 1);
    FreeArray(elementType, *slot);
    *slot = fresh;
}

}  // namespace gdip
