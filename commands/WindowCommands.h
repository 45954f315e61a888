// The commands that reach windows and units: the platform handle of a window or unit, loading
// and showing a window, showing a common dialog, the text of a list item. A unit reference is
// the ArgRecord (WindowId, UnitId, UnitTypeId); the runtime finds its live object.
#pragma once
#include "runtime/ArgRecord.h"

void WindowHandle(ArgRecord* result, int32_t n, ArgRecord* args);
void OpenWindow(ArgRecord* result, int32_t n, ArgRecord* args);
void DialogOpen(ArgRecord* result, int32_t n, ArgRecord* args);
void ListItemText(ArgRecord* result, int32_t n, ArgRecord* args);
