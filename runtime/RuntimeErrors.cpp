#include "runtime/RuntimeErrors.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "runtime/RuntimeApplication.h"

static const char* const kNumberedErrors[] = {
    "数组成员引用下标超出定义范围",
    "未得到所需要的数值型数据",
    "引用数组成员时维数不为1且不等于该数组目前所具有的维数",
    "数组成员引用下标必须大于等于1",
    "数据或数组类型不匹配",
    "调用DLL命令后发现堆栈错误",
    "子语句参数未返回数据或者返回了非系统基本类型或数组型数据",
    "被比较数据只能使用等于或不等于命令比较",
    "“多项选择”命令的索引值参数小于零或超出了所提供参数表范围",
    "“重定义数组”命令的数组维定义参数值必须大于零或单维时大于等于零",
    "所提供参数的数据类型不符合要求",
};

const char* RuntimeErrorText(int number) {
    if (number < 1 || number > static_cast<int>(std::size(kNumberedErrors))) return nullptr;
    return kNumberedErrors[number - 1];
}

void FormatRuntimeErrorBox(const char* text, int code, char* out, size_t outSize) {
    int n = std::snprintf(out, outSize, "运行时出错!\r\n\r\n");
    if (code != 0 && n >= 0 && static_cast<size_t>(n) < outSize)
        n += std::snprintf(out + n, outSize - n, "错误代码：%d\r\n\r\n", code);
    if (text && *text && n >= 0 && static_cast<size_t>(n) < outSize)
        std::snprintf(out + n, outSize - n, "错误信息：%s\r\n", text);
}

void ReportErrorText(const char* text, int code) {
    // No event may reach program code while the box pumps messages.
    ++Runtime().eventSuppressCount;
    size_t size = 64 + (text ? std::strlen(text) : 0);
    // The box text is built on the stack: the heap may be what failed.
    char* box = static_cast<char*>(_alloca(size));
    FormatRuntimeErrorBox(text, code, box, size);
    MessageBoxA(nullptr, box, "错误", MB_ICONERROR);
    Runtime().exitRoutines.clear();
    EndProgram(-1);
}

void ReportRuntimeError(int number) { ReportErrorText(RuntimeErrorText(number), number); }
