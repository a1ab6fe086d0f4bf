#pragma once

#include <algorithm>
#include <vector>

#include "drawing/TransformableBrush.h"

// What the linear and the path gradient share: the bounding rectangle, gamma correction and
// the blends. Written once over `Api`, the table of one brush's flat functions.
template <typename Native, typename Api> class GradientBrush : public TransformableBrush<Native, Api> {
public:
    RectF GetRectangle() const
    {
        RectF rect(0, 0, 0, 0);
        recordStatus(Api::getRectangle(nativeBrush(), &rect));
        return rect;
    }
    flat::GpRect GetRectangleI() const
    {
        flat::GpRect rect(0, 0, 0, 0);
        recordStatus(Api::getRectangleI(nativeBrush(), &rect));
        return rect;
    }

    bool SetGammaCorrection(bool useGamma)
    {
        return recordStatus(Api::setGammaCorrection(nativeBrush(), useGamma ? TRUE : FALSE));
    }
    bool GetGammaCorrection() const
    {
        BOOL useGamma = FALSE;
        recordStatus(Api::getGammaCorrection(nativeBrush(), &useGamma));
        return useGamma != FALSE;
    }

    bool SetBlend(const Blend& blend)
    {
        const auto count = static_cast<INT>(std::min(blend.factors.size(), blend.positions.size()));
        return recordStatus(Api::setBlend(nativeBrush(), blend.factors.data(), blend.positions.data(), count));
    }
    Blend GetBlend() const
    {
        const int count = GetBlendCount();
        if (count <= 0)
            return {};
        Blend blend { std::vector<float>(count), std::vector<float>(count) };
        if (!recordStatus(Api::getBlend(nativeBrush(), blend.factors.data(), blend.positions.data(), count)))
            return {};
        return blend;
    }
    int GetBlendCount() const
    {
        INT count = 0;
        recordStatus(Api::getBlendCount(nativeBrush(), &count));
        return count;
    }

    bool SetPresetBlend(const ColorBlend& blend)
    {
        const auto count = static_cast<INT>(std::min(blend.colours.size(), blend.positions.size()));
        const std::vector<flat::ARGB> colours(blend.colours.begin(), blend.colours.begin() + count);
        return recordStatus(Api::setPresetBlend(nativeBrush(), colours.data(), blend.positions.data(), count));
    }
    ColorBlend GetPresetBlend() const
    {
        INT count = 0;
        if (!recordStatus(Api::getPresetBlendCount(nativeBrush(), &count)) || count <= 0)
            return {};
        std::vector<flat::ARGB> colours(count);
        std::vector<float> positions(count);
        if (!recordStatus(Api::getPresetBlend(nativeBrush(), colours.data(), positions.data(), count)))
            return {};
        return { { colours.begin(), colours.end() }, positions };
    }
    int GetPresetBlendCount() const
    {
        INT count = 0;
        recordStatus(Api::getPresetBlendCount(nativeBrush(), &count));
        return count;
    }

    // Bell-shaped and triangular falloffs peaking at `focus`, reaching `scale` there.
    bool SetSigmaBlend(float focus, float scale)
    {
        return recordStatus(Api::setSigmaBlend(nativeBrush(), focus, scale));
    }
    bool SetLinearBlend(float focus, float scale)
    {
        return recordStatus(Api::setLinearBlend(nativeBrush(), focus, scale));
    }

protected:
    GradientBrush() noexcept = default;

    using TransformableBrush<Native, Api>::nativeBrush;
};
