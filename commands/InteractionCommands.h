// Interaction commands: message boxes, starting programs, screen metrics and colours.
#pragma once
#include "runtime/ArgRecord.h"

void ShowMessageBox(ArgRecord* result, int32_t n, ArgRecord* args);
void RunProgram(ArgRecord* result, int32_t n, ArgRecord* args);
void ScreenWidth(ArgRecord* result, int32_t n, ArgRecord* args);
void ScreenHeight(ArgRecord* result, int32_t n, ArgRecord* args);
void DefaultBackColour(ArgRecord* result, int32_t n, ArgRecord* args);
