#pragma once

// GDI+'s own enumerators, the values every wrapper's int parameters take. They live in
// `flat::` beside the flat functions, so callers write flat::SmoothingModeAntiAlias rather
// than a number or a local copy of one. Pixel formats are the platform's own macros
// (PixelFormat32bppARGB, the format every picture is cut and composed in).
#include <windows.h>
#include <objidl.h>

#include <gdiplus.h>

namespace flat {
using Gdiplus::BrushTypeSolidColor, Gdiplus::BrushTypeHatchFill, Gdiplus::BrushTypeTextureFill,
    Gdiplus::BrushTypePathGradient, Gdiplus::BrushTypeLinearGradient;
using Gdiplus::ColorAdjustTypeDefault, Gdiplus::ColorAdjustTypeBitmap, Gdiplus::ColorAdjustTypeBrush,
    Gdiplus::ColorAdjustTypePen, Gdiplus::ColorAdjustTypeText, Gdiplus::ColorAdjustTypeCount,
    Gdiplus::ColorAdjustTypeAny;
using Gdiplus::ColorMatrixFlagsDefault, Gdiplus::ColorMatrixFlagsSkipGrays, Gdiplus::ColorMatrixFlagsAltGray;
using Gdiplus::CombineModeReplace, Gdiplus::CombineModeIntersect, Gdiplus::CombineModeUnion, Gdiplus::CombineModeXor,
    Gdiplus::CombineModeExclude, Gdiplus::CombineModeComplement;
using Gdiplus::CompositingModeSourceOver, Gdiplus::CompositingModeSourceCopy;
using Gdiplus::CompositingQualityDefault, Gdiplus::CompositingQualityHighSpeed, Gdiplus::CompositingQualityHighQuality,
    Gdiplus::CompositingQualityGammaCorrected, Gdiplus::CompositingQualityAssumeLinear;
using Gdiplus::CoordinateSpaceWorld, Gdiplus::CoordinateSpacePage, Gdiplus::CoordinateSpaceDevice;
using Gdiplus::DashCapFlat, Gdiplus::DashCapRound, Gdiplus::DashCapTriangle;
using Gdiplus::DashStyleSolid, Gdiplus::DashStyleDash, Gdiplus::DashStyleDot, Gdiplus::DashStyleDashDot,
    Gdiplus::DashStyleDashDotDot, Gdiplus::DashStyleCustom;
using Gdiplus::FillModeAlternate, Gdiplus::FillModeWinding;
using Gdiplus::FlushIntentionFlush, Gdiplus::FlushIntentionSync;
using Gdiplus::FontStyleRegular, Gdiplus::FontStyleBold, Gdiplus::FontStyleItalic, Gdiplus::FontStyleBoldItalic,
    Gdiplus::FontStyleUnderline, Gdiplus::FontStyleStrikeout;
using Gdiplus::ImageLockModeRead, Gdiplus::ImageLockModeWrite, Gdiplus::ImageLockModeUserInputBuf;
using Gdiplus::InterpolationModeInvalid, Gdiplus::InterpolationModeDefault, Gdiplus::InterpolationModeLowQuality,
    Gdiplus::InterpolationModeHighQuality, Gdiplus::InterpolationModeBilinear, Gdiplus::InterpolationModeBicubic,
    Gdiplus::InterpolationModeNearestNeighbor, Gdiplus::InterpolationModeHighQualityBilinear,
    Gdiplus::InterpolationModeHighQualityBicubic;
using Gdiplus::LinearGradientModeHorizontal, Gdiplus::LinearGradientModeVertical,
    Gdiplus::LinearGradientModeForwardDiagonal, Gdiplus::LinearGradientModeBackwardDiagonal;
using Gdiplus::LineCapFlat, Gdiplus::LineCapSquare, Gdiplus::LineCapRound, Gdiplus::LineCapTriangle,
    Gdiplus::LineCapNoAnchor, Gdiplus::LineCapSquareAnchor, Gdiplus::LineCapRoundAnchor, Gdiplus::LineCapDiamondAnchor,
    Gdiplus::LineCapArrowAnchor, Gdiplus::LineCapCustom;
using Gdiplus::LineJoinMiter, Gdiplus::LineJoinBevel, Gdiplus::LineJoinRound, Gdiplus::LineJoinMiterClipped;
using Gdiplus::MatrixOrderPrepend, Gdiplus::MatrixOrderAppend;
using Gdiplus::Ok, Gdiplus::GenericError, Gdiplus::InvalidParameter, Gdiplus::OutOfMemory, Gdiplus::ObjectBusy,
    Gdiplus::InsufficientBuffer, Gdiplus::NotImplemented, Gdiplus::Win32Error, Gdiplus::WrongState, Gdiplus::Aborted,
    Gdiplus::FileNotFound, Gdiplus::ValueOverflow, Gdiplus::AccessDenied, Gdiplus::UnknownImageFormat,
    Gdiplus::FontFamilyNotFound, Gdiplus::FontStyleNotFound, Gdiplus::NotTrueTypeFont,
    Gdiplus::UnsupportedGdiplusVersion, Gdiplus::GdiplusNotInitialized, Gdiplus::PropertyNotFound,
    Gdiplus::PropertyNotSupported, Gdiplus::ProfileNotFound;
using Gdiplus::PathPointTypeStart, Gdiplus::PathPointTypeLine, Gdiplus::PathPointTypeBezier,
    Gdiplus::PathPointTypeBezier3, Gdiplus::PathPointTypePathTypeMask, Gdiplus::PathPointTypePathDashMode,
    Gdiplus::PathPointTypePathMarker, Gdiplus::PathPointTypeCloseSubpath;
using Gdiplus::PenAlignmentCenter, Gdiplus::PenAlignmentInset;
using Gdiplus::PixelOffsetModeInvalid, Gdiplus::PixelOffsetModeDefault, Gdiplus::PixelOffsetModeHighSpeed,
    Gdiplus::PixelOffsetModeHighQuality, Gdiplus::PixelOffsetModeNone, Gdiplus::PixelOffsetModeHalf;
using Gdiplus::SmoothingModeInvalid, Gdiplus::SmoothingModeDefault, Gdiplus::SmoothingModeHighSpeed,
    Gdiplus::SmoothingModeHighQuality, Gdiplus::SmoothingModeNone, Gdiplus::SmoothingModeAntiAlias8x4,
    Gdiplus::SmoothingModeAntiAlias, Gdiplus::SmoothingModeAntiAlias8x8;
using Gdiplus::HotkeyPrefixNone, Gdiplus::HotkeyPrefixShow, Gdiplus::HotkeyPrefixHide;
using Gdiplus::StringAlignmentNear, Gdiplus::StringAlignmentCenter, Gdiplus::StringAlignmentFar;
using Gdiplus::StringFormatFlagsDirectionRightToLeft, Gdiplus::StringFormatFlagsDirectionVertical,
    Gdiplus::StringFormatFlagsNoFitBlackBox, Gdiplus::StringFormatFlagsDisplayFormatControl,
    Gdiplus::StringFormatFlagsNoFontFallback, Gdiplus::StringFormatFlagsMeasureTrailingSpaces,
    Gdiplus::StringFormatFlagsNoWrap, Gdiplus::StringFormatFlagsLineLimit, Gdiplus::StringFormatFlagsNoClip;
using Gdiplus::StringTrimmingNone, Gdiplus::StringTrimmingCharacter, Gdiplus::StringTrimmingWord,
    Gdiplus::StringTrimmingEllipsisCharacter, Gdiplus::StringTrimmingEllipsisWord, Gdiplus::StringTrimmingEllipsisPath;
using Gdiplus::TextRenderingHintSystemDefault, Gdiplus::TextRenderingHintSingleBitPerPixelGridFit,
    Gdiplus::TextRenderingHintSingleBitPerPixel, Gdiplus::TextRenderingHintAntiAliasGridFit,
    Gdiplus::TextRenderingHintAntiAlias, Gdiplus::TextRenderingHintClearTypeGridFit;
using Gdiplus::UnitWorld, Gdiplus::UnitDisplay, Gdiplus::UnitPixel, Gdiplus::UnitPoint, Gdiplus::UnitInch,
    Gdiplus::UnitDocument, Gdiplus::UnitMillimeter;
using Gdiplus::WarpModePerspective, Gdiplus::WarpModeBilinear;
using Gdiplus::WrapModeTile, Gdiplus::WrapModeTileFlipX, Gdiplus::WrapModeTileFlipY, Gdiplus::WrapModeTileFlipXY,
    Gdiplus::WrapModeClamp;
} // namespace flat
