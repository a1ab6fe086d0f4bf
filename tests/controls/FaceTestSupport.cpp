#include "FaceTestSupport.h"

#include <algorithm>
#include <cstring>

#include "controls/ButtonFace.h"
#include "drawing/Bitmap.h"
#include "drawing/Graphics.h"

namespace {

constexpr int kPixelFormat32bppPArgb = 0xE200B;
constexpr int kImageLockWrite = 2;

} // namespace

Surface paintFace(const ButtonFace& face, int width, int height)
{
    Surface surface(width, height);
    Graphics graphics;
    if (graphics.CreateFromHDC(surface.dc())) {
        graphics.SetTextRenderingHint(3);
        paintButtonFace(graphics, face);
    }
    GdiFlush();
    return surface;
}

ByteArray surfacePng(const Surface& surface)
{
    Bitmap bitmap;
    if (!bitmap.Create(surface.width(), surface.height(), kPixelFormat32bppPArgb))
        return {};
    flat::BitmapData data {};
    flat::GpRect area { 0, 0, surface.width(), surface.height() };
    if (!bitmap.LockBits(&area, kImageLockWrite, kPixelFormat32bppPArgb, data))
        return {};
    GdiFlush();
    for (int row = 0; row < surface.height(); ++row)
        std::memcpy(static_cast<char*>(data.Scan0) + static_cast<std::ptrdiff_t>(row) * data.Stride,
            surface.bits() + static_cast<std::ptrdiff_t>(row) * surface.width(),
            static_cast<std::size_t>(surface.width()) * 4);
    bitmap.UnlockBits(data);
    return bitmap.SaveToBytes(kPngFormat);
}

bool samePixels(const Surface& a, const Surface& b)
{
    if (a.width() != b.width() || a.height() != b.height())
        return false;
    const std::size_t count = static_cast<std::size_t>(a.width()) * static_cast<std::size_t>(a.height());
    return std::equal(a.bits(), a.bits() + count, b.bits());
}

int leaningPixels(const Surface& surface, int channel, int margin)
{
    int count = 0;
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x) {
            const std::uint32_t p = surface.pixel(x, y);
            const int own = channelOf(p, channel);
            const int other = std::max(channelOf(p, (channel + 1) % 3), channelOf(p, (channel + 2) % 3));
            count += own - other > margin ? 1 : 0;
        }
    return count;
}
