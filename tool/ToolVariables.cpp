#include "tool/ToolVariables.h"

ToolVariables& Tool() {
    static ToolVariables variables;
    return variables;
}
