#include "msgbox/SkinMessageBox.h"

#include "drawing/TextMeasure.h"

namespace {

constexpr wchar_t kFace[] = L"宋体";
constexpr float kCheckBoxTextSize = 12.0f;
constexpr float kMessageTextSize = 14.0f;

} // namespace

int SkinMessageBox::show(const MessageBoxRequest& request, int* checkResult)
{
    if (m_showing)
        return kNoButton;
    m_showing = true;
    m_request = request;
    m_style = MessageBoxStyle::decode(request.style, request.buttonTexts);
    m_result = kNoButton;
    // Kept when the window cannot be made, so the caller's state is not lost.
    m_checkResult = request.checkBoxInitial;
    m_systemColours = displayColours();

    const SIZE box = measureBox();
    const POINT at = placeBox(box);
    m_layout
        = MessageBoxLayout::arrange(box, m_style, request.checkBoxShown ? std::optional(m_checkBoxWidth) : std::nullopt);

    WindowOptions options;
    options.parent = request.owner;
    options.x = at.x;
    options.y = at.y;
    options.width = box.cx;
    options.height = box.cy;
    options.title = request.title;
    options.backgroundColour = m_systemColours ? m_systemColours->window : 0xFFFFFF;
    options.opacity = MessageBoxLayout::opacity(request.opacity);
    options.resizable = false;
    options.modal = true;
    options.createdCallback = [this](HWND window) { buildContents(window); };
    options.border = true;
    options.borderColour = m_systemColours ? m_systemColours->windowText : 0x606060;
    options.roundedBorder = true;
    options.showEffect = ShowEffect::GrowAndSettle;
    options.hideEffect = HideEffect::PulseAndFade;
    options.showInTaskbar = true;
    options.captionButtons = kCaptionClose;
    options.captionButtonStyle = kCaptionButtonStyle;
    // Returns after the modal loop, once the window is gone.
    m_window.createWindow(options);

    // Also when the window was never made or went without its destroy handler.
    m_countdownTimer.stop();
    m_openWindow = nullptr;
    m_request = {};
    m_showing = false;
    if (checkResult)
        *checkResult = m_checkResult;
    return m_result;
}

void SkinMessageBox::prepare()
{
    prepareStrips();
    // The first text measured in a face loads the face; later ones find it loaded.
    measureTextWidth(L"确定", kFace, kMessageTextSize, 0);
}

SIZE SkinMessageBox::measureBox()
{
    const int captionWidth = measureTextWidth(m_request.checkBoxText, kFace, kCheckBoxTextSize);
    m_checkBoxWidth = MessageBoxLayout::checkBoxWidth(captionWidth);
    const int messageWidth = measureTextWidth(m_request.message, kFace, kMessageTextSize, 0);
    const int width = MessageBoxLayout::width(messageWidth, captionWidth);
    const TextSize wrapped
        = measureTextSize(m_request.message, kFace, kMessageTextSize, 0, MessageBoxLayout::wrapWidth(width), 0);
    return { width, MessageBoxLayout::height(wrapped.height) };
}

POINT SkinMessageBox::placeBox(SIZE box) const
{
    RECT work { 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN) };
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    std::optional<RECT> owner;
    RECT ownerRect {};
    if (IsWindow(m_request.owner) && GetWindowRect(m_request.owner, &ownerRect))
        owner = ownerRect;
    return MessageBoxLayout::position(box, owner, work);
}

void SkinMessageBox::onButton(int index)
{
    if (!m_openWindow)
        return;
    m_result = m_style.resultOf(index);
    // The window closes through its modal loop; show returns once it has gone.
    m_window.closeWindow();
}

void SkinMessageBox::startCountdown()
{
    if (m_request.countdownSeconds <= 0)
        return;
    m_countdown.emplace(m_request.title, m_request.countdownSeconds);
    m_countdownTimer = ThreadTimer(1000, [this] { onCountdownTick(); });
    m_window.setText(m_countdown->caption());
}

void SkinMessageBox::onCountdownTick()
{
    if (!m_countdown || !m_openWindow)
        return;
    const bool runOut = m_countdown->tick();
    m_window.setText(m_countdown->caption());
    // Asked on every tick after the end, so a close lost in a drag is asked again; the
    // result stays -1.
    if (runOut)
        m_window.closeWindow();
}

void SkinMessageBox::onClosed()
{
    m_countdownTimer.stop();
    m_countdown.reset();
    m_checkResult = m_request.checkBoxShown && m_checkBox.id() > 0 ? m_checkBox.value() : 0;
    announceClosed();
    m_openWindow = nullptr;
    m_request = {};
}
