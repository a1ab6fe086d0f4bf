#include "drawing/Bitmap.h"

#include <cmath>

#include "drawing/Graphics.h"

using namespace flat;

namespace {
constexpr double kPi = 3.1415926535;

int wholePixels(double length)
{
    // cos 90° computed from a rounded π is not quite 0; that residue must not cost a pixel.
    return static_cast<int>(std::ceil(length - 1e-3));
}

class ScopedMatrix {
public:
    ScopedMatrix() { recordStatus(GdipCreateMatrix(&m_matrix)); }
    ~ScopedMatrix()
    {
        if (m_matrix)
            GdipDeleteMatrix(m_matrix);
    }
    ScopedMatrix(const ScopedMatrix&) = delete;
    ScopedMatrix& operator=(const ScopedMatrix&) = delete;
    GpMatrix* get() const { return m_matrix; }

private:
    GpMatrix* m_matrix = nullptr;
};
}

PixelSize rotatedBoundingSize(int width, int height, float angle)
{
    const double radians = angle * kPi / 180.0;
    const double cosine = std::fabs(std::cos(radians));
    const double sine = std::fabs(std::sin(radians));
    return { wholePixels(width * cosine + height * sine), wholePixels(width * sine + height * cosine) };
}

PixelSize Bitmap::GetRotatedSize(float angle) const
{
    return rotatedBoundingSize(GetWidth(), GetHeight(), angle);
}

bool Bitmap::RotateInto(float angle, Bitmap& target, std::optional<std::uint32_t> backgroundArgb,
    std::optional<int> interpolationMode) const
{
    const float width = static_cast<float>(GetWidth());
    const float height = static_cast<float>(GetHeight());
    const PixelSize size = GetRotatedSize(angle);
    Bitmap rotated;
    if (!rotated.Create(size.width, size.height, PixelFormat32bppARGB))
        return false;
    rotated.SetResolution(GetHorizontalResolution(), GetVerticalResolution());
    GpStatus status = Ok;
    {
        Graphics graphics;
        if (!graphics.GetImageGraphicsContext(rotated))
            return false;
        if (backgroundArgb)
            graphics.Clear(*backgroundArgb);
        if (interpolationMode)
            graphics.SetInterpolationMode(*interpolationMode);
        // Turn about the new bitmap's centre, then draw the picture centred on the origin.
        ScopedMatrix matrix;
        if (!matrix.get())
            return false;
        GdipTranslateMatrix(matrix.get(), size.width / 2.0f, size.height / 2.0f, MatrixOrderPrepend);
        GdipRotateMatrix(matrix.get(), angle, MatrixOrderPrepend);
        status = GdipSetWorldTransform(graphics.GetNativeObject(), matrix.get());
        if (status == Ok)
            status = GdipDrawImageRect(graphics.GetNativeObject(), native(), -width / 2, -height / 2, width, height);
    }
    if (status == Ok)
        target = std::move(rotated);
    return recordStatus(status);
}
