#pragma once

#include "drawing/Brush.h"

// The methods the gradient and texture brushes share: their own transform and their wrap
// mode. Written once over `Api`, the table of one brush's flat functions (BrushFunctions.h).
template <typename Native, typename Api> class TransformableBrush : public Brush {
public:
    // Copies the brush's transform into `matrix`.
    bool GetTransform(flat::GpMatrix* matrix) const { return recordStatus(Api::getTransform(nativeBrush(), matrix)); }
    bool SetTransform(const flat::GpMatrix* matrix) { return recordStatus(Api::setTransform(nativeBrush(), matrix)); }
    bool ResetTransform() { return recordStatus(Api::resetTransform(nativeBrush())); }
    bool MultiplyTransform(const flat::GpMatrix* matrix, int order = flat::MatrixOrderPrepend)
    {
        return recordStatus(Api::multiplyTransform(nativeBrush(), matrix, static_cast<flat::GpMatrixOrder>(order)));
    }
    bool TranslateTransform(float dx, float dy, int order = flat::MatrixOrderPrepend)
    {
        return recordStatus(Api::translateTransform(nativeBrush(), dx, dy, static_cast<flat::GpMatrixOrder>(order)));
    }
    bool ScaleTransform(float sx, float sy, int order = flat::MatrixOrderPrepend)
    {
        return recordStatus(Api::scaleTransform(nativeBrush(), sx, sy, static_cast<flat::GpMatrixOrder>(order)));
    }
    bool RotateTransform(float angle, int order = flat::MatrixOrderPrepend)
    {
        return recordStatus(Api::rotateTransform(nativeBrush(), angle, static_cast<flat::GpMatrixOrder>(order)));
    }
    bool ScaleAt(float sx, float sy, PointF centre, int order = flat::MatrixOrderPrepend)
    {
        return scaleTransformAt(*this, sx, sy, centre, order);
    }
    bool RotateAt(float angle, PointF centre, int order = flat::MatrixOrderPrepend)
    {
        return rotateTransformAt(*this, angle, centre, order);
    }

    int GetWrapMode() const
    {
        flat::GpWrapMode mode = flat::WrapModeTile;
        recordStatus(Api::getWrapMode(nativeBrush(), &mode));
        return mode;
    }
    bool SetWrapMode(int wrapMode)
    {
        return recordStatus(Api::setWrapMode(nativeBrush(), static_cast<flat::GpWrapMode>(wrapMode)));
    }

protected:
    TransformableBrush() noexcept = default;

    Native* nativeBrush() const { return static_cast<Native*>(native()); }
};
