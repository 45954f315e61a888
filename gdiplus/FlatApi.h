// The GDI+ flat functions as DLL command entries of "gdiplus.dll", bound by name on first call.
//
//   GDIP(GdipCreatePath)(Gdiplus::FillModeAlternate, &path);
//
// GDIP_FLAT(name) is the entry's type, with the prototype taken from
// the SDK's flat API declarations (Gdiplus::DllExports, __stdcall on i686), so the arguments a
// call pushes are the ones the function removes. One entry exists per flat function however
// many operations call it: the entry is a static member of that type, added to the DLL command
// table during static initialisation in whichever source file first calls the function.
#pragma once
#include <cstddef>

#include "runtime/DllCommandTable.h"

namespace gdip {

// An export name as a template argument.
template <size_t N>
struct ExportName {
    char text[N];
    constexpr ExportName(const char (&name)[N]) {
        for (size_t i = 0; i < N; ++i) text[i] = name[i];
    }
};

template <typename Fn>
class FlatFunction : public dll::Function<Fn> {
public:
    explicit FlatFunction(const char* exportName) : dll::Function<Fn>("gdiplus.dll", exportName) {
        dll::Entry* const entry = &this->TableEntry();
        dll::RegisterModule({&entry, 1});
    }
};

// Flat entries by prototype, then by name (written so that GDIP_FLAT has no comma and fits
// into macro arguments).
template <typename Fn>
struct FlatOf {
    template <ExportName Name>
    struct Named {
        using Prototype = Fn;
        static inline FlatFunction<Fn> function{Name.text};
    };
};

}  // namespace gdip

#define GDIP_FLAT(fn) ::gdip::FlatOf<decltype(&::Gdiplus::DllExports::fn)>::template Named<#fn>
#define GDIP(fn) GDIP_FLAT(fn)::function
