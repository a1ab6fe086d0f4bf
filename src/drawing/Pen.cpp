#include "drawing/Pen.h"

#include "drawing/Brush.h"

using namespace flat;

bool Pen::Create(std::uint32_t argb, float width, int unit)
{
    GpPen* pen = nullptr;
    const GpStatus status = GdipCreatePen1(argb, width, static_cast<GpUnit>(unit), &pen);
    return adopt(status, pen);
}

bool Pen::CreateFromBrush(const Brush& brush, float width, int unit)
{
    GpPen* pen = nullptr;
    const GpStatus status = GdipCreatePen2(brush.GetNativeObject(), width, static_cast<GpUnit>(unit), &pen);
    return adopt(status, pen);
}

bool Pen::Clone(Pen& target) const
{
    GpPen* copy = nullptr;
    const GpStatus status = GdipClonePen(native(), &copy);
    return target.adopt(status, copy);
}

float Pen::GetWidth() const
{
    REAL width = 0;
    recordStatus(GdipGetPenWidth(native(), &width));
    return width;
}

bool Pen::SetWidth(float width)
{
    return recordStatus(GdipSetPenWidth(native(), width));
}

int Pen::GetUnit() const
{
    GpUnit unit = UnitWorld;
    recordStatus(GdipGetPenUnit(native(), &unit));
    return unit;
}

bool Pen::SetUnit(int unit)
{
    return recordStatus(GdipSetPenUnit(native(), static_cast<GpUnit>(unit)));
}

bool Pen::SetLineCap(int startCap, int endCap, int dashCap)
{
    return recordStatus(GdipSetPenLineCap197819(
        native(), static_cast<GpLineCap>(startCap), static_cast<GpLineCap>(endCap), static_cast<GpDashCap>(dashCap)));
}

bool Pen::SetStartCap(int cap)
{
    return recordStatus(GdipSetPenStartCap(native(), static_cast<GpLineCap>(cap)));
}

bool Pen::SetEndCap(int cap)
{
    return recordStatus(GdipSetPenEndCap(native(), static_cast<GpLineCap>(cap)));
}

bool Pen::SetDashCap(int cap)
{
    return recordStatus(GdipSetPenDashCap197819(native(), static_cast<GpDashCap>(cap)));
}

int Pen::GetStartCap() const
{
    GpLineCap cap{};
    recordStatus(GdipGetPenStartCap(native(), &cap));
    return cap;
}

int Pen::GetEndCap() const
{
    GpLineCap cap{};
    recordStatus(GdipGetPenEndCap(native(), &cap));
    return cap;
}

int Pen::GetDashCap() const
{
    GpDashCap cap{};
    recordStatus(GdipGetPenDashCap197819(native(), &cap));
    return cap;
}

bool Pen::SetLineJoin(int join)
{
    return recordStatus(GdipSetPenLineJoin(native(), static_cast<GpLineJoin>(join)));
}

int Pen::GetLineJoin() const
{
    GpLineJoin join{};
    recordStatus(GdipGetPenLineJoin(native(), &join));
    return join;
}

bool Pen::SetMiterLimit(float limit)
{
    return recordStatus(GdipSetPenMiterLimit(native(), limit));
}

float Pen::GetMiterLimit() const
{
    REAL limit = 0;
    recordStatus(GdipGetPenMiterLimit(native(), &limit));
    return limit;
}

bool Pen::SetAlignment(int alignment)
{
    return recordStatus(GdipSetPenMode(native(), static_cast<GpPenAlignment>(alignment)));
}

int Pen::GetAlignment() const
{
    GpPenAlignment alignment{};
    recordStatus(GdipGetPenMode(native(), &alignment));
    return alignment;
}

bool Pen::SetTransform(GpMatrix* matrix)
{
    return recordStatus(GdipSetPenTransform(native(), matrix));
}

bool Pen::GetTransform(GpMatrix* matrix) const
{
    return recordStatus(GdipGetPenTransform(native(), matrix));
}

bool Pen::ResetTransform()
{
    return recordStatus(GdipResetPenTransform(native()));
}

bool Pen::MultiplyTransform(const GpMatrix* matrix, int order)
{
    return recordStatus(GdipMultiplyPenTransform(native(), matrix, static_cast<GpMatrixOrder>(order)));
}

bool Pen::RotateTransform(float angle, int order)
{
    return recordStatus(GdipRotatePenTransform(native(), angle, static_cast<GpMatrixOrder>(order)));
}

bool Pen::RotateAt(float angle, PointF centre, int order)
{
    return rotateTransformAt(*this, angle, centre, order);
}

bool Pen::ScaleTransform(float sx, float sy, int order)
{
    return recordStatus(GdipScalePenTransform(native(), sx, sy, static_cast<GpMatrixOrder>(order)));
}

bool Pen::ScaleAt(float sx, float sy, PointF centre, int order)
{
    return scaleTransformAt(*this, sx, sy, centre, order);
}

bool Pen::TranslateTransform(float dx, float dy, int order)
{
    return recordStatus(GdipTranslatePenTransform(native(), dx, dy, static_cast<GpMatrixOrder>(order)));
}

std::uint32_t Pen::GetColor() const
{
    ARGB colour = 0;
    recordStatus(GdipGetPenColor(native(), &colour));
    return colour;
}

bool Pen::SetColor(std::uint32_t argb)
{
    return recordStatus(GdipSetPenColor(native(), argb));
}

bool Pen::SetBrush(const Brush& brush)
{
    return recordStatus(GdipSetPenBrushFill(native(), brush.GetNativeObject()));
}

bool Pen::GetBrush(Brush& target) const
{
    GpBrush* brush = nullptr;
    const GpStatus status = GdipGetPenBrushFill(native(), &brush);
    target.SetNativeObject(status == Ok ? brush : nullptr);
    return recordStatus(status);
}

int Pen::GetFillType() const
{
    GpPenType type{};
    recordStatus(GdipGetPenFillType(native(), &type));
    return type;
}

bool Pen::SetDashStyle(int style)
{
    return recordStatus(GdipSetPenDashStyle(native(), static_cast<GpDashStyle>(style)));
}

int Pen::GetDashStyle() const
{
    GpDashStyle style{};
    recordStatus(GdipGetPenDashStyle(native(), &style));
    return style;
}

float Pen::GetDashOffset() const
{
    REAL offset = 0;
    recordStatus(GdipGetPenDashOffset(native(), &offset));
    return offset;
}

bool Pen::SetDashOffset(float offset)
{
    return recordStatus(GdipSetPenDashOffset(native(), offset));
}

std::vector<float> Pen::GetDashArray() const
{
    INT count = 0;
    if (!recordStatus(GdipGetPenDashCount(native(), &count)) || count <= 0)
        return {};
    std::vector<float> dashes(count);
    if (!recordStatus(GdipGetPenDashArray(native(), dashes.data(), count)))
        return {};
    return dashes;
}

bool Pen::SetDashArray(const std::vector<float>& dashes)
{
    return recordStatus(GdipSetPenDashArray(native(), dashes.data(), static_cast<INT>(dashes.size())));
}

bool Pen::SetCompoundArray(const std::vector<float>& stripes)
{
    return recordStatus(GdipSetPenCompoundArray(native(), stripes.data(), static_cast<INT>(stripes.size())));
}

std::vector<float> Pen::GetCompoundArray() const
{
    INT count = 0;
    if (!recordStatus(GdipGetPenCompoundCount(native(), &count)) || count <= 0)
        return {};
    std::vector<float> stripes(count);
    if (!recordStatus(GdipGetPenCompoundArray(native(), stripes.data(), count)))
        return {};
    return stripes;
}
