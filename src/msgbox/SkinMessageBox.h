#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A modal message box; its result is the pressed button's platform identifier minus 1
// (0 OK, 1 cancel, ...), or -1 when it closed without a button.
class SkinMessageBox {
public:
    static constexpr int kNoButton = -1;

    int show(HWND owner, const std::wstring& message = {}, int style = 0, const std::wstring& title = {},
             bool checkBoxShown = false, const std::wstring& checkBoxText = {}, int checkBoxInitial = 0,
             int* checkResult = nullptr, int opacity = 250, const std::vector<std::wstring>& buttonTexts = {},
             int countdownSeconds = 0);

    bool isOpen() const { return m_open; }

private:
    bool m_open = false;
};
