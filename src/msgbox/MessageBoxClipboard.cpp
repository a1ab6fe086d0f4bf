#include "msgbox/MessageBoxClipboard.h"

#include <cstring>

namespace {

constexpr wchar_t kRule[] = L"---------------------------\r\n";
constexpr wchar_t kButtonGap[] = L"   ";

} // namespace

std::wstring messageBoxClipboardText(
    const std::wstring& title, const std::wstring& message, const std::vector<std::wstring>& buttonCaptions)
{
    std::wstring text = kRule + title + L"\r\n" + kRule + message + L"\r\n" + kRule;
    for (size_t index = 0; index < buttonCaptions.size(); ++index)
        text += (index > 0 ? kButtonGap : L"") + buttonCaptions[index];
    return text + L"\r\n" + kRule;
}

bool putTextOnClipboard(HWND owner, const std::wstring& text)
{
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory)
        return false;
    if (void* target = GlobalLock(memory)) {
        std::memcpy(target, text.c_str(), bytes);
        GlobalUnlock(memory);
    }
    if (!OpenClipboard(owner)) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    // The clipboard owns the memory once it has taken it.
    const bool taken = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    if (!taken)
        GlobalFree(memory);
    return taken;
}
