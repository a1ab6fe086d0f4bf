#include "skin/SkinWindow.h"

#include <string_view>

#include "imaging/ImageCodec.h"
#include "imaging/SkinPictures.h"
#include "skin/DisplaySettings.h"
#include "skin/CaptionButtonSet.h"

// The caption button strip in the window's top-right corner: close, and by the mask
// maximise (or restore), minimise, menu and skin.

namespace {

// Cut once per program and style. Each window's strip is a copy, so frames encoded here
// come with it already encoded.
const ImageCodec& captionSprites(CaptionButtonStyle style)
{
    if (style == CaptionButtonStyle::Standard) {
        static const ImageCodec strip = cutStrip(kCaptionButtons.bytes(), 0x7F007F);
        return strip;
    }
    static const ImageCodec alternative = cutStrip(kCaptionButtonsAlt.bytes());
    return alternative;
}

} // namespace

void SkinWindow::prepareCaptionButtons(int mask, CaptionButtonStyle style)
{
    const ImageCodec& strip = captionSprites(style);
    for (const CaptionButtonLook& button : captionButtonsFor(mask | kCaptionClose, style)) {
        for (int frame : {button.normalFrame, button.hotFrame, button.pressedFrame})
            strip.GetFrame(frame);
        if (button.disabledFrame)
            strip.GetFrame(*button.disabledFrame);
    }
}

void SkinWindow::buildCaptionButtons(int mask)
{
    mask |= kCaptionClose;
    const int width = captionStripWidth(mask, m_caption.buttonStyle);
    if (width == 0 || !m_hwnd)
        return;
    RECT client {};
    GetClientRect(m_hwnd, &client);
    CaptionBarOptions options;
    // The same place a resize gives, so a borderless window's strip does not jump on the first one.
    const POINT origin = captionStripOrigin(client.right, width, m_frame.width, m_caption.buttonStyle);
    options.x = origin.x;
    options.y = origin.y;
    options.width = width;
    options.height = kCaptionStripHeight;
    if (m_captionButtons.create(m_hwnd, captionSprites(m_caption.buttonStyle), options) == 0)
        return;
    m_caption.stripWidth = width;
    for (const CaptionButtonLook& button : captionButtonsFor(mask, m_caption.buttonStyle)) {
        CaptionItemOptions item;
        item.normalFrame = button.normalFrame;
        item.hotFrame = button.hotFrame;
        item.pressedFrame = button.pressedFrame;
        item.disabledFrame = button.disabledFrame;
        item.toolTipText = button.text;
        const int index = m_captionButtons.addItem(item);
        if (std::wstring_view(button.text) == kCaptionTextMaximise)
            m_caption.maximiseItem = index;
    }
    if (highContrast())
        m_captionButtons.setSystemColours(SystemColours::current(), false);
    m_captionButtons.setClickCallback([this](int, int item) { onCaptionButton(item); });
    setSizeLimits(width + 2 * m_frame.width, 30);
}

void SkinWindow::placeCaptionButtons(int clientWidth)
{
    if (m_caption.stripWidth == 0 || !m_captionButtons.record())
        return;
    const POINT origin = captionStripOrigin(clientWidth, m_caption.stripWidth, m_frame.width, m_caption.buttonStyle);
    // The window repaints itself whole after a size change.
    m_captionButtons.move(origin.x, origin.y, std::nullopt, std::nullopt, false);
}

void SkinWindow::showMaximiseButtonAs(bool restore)
{
    const std::optional<CaptionSwapFrames> frames
        = restore ? captionRestoreFrames(m_caption.buttonStyle) : captionMaximiseFrames(m_caption.buttonStyle);
    if (m_caption.maximiseItem == 0 || !frames || !m_captionButtons.record())
        return;
    CaptionItemLook look;
    look.normalFrame = frames->normal;
    look.hotFrame = frames->hot;
    look.toolTipText = std::wstring(restore ? kCaptionTextRestore : kCaptionTextMaximise);
    m_captionButtons.setItemLook(m_caption.maximiseItem, look);
}

void SkinWindow::onCaptionButton(int item)
{
    if (!m_hwnd || !record())
        return;
    const std::wstring text = m_captionButtons.itemToolTipText(item);
    if (text == kCaptionTextClose) {
        closeWindow();
    } else if (text == kCaptionTextMinimise) {
        minimiseWindow();
    } else if (text == kCaptionTextMaximise) {
        m_caption.maximiseItem = item;
        maximiseWindow();
    } else if (text == kCaptionTextRestore) {
        m_caption.maximiseItem = item;
        restoreWindow();
    } else if (text == kCaptionTextSkin) {
        if (m_callbacks.skinButton)
            m_callbacks.skinButton(m_hwnd);
    } else if (text == kCaptionTextMenu) {
        if (m_callbacks.menuButton)
            m_callbacks.menuButton(m_hwnd);
    }
}
