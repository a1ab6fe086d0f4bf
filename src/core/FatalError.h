#pragma once

#include <string>

// Texts of the fatal runtime errors.
namespace FatalMessage {
inline constexpr wchar_t kIndexOutOfRange[] = L"数组成员引用下标超出定义范围";
inline constexpr wchar_t kDivisionByZero[] = L"不能整除于零";
inline constexpr wchar_t kRemainderByZero[] = L"不能求余数于零";
inline constexpr wchar_t kBadValueType[] = L"“欲取出数据的类型”参数值无效";
}

enum FatalCode : int {
    kFatalGeneral = 0,
    kFatalIndexOutOfRange = 1,
};

// The text of the error box: a header line, then the code and the message when present.
std::wstring fatalErrorText(int code, const std::wstring& message);

// The message for a system function that cannot be bound by name.
std::wstring missingFunctionMessage(const std::wstring& library, const std::wstring& function);

// Shows the error box titled "错误" and ends the program with exit code -1.
[[noreturn]] void fatalError(int code, const std::wstring& message);
