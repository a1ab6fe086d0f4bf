#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "controls/CaptionButtonBar.h"
#include "core/Bytes.h"
#include "drawing/Surface.h"
#include "element/SkinCursor.h"
#include "element/SkinElement.h"
#include "imaging/NineGridImage.h"
#include "skin/AccessibleItem.h"
#include "skin/SkinWindowParts.h"
#include "skin/WindowGeometry.h"
#include "skin/WindowOptions.h"

class Graphics;
struct ControlRecord;
struct WindowRecord;

// An extra picture drawn on the background layer.
struct OverlayRecord {
    NineGridImage image;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int state = 1;
    bool visible = true;
};

// A frameless top-level window whose surface, border, caption and controls the framework
// draws itself and presents with per-pixel alpha (or copies into its client area when it
// is not layered). One object makes one window at a time; after the window is gone the same
// object can make the next.
class SkinWindow : public SkinElement {
public:
    SkinWindow();
    ~SkinWindow() override;

    // The new window, or null when this object already has one or the system refused. A
    // modal window returns only after its modal loop has ended.
    HWND createWindow(const WindowOptions& options = {});
    // Alternatives that skin a window someone else created; the program never calls them.
    bool skinExistingWindow(HWND window, const WindowOptions& options = {});
    bool skinExistingChild(HWND window, const WindowOptions& options = {});

    // The window object behind a framework window, or null.
    static SkinWindow* fromHandle(HWND window);
    // Cuts and encodes the caption button frames of a mask and style ahead of the first
    // window that shows them.
    static void prepareCaptionButtons(int mask, CaptionButtonStyle style);

    HWND handle() const { return m_hwnd; }
    int registryIndex() const { return id(); }
    WindowRecord* record() const;

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept override;

    // Setting a place or size moves the real window once it exists.
    void setLeft(int left) override;
    void setTop(int top) override;
    void setWidth(int width) override;
    void setHeight(int height) override;
    void setDisabled(bool disabled) override;
    void setVisible(bool visible) override;
    void setText(const std::wstring& text) override;
    void setTextWithoutNotice(const std::wstring& text);
    // Moves the window to the element's place and size, with its companions.
    void applyPosition();
    bool isWindowVisible() const;
    bool isMaximised() const { return m_size.maximised; }
    bool isMinimised() const { return m_size.minimised; }

    void setClosingCallback(std::function<int(HWND)> callback) { m_callbacks.closing = std::move(callback); }
    void setSizingCallback(std::function<void(HWND, int, int)> callback) { m_callbacks.sizing = std::move(callback); }
    void setMovingCallback(std::function<void(HWND, int, int)> callback) { m_callbacks.moving = std::move(callback); }
    void setSkinButtonCallback(std::function<void(HWND)> callback) { m_callbacks.skinButton = std::move(callback); }
    void setMenuButtonCallback(std::function<void(HWND)> callback) { m_callbacks.menuButton = std::move(callback); }

    // Window commands, also behind the caption buttons.
    void closeWindow();
    void maximiseWindow();
    void minimiseWindow();
    void restoreWindow();
    // What a click on a caption button does; the item's text names its command.
    void onCaptionButton(int item);
    const CaptionButtonBar& captionButtons() const { return m_captionButtons; }
    int maximiseButtonItem() const { return m_caption.maximiseItem; }
    void setSizeLimits(int minWidth, int minHeight, std::optional<int> maxWidth = std::nullopt,
        std::optional<int> maxHeight = std::nullopt);
    void setTopmost(bool topmost);
    // Switches layered presentation on or off while the window runs.
    void setLayered(bool layered);
    // With a file, the cursor comes from it (false when it cannot be loaded).
    bool setWindowCursor(CursorKind kind, const std::wstring& file = std::wstring());

    // Caption.
    void setCaptionFont(const CaptionFontChange& change);
    const std::wstring& captionFace() const { return m_caption.face; }
    int captionStyle() const { return m_caption.fontStyle; }
    RECT captionRectangle() const { return m_caption.rect; }
    void layoutCaption();

    // Background.
    void setBackground(const BackgroundChange& change);
    void setBackgroundLayout(BackgroundLayout layout, bool recompose = false);
    std::int32_t backgroundColour() const { return m_background.colour; }
    int opacity() const { return m_background.opacity; }
    int borderWidth() const { return m_frame.width; }
    bool isLayered() const { return m_layered; }

    // Rebuilds the layers; asks the controls to redraw themselves and puts the result on
    // screen when told to.
    void compose(bool present = false, bool redrawControls = false);
    // The picture that is presented: background, controls and caption.
    const Surface& composedSurface() const { return m_layers.composed; }
    HDC backgroundLayerDc() const { return m_layers.background.dc(); }
    // Rebuilds the composed surface from the present layers and puts it on screen.
    void presentArea(const RECT& area) override;
    // True where the composed surface has a visible pixel.
    bool isOpaqueAt(int x, int y) const;
    // The composed picture scaled to the given size, as PNG; empty when there is none.
    ByteArray windowPicture(int width, int height) const;
    RECT interiorRect() const;

    // Controls' clip helpers for a device context.
    void excludeControls(HDC dc) const;
    void intersectControl(HDC dc, int controlId) const;

    // Keyboard focus among the controls.
    bool giveFocus(int controlId);
    int focusedControl() const { return m_focus.control; }
    bool isFocusedControl(int controlId) const { return controlId == m_focus.control; }
    void focusNextControl();
    int hotControl() const { return m_pointer.hot; }
    // The control under a point of the client area, or 0.
    int controlAt(int x, int y) const;

    int addOverlay(const NineGridImage& image, int x, int y, int width, int height);
    int addOverlay(ByteView picture, int x, int y);
    bool changeOverlay(int index, int x, int y, int width, int height, int state, bool visible);

    // Companions: windows that move and show with this one.
    int attachCompanion(HWND companion);
    void detachCompanion(HWND companion);
    void moveCompanions();
    // Shows or hides the companions to match the window.
    void showCompanions(bool shown);

    POINT cursorPosition() const;

    // What a screen reader is told: the visible controls in reading order, the box's text.
    std::vector<AccessibleItem> accessibleItems() const;
    // The click a mouse would make on the child; false for a child without one or disabled.
    bool doAccessibleAction(long childId);
    // The focused child, CHILDID_SELF, or -1 when the window does not have the focus.
    long accessibleFocus() const;
    void setAccessibleDescription(std::wstring description) { m_accessible.description = std::move(description); }
    const std::wstring& accessibleDescription() const { return m_accessible.description; }
    // Controls read first, in this order; the rest follow in Tab order.
    void setReadingOrder(std::vector<int> controlIds) { m_accessible.readingOrder = std::move(controlIds); }

private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    // Creation.
    void onCreated(HWND window);
    void runModalLoop();
    void disableThreadWindows();
    void releaseDisabledWindows();
    bool attachExisting(HWND window, const WindowOptions& options, bool child);
    // The registry index for a window being skinned: its old record when that is free.
    int takeRecordFor(HWND window);
    void storeOptions(const WindowOptions& options);
    void fullCleanup();
    void removeProperties();
    void resetWindowFields();
    void createShadow();
    void followParentOnCreate(const RECT& bounds);
    void detachFromParent();
    static int attachCompanionTo(HWND owner, HWND companion, int offsetX, int offsetY);
    static void updateCompanionOffset(HWND owner, HWND companion, int offsetX, int offsetY);

    // Messages.
    std::optional<LRESULT> handleFrameworkMessage(UINT message, WPARAM wParam);
    bool handleClose();
    void handleDestroy();
    void destroyControls();
    void releaseExistingWindow();
    void handleShowWindow(bool shown);
    void showRoutine(bool shown);
    void handlePaint(LPARAM lParam);
    void copySurfaceExcludingChildren(HDC dc);
    void handleMinMaxInfo(MINMAXINFO* info) const;
    void handlePositionChanging(WINDOWPOS* position);
    void handlePositionChanged(const WINDOWPOS* position);
    void handleMove();
    void handleSize(LPARAM lParam);
    void handleActivate(WPARAM wParam);
    void handleSystemCommand(WPARAM wParam);
    void handleQueryOpen();
    void handleFadeTimer();
    void forwardToFocused(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT defaultTail(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void refreshChildWindows();
    void sizingRoutine(int width, int height);
    void movingRoutine(int x, int y);

    // Painting.
    void drawBackground(Graphics& graphics);
    void drawBackgroundPicture(Graphics& graphics, const RECT& interior);
    void drawBorderLines(Graphics& graphics);
    void drawCaptionText(int width, int height, const Surface& under);
    void refreshCaptionLayer(const Surface& composed);
    void drawCaptionIcon(Graphics& graphics);
    void buildComposedSurface();
    void composeControls(Surface& composed);
    void redrawCaptionLayer();
    void presentComposed();
    void showPaint();
    void surfacePaint(HDC paintDc);
    void startFade(UINT intervalMs);
    void fadeStep(int step);
    void applyWindowRegion();
    void prepareBackground();
    void buildCaptionButtons(int mask);
    void placeCaptionButtons(int clientWidth);
    void showMaximiseButtonAs(bool restore);
    void playShowEffect();
    void playHideEffect();
    void shadowFollow();
    void showShadow(bool shown);

    // Mouse and keyboard.
    void onMouseMove(LPARAM lParam);
    void mouseRoutine(UINT message, LPARAM lParam);
    void onMouseWheel(WPARAM wParam, LPARAM lParam);
    BorderZoneCode borderZoneAt(int x, int y) const;
    void startDragOrResize(int x, int y);
    void updateCursor(int x, int y) const;
    bool onLeftButtonDown(WPARAM wParam, LPARAM lParam);
    bool onLeftButtonUp(WPARAM wParam, LPARAM lParam);
    bool onOtherButton(UINT message, WPARAM wParam, LPARAM lParam);
    void onMouseEnter();
    void onMouseLeave();
    const EventHandler* controlHandler(int controlId, ElementEvent event) const;

    // Keyboard cues: focus marks stay hidden until the keyboard is used.
    void startUiState();
    std::optional<LRESULT> handleUiStateMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void showCuesForKey(WPARAM key);

    // Accessibility.
    LRESULT handleGetObject(WPARAM wParam, LPARAM lParam);
    void addCaptionItems(const ControlRecord& control, std::vector<AccessibleItem>& items) const;
    long accessibleChildOf(int controlId) const;
    void notifyFocusEvent(int controlId) const;
    int callHandler(const EventHandler* handler, std::intptr_t target, LPARAM lParam) const;

    HWND m_hwnd = nullptr;
    std::wstring m_className;
    WindowAttachment m_attachment;
    CaptionLook m_caption;
    BackgroundLook m_background;
    BorderLook m_frame;
    SizeLimits m_sizeLimits;
    SizeState m_size;
    ModalRun m_modalRun;
    PointerState m_pointer;
    FocusState m_focus;
    WindowLayers m_layers;
    CrossFade m_fade;
    WindowCallbacks m_callbacks;
    EffectSettings m_effects;
    AccessibleText m_accessible;
    bool m_fullRepaint = false;
    bool m_firstShowPending = false;
    bool m_nonLayeredPainting = false;
    bool m_layered = true;
    SkinCursor m_ownCursor;
    CaptionButtonBar m_captionButtons;
    std::vector<OverlayRecord> m_overlays;
};
