#include "demo/ControlsGallery.h"

#include "element/WindowRouting.h"
#include "imaging/ImageCodec.h"
#include "imaging/SkinPictures.h"

namespace {

constexpr COLORREF kDialogFace = RGB(240, 240, 240);
constexpr COLORREF kBoxButtonColour = 0xDDCA22;
constexpr COLORREF kPaintedColour = RGB(60, 140, 230);
constexpr COLORREF kHeadingColour = RGB(30, 60, 110);
constexpr int kMagenta = 0xFF00FF;
constexpr int kButtonSkinSeparator = 0x7F007F;

ByteArray copyOf(ByteView bytes)
{
    return ByteArray(bytes.data, bytes.data + bytes.size);
}

// The four badges of the message box strip, as pictures of their own.
ByteArray badge(int frame)
{
    static const ImageCodec strip = [] {
        ImageCodec codec;
        codec.LoadStrip(kMessageBoxIcons.bytes(), kMagenta);
        return codec;
    }();
    return strip.GetFrame(frame);
}

LPARAM centreOf(const ControlBase& control)
{
    return MAKELPARAM(control.absoluteX() + control.width() / 2, control.absoluteY() + control.height() / 2);
}

template <typename Controls>
bool anyFading(const Controls& controls)
{
    for (const auto& control : controls)
        if (control.runningTransitions() > 0)
            return true;
    return false;
}

}  // namespace

HWND ControlsGallery::create(bool visible)
{
    // The button skin is a strip of three nine-grid frames: normal, hot and pressed.
    ImageCodec strip;
    strip.LoadStrip(kButtonSkin.bytes(), kButtonSkinSeparator);
    m_buttonSkin.LoadStates(strip.GetFrame(1), ByteView(strip.GetFrame(2)), ByteView(strip.GetFrame(3)));
    WindowOptions options;
    options.width = kWidth;
    options.height = kHeight;
    options.title = L"控件一览";
    options.iconImage = copyOf(kTickPicture.bytes());
    options.backgroundColour = kDialogFace;
    options.border = true;
    options.borderColour = RGB(60, 120, 200);
    options.visible = visible;
    options.createdCallback = [this](HWND window) { fill(window); };
    return m_window.createWindow(options);
}

void ControlsGallery::fill(HWND window)
{
    // A dark caption: the framework's white one is made for dark backgrounds.
    CaptionFontChange caption;
    caption.colour = kHeadingColour;
    caption.glowColour = RGB(255, 255, 255);
    m_window.setCaptionFont(caption);
    addButtons(window);
    addToggles(window);
    addLabels(window);
    addPictures(window);
    addPanels(window);
}

void ControlsGallery::addHeading(HWND window, int y, const wchar_t* text)
{
    LabelOptions options;
    options.x = 16;
    options.y = y;
    options.width = 400;
    options.height = 20;
    options.caption = text;
    SkinLabel& label = m_labels.emplace_back();
    label.create(window, options);
    FontChange font;
    font.face = L"微软雅黑";
    font.size = 14.0f;
    font.style = 1;
    font.colour = kHeadingColour;
    label.setFont(font);
}

void ControlsGallery::addButtons(HWND window)
{
    addHeading(window, 36, L"按钮：常规、悬停、按下、禁用、焦点");
    // The message box's own buttons, then the painted colour face.
    for (int look = 0; look < 9; ++look) {
        ColourButtonOptions options;
        options.x = 16 + look * 96;
        options.y = 62;
        options.width = 80;
        options.caption = look < 5 ? L"确定" : L"取消";
        options.colour = look < 5 ? kBoxButtonColour : kPaintedColour;
        options.skin = look < 5 ? &m_buttonSkin : nullptr;
        options.toolTipText = L"提示文字";
        SkinButton& button = m_buttons.emplace_back();
        const int id = button.createColour(window, options);
        const int state = look < 5 ? look : look - 5;
        if (state == 1)
            m_hot.push_back(id);
        if (state == 2)
            m_pressed.push_back(id);
        if (state == 3)
            button.setDisabled(true);
        if (state == 4)
            m_focused = id;
    }
    const ByteArray tick = copyOf(kTickPicture.bytes());
    for (int look = 0; look < 5; ++look) {
        PlainButtonOptions options;
        options.x = 16 + look * 96;
        options.y = 100;
        options.width = 80;
        options.height = look == 4 ? 44 : 25;
        options.caption = L"应用";
        options.icon = tick;
        options.plainFace = look == 3;
        options.iconAbove = look == 4;
        SkinButton& button = m_buttons.emplace_back();
        const int id = button.createPlain(window, options);
        if (look == 1)
            m_hot.push_back(id);
        if (look == 2)
            m_pressed.push_back(id);
    }
    ImageButtonOptions images;
    images.x = 496;
    images.y = 96;
    images.normalImage = badge(2);
    images.hotImage = badge(1);
    images.pressedImage = badge(3);
    images.disabledImage = badge(4);
    for (int state = 0; state < 4; ++state) {
        images.x = 496 + state * 56;
        SkinButton& button = m_buttons.emplace_back();
        const int id = button.createImages(window, images);
        if (state == 1)
            m_hot.push_back(id);
        if (state == 2)
            m_pressed.push_back(id);
        if (state == 3)
            button.setDisabled(true);
    }
}

void ControlsGallery::addToggles(HWND window)
{
    addHeading(window, 160, L"复选框、开关与切换按钮");
    for (int look = 0; look < 6; ++look) {
        CheckBoxOptions options;
        options.x = 16 + look * 96;
        options.y = 186;
        options.caption = look % 3 == 2 ? L"不可用" : L"记住我";
        options.value = look % 3 == 1 ? 1 : 0;
        options.style = look < 3 ? CheckBoxStyle::Glyph : CheckBoxStyle::Round;
        SkinToggle& toggle = m_toggles.emplace_back();
        toggle.createCheckBox(window, options);
        if (look % 3 == 2)
            toggle.setDisabled(true);
    }
    for (int look = 0; look < 3; ++look) {
        SwitchOptions options;
        options.x = 600 + look * 80;
        options.y = 186;
        SkinToggle& toggle = m_toggles.emplace_back();
        toggle.createSwitch(window, options);
        toggle.setValue(look == 1 ? 1 : 0);
        if (look == 2)
            toggle.setDisabled(true);
    }
    for (int look = 0; look < 4; ++look) {
        SkinToggle& toggle = m_toggles.emplace_back();
        if (look < 2) {
            IconToggleOptions options;
            options.x = 16 + look * 96;
            options.y = 222;
            options.caption = L"粗体";
            options.icon = copyOf(kTickPicture.bytes());
            options.colour = kPaintedColour;
            options.value = look;
            toggle.createIconToggle(window, options);
        } else {
            ImageToggleOptions options;
            options.x = 16 + look * 96;
            options.y = 222;
            options.caption = L"切换";
            options.skin = &m_buttonSkin;
            options.value = look - 2;
            toggle.createImageToggle(window, options);
        }
    }
}

void ControlsGallery::addLabels(HWND window)
{
    addHeading(window, 262, L"标签：单行、省略号、换行、对齐");
    struct Look {
        int x, width, height, hAlign;
        bool multiline, ellipsis;
        std::int32_t back;
        const wchar_t* text;
    };
    const Look looks[] = {
        {16, 170, 24, 0, false, false, -1, L"单行文字\r\n合并为一行"},
        {196, 170, 24, 0, false, true, -1, L"这一行文字太长，放不下时以省略号结尾"},
        {376, 200, 60, 0, true, false, RGB(255, 255, 255), L"多行模式下，文字在边界处自动换行，段落之间保留换行。"},
        {586, 90, 24, 0, false, false, RGB(220, 232, 248), L"靠左"},
        {686, 90, 24, 1, false, false, RGB(220, 232, 248), L"居中"},
        {786, 90, 24, 2, false, false, RGB(220, 232, 248), L"靠右"},
    };
    for (const Look& look : looks) {
        LabelOptions options;
        options.x = look.x;
        options.y = 288;
        options.width = look.width;
        options.height = look.height;
        options.caption = look.text;
        options.hAlign = look.hAlign;
        options.multiline = look.multiline;
        options.ellipsis = look.ellipsis;
        options.backColour = look.back;
        options.backAlpha = look.back < 0 ? 0 : 255;
        m_labels.emplace_back().create(window, options);
    }
}

void ControlsGallery::addPictures(HWND window)
{
    addHeading(window, 360, L"图片：左上、右上、居中、拉伸、平铺");
    for (int mode = 0; mode < 5; ++mode) {
        PictureOptions options;
        options.x = 16 + mode * 130;
        options.y = 386;
        options.width = 120;
        options.height = 80;
        options.image = badge(mode % 4 + 1);
        options.mode = mode;
        // The last one wears a light tint over its pictures.
        options.backColour = mode == 4 ? RGB(255, 255, 255) : -1;
        options.backAlpha = mode == 4 ? 120 : 0;
        m_pictures.emplace_back().create(window, options);
    }
}

void ControlsGallery::addPanels(HWND window)
{
    addHeading(window, 480, L"面板：形状与渐变方向");
    for (int look = 0; look < 7; ++look) {
        PanelOptions options;
        options.x = 16 + look * 124;
        options.y = 506;
        options.width = look == 3 ? 8 : 110;
        options.height = look == 2 ? 8 : 100;
        options.shape = look < 5 ? look : 1;
        options.borderColour = RGB(60, 120, 200);
        SkinPanel& panel = m_panels.emplace_back();
        panel.create(window, options);
        // The last one is the message box's body.
        if (look == 6)
            panel.setGradient(1, RGB(0, 102, 178), 60, RGB(255, 255, 255), 240);
        else
            panel.setGradient(look % 6 + 1, kPaintedColour, 255, RGB(255, 255, 255), 255);
    }
}

void ControlsGallery::showStates()
{
    const HWND window = m_window.handle();
    for (int id : m_hot)
        sendToControl(id, window, WM_MOUSEHOVER, 0, 0);
    for (int id : m_pressed)
        for (const SkinButton& button : m_buttons)
            if (button.id() == id)
                sendToControl(id, window, WM_LBUTTONDOWN, MK_LBUTTON, centreOf(button));
    // The focus look as a keyboard user sees it.
    SendMessageW(window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    for (SkinButton& button : m_buttons)
        if (button.id() == m_focused)
            button.takeFocus();
    // Until every cross-fade has reached its end, within a bound.
    const DWORD end = GetTickCount() + 5000;
    MSG message;
    while ((anyFading(m_buttons) || anyFading(m_toggles)) && static_cast<int>(end - GetTickCount()) > 0) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}
