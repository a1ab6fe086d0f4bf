#include "msgbox/SkinMessageBox.h"

#include "msgbox/MessageBoxClipboard.h"

void SkinMessageBox::announceOpened()
{
    // A reader reads the message first, then the buttons, then the check box.
    std::vector<int> order { m_messageLabel.id() };
    for (int id : focusCycle())
        order.push_back(id);
    m_window.setReadingOrder(std::move(order));
    m_window.setAccessibleDescription(m_request.message);
    m_dialogEnded = false;
    // Readers hear the end while the window still exists, as with the platform's box.
    m_window.setClosingCallback([this](HWND) {
        announceClosed();
        return 1;
    });
    NotifyWinEvent(EVENT_SYSTEM_DIALOGSTART, m_openWindow, OBJID_WINDOW, CHILDID_SELF);
}

void SkinMessageBox::announceClosed()
{
    if (m_dialogEnded || !m_openWindow)
        return;
    m_dialogEnded = true;
    NotifyWinEvent(EVENT_SYSTEM_DIALOGEND, m_openWindow, OBJID_WINDOW, CHILDID_SELF);
}

void SkinMessageBox::copyToClipboard() const
{
    std::vector<std::wstring> captions;
    for (int index = 1; index <= buttonCount(); ++index)
        captions.push_back(m_buttons[index].text());
    putTextOnClipboard(m_openWindow, messageBoxClipboardText(m_window.text(), m_request.message, captions));
}
