#include "msgbox/MessageBoxCountdown.h"

#include <utility>

#include "core/ValueFunctions.h"

MessageBoxCountdown::MessageBoxCountdown(std::wstring title, int seconds)
    : m_title(std::move(title))
    , m_seconds(seconds > 0 ? seconds : 0)
{
}

std::wstring MessageBoxCountdown::caption() const
{
    if (!active())
        return m_title;
    return m_title + L"【倒计时：" + numberToText(remaining()) + L"】";
}

bool MessageBoxCountdown::tick()
{
    if (!active())
        return false;
    if (m_elapsed < m_seconds)
        ++m_elapsed;
    return m_elapsed >= m_seconds;
}
