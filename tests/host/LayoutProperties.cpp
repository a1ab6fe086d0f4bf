#include "HostChecks.h"

#include <algorithm>
#include <climits>

#include "controls/ButtonFaceLayout.h"
#include "controls/CaptionBarLayout.h"
#include "controls/LabelLayout.h"
#include "controls/PictureLayout.h"
#include "core/CoordinateLimits.h"
#include "msgbox/MessageBoxCountdown.h"
#include "msgbox/MessageBoxLayout.h"
#include "msgbox/MessageBoxStyle.h"
#include "skin/CaptionButtonSet.h"

namespace {

FaceBox anyFace(PropertyCheck& check)
{
    return { check.anyInt(), check.anyInt(), check.anyInt(), check.anyInt() };
}

void buttonFaces(PropertyCheck& check, int rounds)
{
    for (int i = 0; i < rounds; ++i, check.count()) {
        const FaceBox face = anyFace(check);
        const FaceSize picture { check.anyInt(), check.anyInt() };
        const FaceSize limit { check.anyInt(), check.anyInt() };
        const FaceSize fitted = fitInto(picture, limit);
        check.expect(fitted.width >= 0 && fitted.height >= 0, "fitInto is never negative", fitted.width, fitted.height);
        if (limit.width >= 0 && limit.height >= 0)
            check.expect(fitted.width <= limit.width && fitted.height <= limit.height, "fitInto keeps within the limit",
                fitted.width, fitted.height);
        faceClip(face);
        captionBox(face);
        captionOnImageBox(face);
        const IconPlacement only = placeIconOnly(face, picture);
        const IconPlacement left = placeIconLeft(face, picture, check.anyInt());
        const IconPlacement above = placeIconAbove(face, picture, check.anyInt());
        check.expect(left.icon.width >= 0 && above.icon.width >= 0 && only.icon.width >= 0, "icons are never negative",
            left.icon.width, above.icon.width);
    }
}

void pictures(PropertyCheck& check, int rounds)
{
    for (int i = 0; i < rounds; ++i, check.count()) {
        const PictureBox box { check.anyInt(), check.anyInt(), check.anyInt(), check.anyInt() };
        const int mode = check.between(-1, 5);
        const PicturePlacement placed = placePicture(mode, box, check.anyInt(), check.anyInt());
        if (mode < 0 || mode > 4)
            check.expect(placed.width == 0 && placed.height == 0, "an unknown mode places nothing", mode);
        const int alpha = nextFadeAlpha(check.anyInt());
        check.expect(alpha <= 255, "the fade never passes opaque", alpha);
        check.expect(clampSlideInterval(check.anyInt()) >= kMinimumSlideInterval, "slides last a second at least");
        const int count = check.anyInt();
        const int following = followingSlide(check.anyInt(), count);
        const int clamped = clampSlide(check.anyInt(), count);
        if (count >= 1)
            check.expect(following >= 1 && following <= count && clamped >= 1 && clamped <= count,
                "slides stay in 1..count", following, clamped);
        else
            check.expect(following == 0 && clamped == 0, "no slides, no index", following, clamped);
    }
}

void labels(PropertyCheck& check, int rounds)
{
    for (int i = 0; i < rounds; ++i, check.count()) {
        std::wstring text(static_cast<std::size_t>(check.between(0, 40)), L'a');
        for (wchar_t& c : text)
            c = static_cast<wchar_t>(L"a\r\n 字"[check.below(5)]);
        labelTextFormat(check.anyInt(), check.anyInt(), check.coin(), check.coin());
        labelCaption(text, check.coin());
        const float width = static_cast<float>(check.anyDouble());
        const std::wstring fitted
            = fitWithEllipsis(text, width, [](const std::wstring& s) { return 7.0f * static_cast<float>(s.size()); });
        check.expect(fitted == text || fitted.size() <= text.size() + 1, "an ellipsis shortens", long(fitted.size()));
    }
}

void countdowns(PropertyCheck& check, int rounds)
{
    for (int i = 0; i < rounds; ++i, check.count()) {
        MessageBoxCountdown countdown(L"t", check.anyInt());
        const int ticks = check.between(0, 5);
        for (int t = 0; t < ticks; ++t)
            countdown.tick();
        check.expect(!countdown.active() || countdown.remaining() >= 0, "a countdown never goes below 0");
        countdown.caption();
    }
}

void captionCells(PropertyCheck& check, int rounds)
{
    for (int i = 0; i < rounds; ++i, check.count()) {
        std::vector<CaptionCell> cells(static_cast<std::size_t>(check.between(0, 6)));
        for (CaptionCell& cell : cells)
            cell = { check.anyInt(), check.anyInt(), check.coin() };
        const bool vertical = check.coin();
        const int spacing = check.anyInt();
        const std::vector<RECT> rects = layoutCaptionCells(cells, check.anyInt(), check.anyInt(), spacing, vertical);
        const int hit = captionCellAt(cells, rects, check.anyInt(), check.anyInt());
        check.expect(hit >= 0 && hit <= static_cast<int>(cells.size()), "a hit names a cell or none", hit);
        const SIZE size = captionStripSize(cells, spacing, vertical);
        if (cells.size() == 1 && cells[0].width >= 0 && cells[0].height >= 0 && cells[0].width <= kCoordinateLimit
            && cells[0].height <= kCoordinateLimit)
            check.expect(size.cx == cells[0].width && size.cy == cells[0].height, "one cell sizes the strip");
    }
}

void messageBoxes(PropertyCheck& check, int rounds)
{
    for (int i = 0; i < rounds; ++i, check.count()) {
        const int width = MessageBoxLayout::width(check.anyInt(), check.anyInt());
        check.expect(width <= MessageBoxLayout::kMaxWidth, "the box is at most 600 wide", width);
        const int height = MessageBoxLayout::height(check.anyInt());
        check.expect(height >= MessageBoxLayout::kMinHeight, "the box is at least 150 high", height);
        MessageBoxLayout::wrapWidth(check.anyInt());
        const MessageBoxStyle style = MessageBoxStyle::decode(check.anyInt());
        check.expect(
            !style.buttons.empty() && style.buttons.size() <= 3, "one to three buttons", long(style.buttons.size()));
        const int button = check.anyInt();
        const int result = style.resultOf(button);
        check.expect(result == MessageBoxStyle::kNoButton || (button >= 1 && button <= 3), "results of real buttons",
            button, result);
        const SIZE box { check.anyInt(), check.anyInt() };
        std::optional<int> checkBox;
        if (check.coin())
            checkBox = MessageBoxLayout::checkBoxWidth(check.anyInt());
        const MessageBoxLayout layout = MessageBoxLayout::arrange(box, style, checkBox);
        check.expect(layout.buttons.size() == style.buttons.size(), "a rectangle per button");
        layout.inWindow({ check.anyInt(), check.anyInt(), check.anyInt(), check.anyInt() });
        const RECT work { check.anyInt(), check.anyInt(), check.anyInt(), check.anyInt() };
        std::optional<RECT> owner;
        if (check.coin())
            owner = RECT { check.anyInt(), check.anyInt(), check.anyInt(), check.anyInt() };
        const POINT at = MessageBoxLayout::position(box, owner, work);
        check.expect(at.x >= limitCoordinate(work.left) && at.y >= limitCoordinate(work.top),
            "the box starts inside the work area", at.x, at.y);
        const int opacity = MessageBoxLayout::opacity(check.anyInt());
        check.expect(opacity >= 0 && opacity <= 255, "opacity is a byte", opacity);
    }
}

void captionButtons(PropertyCheck& check, int rounds)
{
    for (int i = 0; i < rounds; ++i, check.count()) {
        const int mask = check.anyInt();
        const int style = check.between(-1, 3);
        const std::vector<CaptionButtonLook> buttons = captionButtonsFor(mask, CaptionButtonStyle(style));
        const int width = captionStripWidth(mask, CaptionButtonStyle(style));
        check.expect((style == 0 || style == 1) == !buttons.empty(), "buttons only for styles 0 and 1", style);
        check.expect(width >= 0 && (width == 0) == buttons.empty(), "a strip as wide as its buttons", width);
        captionStripOrigin(check.anyInt(), width, check.anyInt(), CaptionButtonStyle(style));
    }
}

} // namespace

void checkLayouts(PropertyCheck& check, int rounds)
{
    buttonFaces(check, rounds);
    pictures(check, rounds);
    labels(check, rounds);
    countdowns(check, rounds);
    captionCells(check, rounds);
    messageBoxes(check, rounds);
    captionButtons(check, rounds);
}
