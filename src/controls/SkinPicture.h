#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "controls/PictureLayout.h"
#include "core/Bytes.h"
#include "drawing/Bitmap.h"
#include "drawing/Surface.h"
#include "element/ControlBase.h"

struct PictureOptions {
    int containerId = 0;
    int x = 0;
    int y = 0;
    int width = 200;
    int height = 160;
    // Any format GDI+ decodes; empty shows no picture.
    ByteArray image;
    // PictureMode: 0 top left, 1 top right, 2 centred, 3 stretched, 4 tiled.
    int mode = 0;
    // A tint over the picture; -1: none.
    std::int32_t backColour = -1;
    int backAlpha = 0;
    const NineGridImage* skin = nullptr;
};

// One picture placed in the control, optionally turned and tinted and inside a skin frame;
// or a slideshow that cross-fades from one picture of a list to the next.
class SkinPicture : public ControlBase {
public:
    SkinPicture() = default;
    ~SkinPicture() override;

    // The picture's id (also when it was created before), or 0 when `window` is not a
    // framework window.
    int create(HWND window, const PictureOptions& options = {});

    // An omitted mode keeps the current one. Shown at once only with `present`.
    void setImage(const ByteArray& image, std::optional<int> mode = std::nullopt, bool present = false);
    const ByteArray& image() const { return m_image; }
    int mode() const { return m_mode; }
    // Degrees clockwise about the picture's centre; a new angle is shown at once.
    float rotation(std::optional<float> angle = std::nullopt);

    // Returns the number of slides.
    int addSlide(const ByteArray& image);
    // Stops the slideshow and forgets every slide.
    void clearSlides();
    // Intervals below kMinimumSlideInterval are raised to it. `option` is only kept.
    void startSlideshow(int intervalMs = kDefaultSlideInterval, int option = 0);
    // Fades in the current slide again and restarts the interval. Without slides nothing runs
    // and the face stays what the picture itself draws.
    void nextSlide();
    // Puts back the frame the running fade started from.
    void stopSlideshow() { haltSlideshow(true, true); }
    bool isRunning() const { return m_running; }

    int slideCount() const { return static_cast<int>(m_slides.size()); }
    int slideIndex() const { return m_slideIndex; }
    int slideInterval() const { return m_slideInterval; }
    int fadeAlpha() const { return m_fadeAlpha; }
    int slideOption() const { return m_slideOption; }

    void redraw(skin::RedrawReason reason) override;

protected:
    std::optional<LRESULT> handleClassMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void onDestroying() override;
    void onTimer(UINT_PTR id) override;

private:
    // `clearRunning` false pauses: the show goes on when the picture is shown again.
    void haltSlideshow(bool clearRunning, bool present);
    void stopTimers();
    void onFadeTick();
    void onSlideTick();
    void drawFadeFrame();
    void rebuildCache();
    void takeSnapshot();

    ByteArray m_image;
    int m_mode = 0;
    UINT_PTR m_slideTimer = 0;
    std::vector<ByteArray> m_slides;
    int m_slideIndex = 0;
    int m_slideInterval = kDefaultSlideInterval;
    int m_fadeAlpha = 0;
    UINT_PTR m_fadeTimer = 0;
    int m_fadeSteps = 0;
    int m_slideOption = 0;
    // The frame a cross-fade starts from.
    Surface m_snapshot;
    bool m_running = false;
    // The picture decoded once at its own size, turned by the rotation.
    Bitmap m_cache;
    float m_rotation = 0.0f;
};
