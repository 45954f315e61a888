// The keyboard conventions of template windows, applied before a key reaches the focused
// control (the framework's pretranslation hook): Tab order, Enter and default buttons, Escape,
// F1 and the arrows in option groups, unless the focused unit claims the key itself.
#pragma once
#include <windows.h>

namespace forms {

// True when the message was handled here and must not be dispatched.
bool PretranslateMessage(const MSG& msg);

}  // namespace forms
