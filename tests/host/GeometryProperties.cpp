#include "HostChecks.h"

#include <vector>

#include "core/DisplayScale.h"
#include "imaging/NineGridGeometry.h"
#include "imaging/SkinSetChoice.h"
#include "skin/EffectFrames.h"
#include "skin/TurnProjection.h"

namespace {

void nineGrids(PropertyCheck& check, int rounds)
{
    for (int i = 0; i < rounds; ++i, check.count()) {
        // Lines are scanned pixel by pixel, so their length stays realistic; the slices take
        // any numbers.
        const int length = check.coin() ? check.between(-5, 3000) : check.between(-2, 8);
        std::vector<bool> marked(static_cast<std::size_t>(std::max(length, 0)) + 1);
        for (std::size_t p = 0; p < marked.size(); ++p)
            marked[p] = check.below(8) == 0;
        bool outside = false;
        const MarkerPair pair = findMarkers(length, [&](int p) {
            outside = outside || p < 1 || p >= length;
            return p >= 0 && p < static_cast<int>(marked.size()) && marked[static_cast<std::size_t>(p)];
        });
        check.expect(!outside, "markers are looked for inside the line only", length);
        check.expect(pair.none(length) || (pair.low >= 1 && pair.low <= pair.high && pair.high < length),
            "markers lie in the line, low first", pair.low, pair.high);
        if (length > 2 && !pair.none(length)) {
            const NineSlices slices = sliceNineGrid(length, length, pair, pair);
            for (const SliceRect& s : slices)
                check.expect(s.width >= 0 && s.height >= 0 && s.x + s.width <= length, "slices lie in the image",
                    static_cast<long long>(s.x), static_cast<long long>(s.width));
        }
        const NineSlices any = sliceNineGrid(
            check.anyInt(), check.anyInt(), { check.anyInt(), check.anyInt() }, { check.anyInt(), check.anyInt() });
        nineGridDestinations(check.anyInt(), check.anyInt(), check.anyInt(), check.anyInt(), any);
    }
}

void effects(PropertyCheck& check, int rounds)
{
    for (int i = 0; i < rounds; ++i, check.count()) {
        const EffectRect window { check.anyInt(), check.anyInt(), check.anyInt(), check.anyInt() };
        const int effect = check.between(-1, 12);
        const std::vector<EffectFrame> shown = showEffectFrames(window, ShowEffect(effect));
        const std::vector<EffectFrame> hidden = hideEffectFrames(window, HideEffect(effect));
        check.expect(shown.empty() == (effect < 1 || effect > 10), "show effects 1..10", effect);
        check.expect(hidden.empty() == (effect < 1 || effect > 11), "hide effects 1..11", effect);
        if (!shown.empty())
            check.expect(shown.back().alpha == 255, "a show ends opaque", effect);
        for (const std::vector<EffectFrame>* frames : { &shown, &hidden })
            for (const EffectFrame& frame : *frames)
                check.expect(frame.alpha >= 0 && frame.alpha <= 255 && frame.sleepMs >= 0, "alphas and waits",
                    frame.alpha, frame.sleepMs);
        showEffectMargin(ShowEffect(effect));
        turnAngle(check.anyInt(), check.coin());
    }
}

void turns(PropertyCheck& check, int rounds)
{
    for (int i = 0; i < rounds; ++i, check.count()) {
        turnedCorners(check.anyInt(), check.anyInt(), check.anyInt());
        // Exact-size buffers, so AddressSanitizer sees any step outside them.
        const int tw = check.between(0, 40);
        const int th = check.between(0, 40);
        const int sw = check.between(1, 30);
        const int sh = check.between(1, 30);
        std::vector<std::uint32_t> target(static_cast<std::size_t>(tw * th));
        std::vector<std::uint32_t> source(static_cast<std::size_t>(sw * sh), 0x80402010u);
        const PixelView to { target.data(), tw, th };
        const PixelView from { source.data(), sw, sh };
        auto point = [&] { return TurnPoint { check.anyDouble(), check.anyDouble() }; };
        if (check.coin()) {
            mapPicture(to, from, turnedCorners(tw, th, check.between(-400, 400)));
        } else {
            mapPicture(to, from, { point(), point(), point(), point() });
            mapTriangle(to, from, { point(), point(), point() }, { point(), point(), point() });
        }
    }
}

// Each figure lands on the nearest whole pixel, in step with its neighbours and mirrored
// for negatives, and the chosen skin set is the nearest at or above the scale.
void scales(PropertyCheck& check, int rounds)
{
    for (int i = 0; i < rounds; ++i, check.count()) {
        const int px = check.anyInt();
        const DisplayScale scale(check.coin() ? check.anyInt() : check.between(1, 480));
        const int at = scaled(px, scale);
        const long long error = 2LL * DisplayScale::kBaseDpi * at - 2LL * px * scale.dpi();
        if (at > INT_MIN && at < INT_MAX) {
            check.expect(error >= -DisplayScale::kBaseDpi && error <= DisplayScale::kBaseDpi, "nearest pixel", px,
                scale.dpi());
            check.expect(px == INT_MIN || scaled(-px, scale) == -at, "mirrored", px, scale.dpi());
        }
        check.expect(px == INT_MAX || scaled(px + 1, scale) >= at, "in step", px, scale.dpi());
        check.expect(scaled(px, DisplayScale()) == px, "1x keeps every figure", px);
        check.expect((scaledLineWidth(px, scale) >= 1) == (px > 0), "lines keep a pixel", px, scale.dpi());

        const SkinSetChoice choice = chooseSkinSet(scale);
        if (!check.expect(choice.set >= 0 && choice.set < kSkinSetCount, "one of the sets", choice.set))
            continue;
        const int wanted = scale.dpi();
        const int chosen = kSkinSets[static_cast<std::size_t>(choice.set)].dpi();
        const int lower = choice.set > 0 ? kSkinSets[static_cast<std::size_t>(choice.set - 1)].dpi() : 0;
        const SkinResize resize = chosen == wanted ? SkinResize::None
            : chosen > wanted                      ? SkinResize::Down
                                                   : SkinResize::Up;
        check.expect(choice.resize == resize && lower < wanted && (chosen >= wanted || choice.set == kSkinSetCount - 1),
            "the nearest set at or above", wanted, choice.set);
    }
}

} // namespace

void checkGeometry(PropertyCheck& check, int rounds)
{
    nineGrids(check, rounds);
    effects(check, rounds);
    turns(check, rounds);
    scales(check, rounds);
}
