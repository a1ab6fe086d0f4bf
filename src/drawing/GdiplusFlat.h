#pragma once

// The GDI+ flat interface. Everything from GDI+ is reached through `flat::`, which names the
// flat functions and GDI+'s plain types but not its C++ classes, so `using namespace flat`
// never makes our wrappers of the same names ambiguous.
#include <windows.h>
#include <objidl.h>

#include <gdiplus.h>

#include "drawing/GdiplusEnums.h"

namespace flat {
using namespace Gdiplus::DllExports;

using Gdiplus::ARGB;
using Gdiplus::REAL;
using Gdiplus::GpStatus;

using Gdiplus::GdiplusStartup;
using Gdiplus::GdiplusStartupInput;

using Gdiplus::GpBrush;
using Gdiplus::GpCachedBitmap;
using Gdiplus::GpFont;
using Gdiplus::GpFontCollection;
using Gdiplus::GpFontFamily;
using Gdiplus::GpGraphics;
using Gdiplus::GpImage;
using Gdiplus::GpBitmap;
using Gdiplus::GpImageAttributes;
using Gdiplus::GpLineGradient;
using Gdiplus::GpMatrix;
using Gdiplus::GpPath;
using Gdiplus::GpPathGradient;
using Gdiplus::GpPen;
using Gdiplus::GpRegion;
using Gdiplus::GpSolidFill;
using Gdiplus::GpStringFormat;
using Gdiplus::GpTexture;

using Gdiplus::GpPoint;
using Gdiplus::GpPointF;
using Gdiplus::GpRect;
using Gdiplus::GpRectF;

using Gdiplus::CharacterRange;
using Gdiplus::ColorMatrix;
using Gdiplus::ColorMap;
using Gdiplus::ColorPalette;
using Gdiplus::EncoderParameters;
using Gdiplus::ImageCodecInfo;
using Gdiplus::PropertyItem;

using Gdiplus::BrushType;
using Gdiplus::ColorAdjustType;
using Gdiplus::ColorChannelFlags;
using Gdiplus::ColorMatrixFlags;
using Gdiplus::CombineMode;
using Gdiplus::CompositingMode;
using Gdiplus::CompositingQuality;
using Gdiplus::CoordinateSpace;
using Gdiplus::DashCap;
using Gdiplus::DashStyle;
using Gdiplus::FillMode;
using Gdiplus::FlushIntention;
using Gdiplus::GpBrushType;
using Gdiplus::GpDashStyle;
using Gdiplus::GpFillMode;
using Gdiplus::GpMatrixOrder;
using Gdiplus::GpUnit;
using Gdiplus::GpWrapMode;
using Gdiplus::InterpolationMode;
using Gdiplus::LinearGradientMode;
using Gdiplus::LineCap;
using Gdiplus::LineJoin;
using Gdiplus::MatrixOrder;
using Gdiplus::PenAlignment;
using Gdiplus::PixelFormat;
using Gdiplus::PixelOffsetMode;
using Gdiplus::RotateFlipType;
using Gdiplus::SmoothingMode;
using Gdiplus::StringAlignment;
using Gdiplus::StringDigitSubstitute;
using Gdiplus::StringTrimming;
using Gdiplus::TextRenderingHint;
using Gdiplus::Unit;
using Gdiplus::WarpMode;
using Gdiplus::WrapMode;
using Gdiplus::GpDashCap;
using Gdiplus::GpLineCap;
using Gdiplus::GpLineJoin;
using Gdiplus::GpPathData;
using Gdiplus::GpPenAlignment;
using Gdiplus::GpPenType;
using Gdiplus::BitmapData;
using Gdiplus::EncoderParameter;
using Gdiplus::ImageType;
}

using PointF = Gdiplus::PointF;
using RectF = Gdiplus::RectF;
using SizeF = Gdiplus::SizeF;
