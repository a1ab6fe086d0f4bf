#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/ThreadTimer.h"
#include "drawing/GlowText.h"
#include "drawing/Surface.h"
#include "element/SkinCursor.h"
#include "element/SkinElement.h"

struct ControlRecord;
struct WindowRecord;
class Graphics;

// The text style of a control.
struct FontSpec {
    std::wstring face = L"宋体";
    COLORREF colour = 0;
    // Em size in pixels of the drawing surface.
    float size = 12.0f;
    // GDI+ font style bits: 1 bold, 2 italic, 4 underline, 8 strikeout.
    int style = 0;
    bool glow = false;
    COLORREF glowColour = 0xFFFFFF;
    int glowSize = 4;
};

// The glow of a text style, laid out by `format`.
GlowTextStyle glowTextStyle(const FontSpec& font, const StringFormat& format);

// A change of text style; what is not given keeps its value.
struct FontChange {
    std::optional<std::wstring> face;
    std::optional<COLORREF> colour;
    std::optional<float> size;
    std::optional<int> style;
    std::optional<bool> glow;
    std::optional<COLORREF> glowColour;
    std::optional<int> glowSize;
};

// What a control is created with. The class creates fill in their own defaults first.
struct ControlOptions {
    int containerId = 0;
    int x = 0;
    int y = 0;
    int width = 100;
    int height = 60;
    std::wstring text;
    // -1: no background fill.
    std::int32_t backColour = -1;
    int backAlpha = 0;
    // Takes the keyboard focus, and a press on it does not drag the window.
    bool interactive = false;
    bool visible = true;
    bool disabled = false;
    const NineGridImage* skin = nullptr;
    int kind = 0;
    int passThrough1 = 0;
    int passThrough2 = 0;
};

// The base options of a class's own: its container, place and size.
template <typename Options>
ControlOptions placedOptions(const Options& options)
{
    ControlOptions base;
    base.containerId = options.containerId;
    base.x = options.x;
    base.y = options.y;
    base.width = options.width;
    base.height = options.height;
    return base;
}

// One running cross-fade from the control's shown picture to a new one.
struct ControlAnimation {
    int kind = 1;
    bool finished = false;
    Surface picture;
    int opacity = 0;
    int radius = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int parentWidth = 0;
    int parentHeight = 0;
};

struct TransitionOptions {
    int radius = 0;
    int startOpacity = 25;
    int kind = 1;
    int x = 0;
    int y = 0;
    // 0: the control's own size.
    int width = 0;
    int height = 0;
    UINT intervalMs = 45;
};

// A windowless, owner-drawn element of a skinned window. It renders itself into the
// picture its window keeps in the control record, and the window composes those pictures.
class ControlBase : public SkinElement {
public:
    ControlBase();
    ~ControlBase() override;

    // The control's id (also when it was created before), or 0 when `window` is not a
    // framework window.
    int create(HWND window, const ControlOptions& options);
    void destroy();

    // Filter, the class's own messages, then the common handling.
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept final;

    void setLeft(int left) override;
    void setTop(int top) override;
    void setWidth(int width) override;
    void setHeight(int height) override;
    void setDisabled(bool disabled) override;
    void setVisible(bool visible) override;
    void setText(const std::wstring& text) override;
    // Omitted values keep theirs.
    void move(std::optional<int> x, std::optional<int> y, std::optional<int> width, std::optional<int> height,
        bool repaint = true);

    void setFont(const FontChange& change);
    // As setFont, but an omitted glow size becomes 2.
    void setFontWithNarrowGlow(FontChange change);
    const FontSpec& font() const { return m_font; }

    void setBackground(std::int32_t colour, int alpha);
    std::int32_t backColour() const { return m_backColour; }
    int backAlpha() const { return m_backAlpha; }
    void setBackColour(std::int32_t colour);
    void setBackAlpha(int alpha);

    void setSkin(const NineGridImage& skin, bool present = true);

    // With a file, the cursor comes from it; false, keeping the old one, when it cannot be
    // loaded.
    bool setCursor(CursorKind kind, const std::wstring& file = std::wstring());

    bool isFocused() const;
    // Focused, and its window shows focus cues (they stay hidden until the keyboard is used).
    bool showsFocusMark() const;
    bool takeFocus();
    bool isHot() const;
    bool interactive() const { return m_interactive; }

    // Renders and shows the control.
    void redrawAndPresent() { redraw(skin::RedrawReason::Present); }
    // Recomposes the control's rectangle in its window and puts it on screen.
    void present();

    // Cross-fades from the shown picture to `picture` (of the control's size).
    void startTransition(Surface picture, const TransitionOptions& options = {});
    // Completes the running transition of a kind, or all of them at once.
    void completeTransitions(std::optional<int> kind = std::nullopt);
    int runningTransitions() const;

    // Window client coordinates to control coordinates.
    int toControlX(int x) const { return x - absoluteX(); }
    int toControlY(int y) const { return y - absoluteY(); }

    // This control's record in its window, or null.
    ControlRecord* record() const;

protected:
    // The class's own handling of a message, before the common one. A value returns at once.
    virtual std::optional<LRESULT> handleClassMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        (void)window, (void)message, (void)wParam, (void)lParam;
        return std::nullopt;
    }
    // The class's clean-up, run first when the control is destroyed.
    virtual void onDestroying() {}
    // Ticks of a timer started with startTimer.
    virtual void onTimer(UINT_PTR id) { (void)id; }

    // Destroys the control while it is in a window's table. A class with clean-up of its own
    // calls it from its destructor, where the class part still exists.
    void destroyIfCreated();

    // Timers of the class; they stop when the control is destroyed or the object goes.
    UINT_PTR startTimer(UINT intervalMs);
    void stopTimer(UINT_PTR id);

    // A fresh transparent picture of the control's size, put into the record; the class
    // draws its face into it. Null when the window has no record for the control.
    Surface* beginRendering();
    // A transparent picture of the control's size.
    Surface createSurface() const;
    // Stretches a picture over the control's whole surface.
    void stretchIntoSurface(HDC source, int width, int height);

    // Leaves the visible children's rectangles out of a clip.
    void excludeChildren(Graphics& graphics) const;
    void excludeChildren(HDC dc) const;

    bool hasEmptyUpdateRegion() const;

    // The handling every control shares, where the class handlers end; a class that must act
    // after it calls it itself and returns the result.
    LRESULT handleCommonMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    std::optional<LRESULT> handleInputMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    std::optional<LRESULT> handleFrameworkMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void onSetFocus(HWND window);
    void onKillFocus(HWND window);
    int registerInWindow(const ControlOptions& options);
    WindowRecord* windowRecord() const;
    // The window position of the container's corner; (0, 0) without a live container.
    POINT containerOrigin() const;
    void applyRect(const RECT* rect, WPARAM mode);
    void applySize();
    void redrawIfCreated(skin::RedrawReason reason);
    void cleanUpAfterDestroy();
    void resetControl();
    void stepTransitions();
    void stepAnimation(ControlAnimation& animation);
    bool parentSizeChanged(const ControlAnimation& animation) const;
    void onAnimationTick();
    void stopAllTransitionsAndRedraw();

    std::vector<ControlAnimation> m_animations;
    ThreadTimer m_animationTimer;
    std::vector<ThreadTimer> m_classTimers;
    FontSpec m_font;
    std::int32_t m_backColour = -1;
    int m_backAlpha = 0;
    LONG_PTR m_savedKeyTarget = 0;
    bool m_interactive = false;
    SkinCursor m_cursor;
    RECT m_queriedRect{};
};
