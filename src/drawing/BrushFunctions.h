#pragma once

#include "drawing/GdiplusFlat.h"

// The flat functions behind each brush with a transform of its own, the tables that
// TransformableBrush and GradientBrush call through.

struct LineGradientFunctions {
    static constexpr auto getTransform = &flat::GdipGetLineTransform;
    static constexpr auto setTransform = &flat::GdipSetLineTransform;
    static constexpr auto resetTransform = &flat::GdipResetLineTransform;
    static constexpr auto multiplyTransform = &flat::GdipMultiplyLineTransform;
    static constexpr auto translateTransform = &flat::GdipTranslateLineTransform;
    static constexpr auto scaleTransform = &flat::GdipScaleLineTransform;
    static constexpr auto rotateTransform = &flat::GdipRotateLineTransform;
    static constexpr auto getWrapMode = &flat::GdipGetLineWrapMode;
    static constexpr auto setWrapMode = &flat::GdipSetLineWrapMode;

    static constexpr auto getRectangle = &flat::GdipGetLineRect;
    static constexpr auto getRectangleI = &flat::GdipGetLineRectI;
    static constexpr auto getGammaCorrection = &flat::GdipGetLineGammaCorrection;
    static constexpr auto setGammaCorrection = &flat::GdipSetLineGammaCorrection;
    static constexpr auto getBlend = &flat::GdipGetLineBlend;
    static constexpr auto setBlend = &flat::GdipSetLineBlend;
    static constexpr auto getBlendCount = &flat::GdipGetLineBlendCount;
    static constexpr auto getPresetBlend = &flat::GdipGetLinePresetBlend;
    static constexpr auto setPresetBlend = &flat::GdipSetLinePresetBlend;
    static constexpr auto getPresetBlendCount = &flat::GdipGetLinePresetBlendCount;
    static constexpr auto setSigmaBlend = &flat::GdipSetLineSigmaBlend;
    static constexpr auto setLinearBlend = &flat::GdipSetLineLinearBlend;
};

struct PathGradientFunctions {
    static constexpr auto getTransform = &flat::GdipGetPathGradientTransform;
    // GDI+ only reads the matrix; its declaration lacks the const.
    static flat::GpStatus setTransform(flat::GpPathGradient* brush, const flat::GpMatrix* matrix)
    {
        return flat::GdipSetPathGradientTransform(brush, const_cast<flat::GpMatrix*>(matrix));
    }
    static constexpr auto resetTransform = &flat::GdipResetPathGradientTransform;
    static constexpr auto multiplyTransform = &flat::GdipMultiplyPathGradientTransform;
    static constexpr auto translateTransform = &flat::GdipTranslatePathGradientTransform;
    static constexpr auto scaleTransform = &flat::GdipScalePathGradientTransform;
    static constexpr auto rotateTransform = &flat::GdipRotatePathGradientTransform;
    static constexpr auto getWrapMode = &flat::GdipGetPathGradientWrapMode;
    static constexpr auto setWrapMode = &flat::GdipSetPathGradientWrapMode;

    static constexpr auto getRectangle = &flat::GdipGetPathGradientRect;
    static constexpr auto getRectangleI = &flat::GdipGetPathGradientRectI;
    static constexpr auto getGammaCorrection = &flat::GdipGetPathGradientGammaCorrection;
    static constexpr auto setGammaCorrection = &flat::GdipSetPathGradientGammaCorrection;
    static constexpr auto getBlend = &flat::GdipGetPathGradientBlend;
    static constexpr auto setBlend = &flat::GdipSetPathGradientBlend;
    static constexpr auto getBlendCount = &flat::GdipGetPathGradientBlendCount;
    static constexpr auto getPresetBlend = &flat::GdipGetPathGradientPresetBlend;
    static constexpr auto setPresetBlend = &flat::GdipSetPathGradientPresetBlend;
    static constexpr auto getPresetBlendCount = &flat::GdipGetPathGradientPresetBlendCount;
    static constexpr auto setSigmaBlend = &flat::GdipSetPathGradientSigmaBlend;
    static constexpr auto setLinearBlend = &flat::GdipSetPathGradientLinearBlend;
};

struct TextureFunctions {
    static constexpr auto getTransform = &flat::GdipGetTextureTransform;
    static constexpr auto setTransform = &flat::GdipSetTextureTransform;
    static constexpr auto resetTransform = &flat::GdipResetTextureTransform;
    static constexpr auto multiplyTransform = &flat::GdipMultiplyTextureTransform;
    static constexpr auto translateTransform = &flat::GdipTranslateTextureTransform;
    static constexpr auto scaleTransform = &flat::GdipScaleTextureTransform;
    static constexpr auto rotateTransform = &flat::GdipRotateTextureTransform;
    static constexpr auto getWrapMode = &flat::GdipGetTextureWrapMode;
    static constexpr auto setWrapMode = &flat::GdipSetTextureWrapMode;
};
