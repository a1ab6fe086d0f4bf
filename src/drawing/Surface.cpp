#include "drawing/Surface.h"

#include <cstring>
#include <utility>

#include "drawing/Graphics.h"
#include "drawing/Image.h"

Surface::Surface(int width, int height)
{
    if (width <= 0 || height <= 0)
        return;
    void* bits = nullptr;
    GdiBitmap bitmap = createDibSection(width, height, &bits);
    MemoryDc dc = createMemoryDc();
    if (!bitmap || !dc)
        return;
    m_previous = SelectObject(dc.get(), bitmap.get());
    m_dc = std::move(dc);
    m_bitmap = std::move(bitmap);
    m_bits = static_cast<std::uint32_t*>(bits);
    m_width = width;
    m_height = height;
    clear();
}

Surface::Surface(Surface&& other) noexcept
    : m_dc(std::move(other.m_dc)),
      m_bitmap(std::move(other.m_bitmap)),
      m_previous(std::exchange(other.m_previous, nullptr)),
      m_bits(std::exchange(other.m_bits, nullptr)),
      m_width(std::exchange(other.m_width, 0)),
      m_height(std::exchange(other.m_height, 0))
{
}

Surface& Surface::operator=(Surface&& other) noexcept
{
    if (this != &other) {
        release();
        m_dc = std::move(other.m_dc);
        m_bitmap = std::move(other.m_bitmap);
        m_previous = std::exchange(other.m_previous, nullptr);
        m_bits = std::exchange(other.m_bits, nullptr);
        m_width = std::exchange(other.m_width, 0);
        m_height = std::exchange(other.m_height, 0);
    }
    return *this;
}

Surface::~Surface()
{
    release();
}

void Surface::release() noexcept
{
    if (m_dc && m_previous)
        SelectObject(m_dc.get(), m_previous);
    m_dc.reset();
    m_bitmap.reset();
    m_previous = nullptr;
    m_bits = nullptr;
    m_width = 0;
    m_height = 0;
}

Surface Surface::fromImage(ByteView encoded)
{
    Image image;
    if (!image.LoadFromBytes(encoded))
        return {};
    Surface surface(static_cast<int>(image.GetWidth()), static_cast<int>(image.GetHeight()));
    if (!surface)
        return {};
    Graphics graphics;
    if (graphics.CreateFromHDC(surface.dc()))
        graphics.DrawImage(image, 0.0f, 0.0f, static_cast<float>(surface.width()),
            static_cast<float>(surface.height()));
    return surface;
}

std::uint32_t Surface::pixel(int x, int y) const
{
    if (!m_bits || x < 0 || y < 0 || x >= m_width || y >= m_height)
        return 0;
    GdiFlush();
    return m_bits[static_cast<std::size_t>(y) * m_width + x];
}

void Surface::setPixel(int x, int y, std::uint32_t premultipliedArgb)
{
    if (!m_bits || x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    GdiFlush();
    m_bits[static_cast<std::size_t>(y) * m_width + x] = premultipliedArgb;
}

void Surface::clear()
{
    if (!m_bits)
        return;
    GdiFlush();
    std::memset(m_bits, 0, static_cast<std::size_t>(m_width) * m_height * 4);
}

bool Surface::hasSamePixels(const Surface& other) const
{
    if (m_width != other.m_width || m_height != other.m_height || !m_bits != !other.m_bits)
        return false;
    if (!m_bits)
        return true;
    GdiFlush();
    return std::memcmp(m_bits, other.m_bits, static_cast<std::size_t>(m_width) * m_height * 4) == 0;
}
