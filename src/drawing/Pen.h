#pragma once

#include <vector>

#include "drawing/GdiplusObject.h"

class Brush;

// Enumerations (unit, caps, join, alignment, dash style) travel as GDI+'s own values.
class Pen : public GdiplusObject<flat::GpPen, &flat::GdipDeletePen> {
public:
    bool Create(std::uint32_t argb, float width, int unit = flat::UnitWorld);
    // A pen that paints its strokes with a brush.
    bool CreateFromBrush(const Brush& brush, float width, int unit = flat::UnitWorld);
    bool Delete() { return deleteNative(); }
    bool Clone(Pen& target) const;

    float GetWidth() const;
    bool SetWidth(float width);
    int GetUnit() const;
    bool SetUnit(int unit);

    bool SetLineCap(int startCap, int endCap, int dashCap = flat::DashCapFlat);
    bool SetStartCap(int cap);
    bool SetEndCap(int cap);
    bool SetDashCap(int cap);
    int GetStartCap() const;
    int GetEndCap() const;
    int GetDashCap() const;

    bool SetLineJoin(int join);
    int GetLineJoin() const;
    bool SetMiterLimit(float limit);
    float GetMiterLimit() const;
    bool SetAlignment(int alignment);
    int GetAlignment() const;

    bool SetTransform(flat::GpMatrix* matrix);
    // Copies the pen's transform into `matrix`.
    bool GetTransform(flat::GpMatrix* matrix) const;
    bool ResetTransform();
    bool MultiplyTransform(const flat::GpMatrix* matrix, int order = flat::MatrixOrderPrepend);
    bool RotateTransform(float angle, int order = flat::MatrixOrderPrepend);
    bool RotateAt(float angle, PointF centre, int order = flat::MatrixOrderPrepend);
    bool ScaleTransform(float sx, float sy, int order = flat::MatrixOrderPrepend);
    bool ScaleAt(float sx, float sy, PointF centre, int order = flat::MatrixOrderPrepend);
    bool TranslateTransform(float dx, float dy, int order = flat::MatrixOrderPrepend);

    std::uint32_t GetColor() const;
    bool SetColor(std::uint32_t argb);
    bool SetBrush(const Brush& brush);
    // `target` owns a copy of the pen's brush.
    bool GetBrush(Brush& target) const;
    int GetFillType() const;

    bool SetDashStyle(int style);
    int GetDashStyle() const;
    float GetDashOffset() const;
    bool SetDashOffset(float offset);
    std::vector<float> GetDashArray() const;
    bool SetDashArray(const std::vector<float>& dashes);
    bool SetCompoundArray(const std::vector<float>& stripes);
    std::vector<float> GetCompoundArray() const;
};
