#include "msgbox/SkinMessageBox.h"

// For now the platform box stands in for the skinned one: same owner, text, title,
// icon and results.
int SkinMessageBox::show(HWND owner, const std::wstring& message, int style, const std::wstring& title,
                         bool, const std::wstring&, int checkBoxInitial, int* checkResult, int,
                         const std::vector<std::wstring>&, int)
{
    if (m_open)
        return kNoButton;
    m_open = true;
    int pressed = MessageBoxW(IsWindow(owner) ? owner : nullptr, message.c_str(), title.c_str(),
                              static_cast<UINT>(style) & (MB_TYPEMASK | MB_ICONMASK));
    m_open = false;
    if (checkResult)
        *checkResult = checkBoxInitial;
    return pressed > 0 ? pressed - 1 : kNoButton;
}
