// The generated operation families (see gdiplus/OperationTables.h). An operation of a family is
// Generated<Family, Self, Flat>: its argument list follows from the flat function's prototype,
// parameter by parameter after the native object:
//
//   GpPen*, GpPath*, ... (a native object)   the wrapper object (PlusPen*, ...); its GetHandle
//   GpPointF*, const RectF&, ... (a record)  the record (PlusPointF*, ...); its address
//   GpPointF* + INT count                    an array of records (ArrayValue*); a native copy
//                                            and its count, copied back after the call
//   const REAL* / const ARGB* (+ another) + INT count
//                                            arrays of 32-bit scalars; elements and the count
//                                            (the smaller when there are two arrays)
//   const WCHAR* (+ INT length)              a text (GBK); its UTF-16 form (and lstrlenW)
//   const BYTE* + INT count                  a byte set; its bytes and length
//   anything else                            passed as it is
//
// The family's output parameter (the value of Get, the BOOL of Test, the new native object of
// Create and Clone, the record of Bounds) is supplied by the family instead.
#pragma once
#include <windows.h>

#include <algorithm>
#include <tuple>
#include <type_traits>

#include "gdiplus/PlusObject.h"
#include "gdiplus/PlusRecords.h"
#include "gdiplus/PlusText.h"

namespace gdip {

struct PlusGraphics;
struct PlusPath;
struct PlusPen;
struct PlusBrush;
struct PlusSolidBrush;
struct PlusLinearBrush;
struct PlusPathBrush;
struct PlusFont;
struct PlusFontFamily;
struct PlusFontCollection;
struct PlusStringFormat;
struct PlusRegion;
struct PlusImage;
struct PlusBitmap;

namespace families {

using Gdiplus::Status;

template <class... T>
struct List {};

template <class T, class L>
struct PrependT;
template <class T, class... U>
struct PrependT<T, List<U...>> {
    using type = List<T, U...>;
};
template <class T, class L>
using Prepend = typename PrependT<T, L>::type;

template <class L>
struct Split;
template <class H, class... T>
struct Split<List<H, T...>> {
    using Head = H;
    using Tail = List<T...>;
};

template <size_t I, class L>
struct NthT;
template <size_t I, class... T>
struct NthT<I, List<T...>> {
    using type = std::tuple_element_t<I, std::tuple<T...>>;
};
template <size_t I, class L>
using Nth = typename NthT<I, L>::type;

template <class Fn>
struct PrototypeParams;
template <class... P>
struct PrototypeParams<Status(WINGDIPAPI*)(P...)> {
    using type = List<P...>;
};
template <class F>
using ParamsOf = typename PrototypeParams<typename F::Prototype>::type;

// The last index of the list whose type satisfies Pred (-1 when none).
template <template <class> class Pred, class L>
struct LastIndexT;
template <template <class> class Pred, class... P>
struct LastIndexT<Pred, List<P...>> {
    static constexpr int value = [] {
        int index = 0, found = -1;
        ((Pred<P>::value ? found = index : 0, ++index), ...);
        return found;
    }();
};
template <template <class> class Pred, class L>
inline constexpr int kLastIndex = LastIndexT<Pred, L>::value;

// ---- what a flat parameter is ----

template <class T>
struct WrapperOf {
    using type = void;
};
#define GDIP_WRAPPER_OF_(native, wrapper) \
    template <>                           \
    struct WrapperOf<Gdiplus::native> {   \
        using type = wrapper;             \
    };
GDIP_WRAPPER_OF_(GpGraphics, PlusGraphics)
GDIP_WRAPPER_OF_(GpPath, PlusPath)
GDIP_WRAPPER_OF_(GpPen, PlusPen)
GDIP_WRAPPER_OF_(GpBrush, PlusBrush)
GDIP_WRAPPER_OF_(GpSolidFill, PlusSolidBrush)
GDIP_WRAPPER_OF_(GpLineGradient, PlusLinearBrush)
GDIP_WRAPPER_OF_(GpPathGradient, PlusPathBrush)
GDIP_WRAPPER_OF_(GpFont, PlusFont)
GDIP_WRAPPER_OF_(GpFontFamily, PlusFontFamily)
GDIP_WRAPPER_OF_(GpFontCollection, PlusFontCollection)
GDIP_WRAPPER_OF_(GpStringFormat, PlusStringFormat)
GDIP_WRAPPER_OF_(GpRegion, PlusRegion)
GDIP_WRAPPER_OF_(GpImage, PlusImage)
GDIP_WRAPPER_OF_(GpBitmap, PlusBitmap)
// Native objects without a wrapper class of their own: any object holding the handle.
GDIP_WRAPPER_OF_(GpMatrix, PlusObject)
GDIP_WRAPPER_OF_(GpImageAttributes, PlusObject)
GDIP_WRAPPER_OF_(GpCachedBitmap, PlusObject)
GDIP_WRAPPER_OF_(GpCustomLineCap, PlusObject)
GDIP_WRAPPER_OF_(GpMetafile, PlusObject)
GDIP_WRAPPER_OF_(CGpEffect, PlusObject)
#undef GDIP_WRAPPER_OF_

template <class T>
struct RecordOf {
    using type = void;
};
template <>
struct RecordOf<Gdiplus::PointF> {
    using type = PlusPointF;
};
template <>
struct RecordOf<Gdiplus::Point> {
    using type = PlusPoint;
};
template <>
struct RecordOf<Gdiplus::RectF> {
    using type = PlusRectF;
};
template <>
struct RecordOf<Gdiplus::Rect> {
    using type = PlusRect;
};

template <class P>
using Bare = std::remove_cv_t<std::remove_pointer_t<std::remove_reference_t<P>>>;

template <class P>
inline constexpr bool kIsObject = std::is_pointer_v<P> && !std::is_void_v<typename WrapperOf<Bare<P>>::type>;
template <class P>
inline constexpr bool kIsRecordPointer = std::is_pointer_v<P> && !std::is_void_v<typename RecordOf<Bare<P>>::type>;
template <class P>
inline constexpr bool kIsRecordReference = std::is_reference_v<P> && !std::is_void_v<typename RecordOf<Bare<P>>::type>;
template <class P>
inline constexpr bool kIsScalarArray = std::is_same_v<P, const Gdiplus::REAL*> || std::is_same_v<P, const Gdiplus::ARGB*>;
template <class P>
inline constexpr bool kIsCount = std::is_same_v<P, INT>;

// A pointer through which the flat function hands out a plain value (Get's output).
template <class P>
struct IsValueOut {
    static constexpr bool value = [] {
        if constexpr (std::is_pointer_v<P>) {
            using T = std::remove_pointer_t<P>;
            return !std::is_const_v<T> && (std::is_arithmetic_v<T> || std::is_enum_v<T> || std::is_pointer_v<T>);
        } else {
            return false;
        }
    }();
};
// A record the flat function fills (Bounds' output).
template <class P>
struct IsRecordOut {
    static constexpr bool value = kIsRecordPointer<P> && !std::is_const_v<std::remove_pointer_t<P>>;
};
template <class P>
struct Always : std::true_type {};

enum class Kind { Out, Object, Record, RecordReference, RecordArray, ScalarArray, ScalarArrayPair, TextWithLength, Text, Bytes, Plain };

// The two parameters after the current one (None past the end).
struct None {};
template <class... P>
struct Lookahead {
    using N1 = None;
    using N2 = None;
};
template <class A>
struct Lookahead<A> {
    using N1 = A;
    using N2 = None;
};
template <class A, class B, class... R>
struct Lookahead<A, B, R...> {
    using N1 = A;
    using N2 = B;
};

template <bool AtOut, class P, class N1, class N2>
constexpr Kind Classify() {
    if constexpr (AtOut) return Kind::Out;
    else if constexpr (kIsObject<P>) return Kind::Object;
    else if constexpr (kIsRecordPointer<P> && kIsCount<N1>) return Kind::RecordArray;
    else if constexpr (kIsRecordPointer<P>) return Kind::Record;
    else if constexpr (kIsRecordReference<P>) return Kind::RecordReference;
    else if constexpr (kIsScalarArray<P> && kIsScalarArray<N1> && kIsCount<N2>) return Kind::ScalarArrayPair;
    else if constexpr (kIsScalarArray<P> && kIsCount<N1>) return Kind::ScalarArray;
    else if constexpr (std::is_same_v<P, const WCHAR*> && kIsCount<N1>) return Kind::TextWithLength;
    else if constexpr (std::is_same_v<P, const WCHAR*>) return Kind::Text;
    else if constexpr (std::is_same_v<P, const BYTE*> && kIsCount<N1>) return Kind::Bytes;
    else return Kind::Plain;
}

// How the output is supplied: a local of the family, or a target object (the operation's
// last argument) that receives the new native object through its SetHandle.
enum class OutMode { Local, Target };

// ---- the walk over the flat parameters ----
// Plan<I, O, M, remaining parameters>: I is the index of the first remaining parameter in the
// flat function's list, O the index of the output (-1: none). OpParams are the operation's
// arguments for the remaining parameters; Run converts them, appends them to the ready flat
// arguments and finally calls the function.

template <int I, int O, OutMode M, class L>
struct Plan;

template <Kind K, int I, int O, OutMode M, class L>
struct Step;

template <int I, int O, OutMode M>
struct Plan<I, O, M, List<>> {
    using OpParams = List<>;
    template <class Call, class Out, class Ready>
    static Status Run(Call& call, Out*, Ready&& ready) {
        return std::apply(call, std::forward<Ready>(ready));
    }
};

template <int I, int O, OutMode M, class P, class... Ps>
struct Plan<I, O, M, List<P, Ps...>>
    : Step<Classify<I == O, P, typename Lookahead<Ps...>::N1, typename Lookahead<Ps...>::N2>(), I, O, M, List<P, Ps...>> {};

template <class Ready, class... T>
auto Append(Ready&& ready, T... values) {
    return std::tuple_cat(std::forward<Ready>(ready), std::tuple<T...>(values...));
}

template <int I, int O, class P, class... Ps>
struct Step<Kind::Out, I, O, OutMode::Local, List<P, Ps...>> {
    using Next = Plan<I + 1, O, OutMode::Local, List<Ps...>>;
    using OpParams = typename Next::OpParams;
    template <class Call, class Out, class Ready, class... A>
    static Status Run(Call& call, Out* out, Ready&& ready, A... a) {
        return Next::Run(call, out, Append(std::forward<Ready>(ready), reinterpret_cast<P>(out)), a...);
    }
};

template <int I, int O, class P, class... Ps>
struct Step<Kind::Out, I, O, OutMode::Target, List<P, Ps...>> {
    using TargetClass = typename WrapperOf<Bare<std::remove_pointer_t<P>>>::type;
    static_assert(!std::is_void_v<TargetClass>, "a target object receives a native object");
    using Next = Plan<I + 1, O, OutMode::Target, List<Ps...>>;
    using OpParams = Prepend<TargetClass*, typename Next::OpParams>;
    template <class Call, class Out, class Ready, class... A>
    static Status Run(Call& call, Out* out, Ready&& ready, TargetClass* target, A... a) {
        std::remove_pointer_t<P> created = nullptr;
        const Status status = Next::Run(call, out, Append(std::forward<Ready>(ready), &created), a...);
        if (target) target->SetHandle(static_cast<void*>(created));
        return status;
    }
};

template <int I, int O, OutMode M, class P, class... Ps>
struct Step<Kind::Object, I, O, M, List<P, Ps...>> {
    using Wrapper = typename WrapperOf<Bare<P>>::type;
    using Next = Plan<I + 1, O, M, List<Ps...>>;
    using OpParams = Prepend<Wrapper*, typename Next::OpParams>;
    template <class Call, class Out, class Ready, class... A>
    static Status Run(Call& call, Out* out, Ready&& ready, Wrapper* object, A... a) {
        return Next::Run(call, out, Append(std::forward<Ready>(ready), static_cast<P>(HandleOf(object))), a...);
    }
};

template <int I, int O, OutMode M, class P, class... Ps>
struct Step<Kind::Record, I, O, M, List<P, Ps...>> {
    using Rec = typename RecordOf<Bare<P>>::type;
    using Arg = std::conditional_t<std::is_const_v<std::remove_pointer_t<P>>, const Rec*, Rec*>;
    using Next = Plan<I + 1, O, M, List<Ps...>>;
    using OpParams = Prepend<Arg, typename Next::OpParams>;
    template <class Call, class Out, class Ready, class... A>
    static Status Run(Call& call, Out* out, Ready&& ready, Arg record, A... a) {
        return Next::Run(call, out, Append(std::forward<Ready>(ready), reinterpret_cast<P>(record)), a...);
    }
};

template <int I, int O, OutMode M, class P, class... Ps>
struct Step<Kind::RecordReference, I, O, M, List<P, Ps...>> {
    using Native = Bare<P>;
    using Rec = typename RecordOf<Native>::type;
    using Next = Plan<I + 1, O, M, List<Ps...>>;
    using OpParams = Prepend<const Rec*, typename Next::OpParams>;
    template <class Call, class Out, class Ready, class... A>
    static Status Run(Call& call, Out* out, Ready&& ready, const Rec* record, A... a) {
        static const Rec kZero{};
        const Native& value = *reinterpret_cast<const Native*>(record ? record : &kZero);
        return Next::Run(call, out, std::tuple_cat(std::forward<Ready>(ready), std::tuple<const Native&>(value)), a...);
    }
};

template <int I, int O, OutMode M, class P, class C, class... Ps>
struct Step<Kind::RecordArray, I, O, M, List<P, C, Ps...>> {
    using Native = Bare<P>;
    using Next = Plan<I + 2, O, M, List<Ps...>>;
    using OpParams = Prepend<ArrayValue*, typename Next::OpParams>;
    template <class Call, class Out, class Ready, class... A>
    static Status Run(Call& call, Out* out, Ready&& ready, ArrayValue* records, A... a) {
        NativeRecords<Native> native(records);
        const Status status = Next::Run(call, out, Append(std::forward<Ready>(ready), static_cast<P>(native.Data()), native.Count()), a...);
        native.CopyBack();
        return status;
    }
};

template <int I, int O, OutMode M, class P, class C, class... Ps>
struct Step<Kind::ScalarArray, I, O, M, List<P, C, Ps...>> {
    using Next = Plan<I + 2, O, M, List<Ps...>>;
    using OpParams = Prepend<const ArrayValue*, typename Next::OpParams>;
    template <class Call, class Out, class Ready, class... A>
    static Status Run(Call& call, Out* out, Ready&& ready, const ArrayValue* values, A... a) {
        const INT count = static_cast<INT>(ElementCount(values));
        return Next::Run(call, out, Append(std::forward<Ready>(ready), static_cast<P>(ScalarElements<std::remove_const_t<std::remove_pointer_t<P>>>(values)), count), a...);
    }
};

template <int I, int O, OutMode M, class P, class Q, class C, class... Ps>
struct Step<Kind::ScalarArrayPair, I, O, M, List<P, Q, C, Ps...>> {
    using Next = Plan<I + 3, O, M, List<Ps...>>;
    using OpParams = Prepend<const ArrayValue*, Prepend<const ArrayValue*, typename Next::OpParams>>;
    template <class Call, class Out, class Ready, class... A>
    static Status Run(Call& call, Out* out, Ready&& ready, const ArrayValue* first, const ArrayValue* second, A... a) {
        const INT count = static_cast<INT>(std::min(ElementCount(first), ElementCount(second)));
        return Next::Run(call, out,
                         Append(std::forward<Ready>(ready), static_cast<P>(ScalarElements<std::remove_const_t<std::remove_pointer_t<P>>>(first)),
                                static_cast<Q>(ScalarElements<std::remove_const_t<std::remove_pointer_t<Q>>>(second)), count),
                         a...);
    }
};

template <int I, int O, OutMode M, class P, class C, class... Ps>
struct Step<Kind::TextWithLength, I, O, M, List<P, C, Ps...>> {
    using Next = Plan<I + 2, O, M, List<Ps...>>;
    using OpParams = Prepend<const char*, typename Next::OpParams>;
    template <class Call, class Out, class Ready, class... A>
    static Status Run(Call& call, Out* out, Ready&& ready, const char* text, A... a) {
        const WideText wide(text);
        return Next::Run(call, out, Append(std::forward<Ready>(ready), wide.Data(), wide.Length()), a...);
    }
};

template <int I, int O, OutMode M, class P, class... Ps>
struct Step<Kind::Text, I, O, M, List<P, Ps...>> {
    using Next = Plan<I + 1, O, M, List<Ps...>>;
    using OpParams = Prepend<const char*, typename Next::OpParams>;
    template <class Call, class Out, class Ready, class... A>
    static Status Run(Call& call, Out* out, Ready&& ready, const char* text, A... a) {
        const WideText wide(text);
        return Next::Run(call, out, Append(std::forward<Ready>(ready), wide.Data()), a...);
    }
};

template <int I, int O, OutMode M, class P, class C, class... Ps>
struct Step<Kind::Bytes, I, O, M, List<P, C, Ps...>> {
    using Next = Plan<I + 2, O, M, List<Ps...>>;
    using OpParams = Prepend<const ByteSet*, typename Next::OpParams>;
    template <class Call, class Out, class Ready, class... A>
    static Status Run(Call& call, Out* out, Ready&& ready, const ByteSet* bytes, A... a) {
        return Next::Run(call, out, Append(std::forward<Ready>(ready), static_cast<P>(bytes ? bytes->Bytes() : nullptr), static_cast<INT>(ByteSetLength(bytes))), a...);
    }
};

template <int I, int O, OutMode M, class P, class... Ps>
struct Step<Kind::Plain, I, O, M, List<P, Ps...>> {
    using Next = Plan<I + 1, O, M, List<Ps...>>;
    using OpParams = Prepend<P, typename Next::OpParams>;
    template <class Call, class Out, class Ready, class... A>
    static Status Run(Call& call, Out* out, Ready&& ready, P value, A... a) {
        return Next::Run(call, out, Append(std::forward<Ready>(ready), value), a...);
    }
};

// ---- the families ----

// The flat arguments before the operation's own: the class handle.
template <class F, class Self>
auto ClassHandle(Self* self) {
    using P0 = typename Split<ParamsOf<F>>::Head;
    static_assert(std::is_pointer_v<P0> && kIsObject<P0>, "the flat function takes the native object first");
    return std::tuple<P0>(static_cast<P0>(self->Handle()));
}
template <class F, int O, OutMode M = OutMode::Local>
using AfterHandle = Plan<1, O, M, typename Split<ParamsOf<F>>::Tail>;

struct Act {
    template <class Self, class F>
    using OpParams = typename AfterHandle<F, -1>::OpParams;
    template <class Self, class F>
    using Result = bool;
    template <class Self, class F, class... A>
    static bool Run(Self* self, A... a) {
        return Succeeded(AfterHandle<F, -1>::Run(F::function, static_cast<void*>(nullptr), ClassHandle<F>(self), a...));
    }
};

struct Get {
    template <class F>
    static constexpr int kOut = kLastIndex<IsValueOut, ParamsOf<F>>;
    template <class Self, class F>
    using OpParams = typename AfterHandle<F, kOut<F>>::OpParams;
    template <class Self, class F>
    using Result = std::remove_pointer_t<Nth<kOut<F>, ParamsOf<F>>>;
    template <class Self, class F, class... A>
    static Result<Self, F> Run(Self* self, A... a) {
        static_assert(kOut<F> > 0, "a value pointer after the native object");
        Result<Self, F> value{};
        return Succeeded(AfterHandle<F, kOut<F>>::Run(F::function, &value, ClassHandle<F>(self), a...)) ? value : Result<Self, F>{};
    }
};

struct Test {
    template <class F>
    static constexpr int kOut = kLastIndex<Always, ParamsOf<F>>;
    template <class Self, class F>
    using OpParams = typename AfterHandle<F, kOut<F>>::OpParams;
    template <class Self, class F>
    using Result = bool;
    template <class Self, class F, class... A>
    static bool Run(Self* self, A... a) {
        static_assert(std::is_same_v<Nth<kOut<F>, ParamsOf<F>>, BOOL*>, "a trailing BOOL*");
        BOOL answer = FALSE;
        return Succeeded(AfterHandle<F, kOut<F>>::Run(F::function, &answer, ClassHandle<F>(self), a...)) && answer != FALSE;
    }
};

struct Create {
    template <class F>
    static constexpr int kOut = kLastIndex<Always, ParamsOf<F>>;
    template <class F>
    using FromFirst = Plan<0, kOut<F>, OutMode::Local, ParamsOf<F>>;
    template <class Self, class F>
    using OpParams = typename FromFirst<F>::OpParams;
    template <class Self, class F>
    using Result = bool;
    template <class Self, class F, class... A>
    static bool Run(Self* self, A... a) {
        static_assert(kIsObject<std::remove_pointer_t<Nth<kOut<F>, ParamsOf<F>>>>, "a trailing native object output");
        const Status status = FromFirst<F>::Run(F::function, &self->Handle(), std::tuple<>(), a...);
        self->SetHandle(self->Handle());
        return Succeeded(status);
    }
};

struct Clone {
    template <class F>
    static constexpr int kOut = kLastIndex<Always, ParamsOf<F>>;
    template <class Self, class F>
    using OpParams = typename AfterHandle<F, kOut<F>, OutMode::Target>::OpParams;
    template <class Self, class F>
    using Result = bool;
    template <class Self, class F, class... A>
    static bool Run(Self* self, A... a) {
        return Succeeded(AfterHandle<F, kOut<F>, OutMode::Target>::Run(F::function, static_cast<void*>(nullptr), ClassHandle<F>(self), a...));
    }
};

struct Delete {
    template <class Self, class F>
    using OpParams = List<>;
    template <class Self, class F>
    using Result = bool;
    template <class Self, class F>
    static bool Run(Self* self) {
        if (!self->Handle()) return false;
        const Status status = std::apply(F::function, ClassHandle<F>(self));
        self->SetHandle(nullptr);
        return Succeeded(status);
    }
};

struct Bounds {
    template <class F>
    static constexpr int kOut = kLastIndex<IsRecordOut, ParamsOf<F>>;
    template <class F>
    using Native = std::remove_pointer_t<Nth<kOut<F>, ParamsOf<F>>>;
    template <class Self, class F>
    using OpParams = typename AfterHandle<F, kOut<F>>::OpParams;
    template <class Self, class F>
    using Result = typename RecordOf<Native<F>>::type*;
    template <class Self, class F, class... A>
    static Result<Self, F> Run(Self* self, A... a) {
        using Rec = typename RecordOf<Native<F>>::type;
        Rec local{};
        if (!Succeeded(AfterHandle<F, kOut<F>>::Run(F::function, &local, ClassHandle<F>(self), a...))) local = Rec{};
        return NewRecord<Rec>(local);
    }
};

template <class Family, class Self, class F, class Params = typename Family::template OpParams<Self, F>>
struct Generated;

template <class Family, class Self, class F, class... A>
struct Generated<Family, Self, F, List<A...>> {
    using Result = typename Family::template Result<Self, F>;
    using Signature = Result (*)(Self*, A...);
    static Result Run(Self* self, A... a) { return Family::template Run<Self, F>(self, a...); }
    static Signature Address() { return &Run; }
};

}  // namespace families
}  // namespace gdip
