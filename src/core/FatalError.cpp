#include "core/FatalError.h"

#include <windows.h>

#include "core/Runtime.h"
#include "core/ValueFunctions.h"

std::wstring fatalErrorText(int code, const std::wstring& message)
{
    std::wstring text = L"运行时出错!\r\n\r\n";
    if (code != 0)
        text += L"错误代码：" + numberToText(code) + L"\r\n\r\n";
    if (!message.empty())
        text += L"错误信息：" + message + L"\r\n";
    return text;
}

std::wstring missingFunctionMessage(const std::wstring& library, const std::wstring& function)
{
    return L"无法找到指定DLL库文件“" + library + L"”中的输出命令“" + function + L"”";
}

void fatalError(int code, const std::wstring& message)
{
    MessageBoxW(nullptr, fatalErrorText(code, message).c_str(), L"错误", MB_ICONHAND);
    endProgram(-1);
}
