#include "imaging/Pictures.h"

#include "core/Runtime.h"
#include "drawing/Bitmap.h"

ByteArray makePng(int width, int height, const std::function<std::uint32_t(int x, int y)>& argbAt)
{
    Bitmap bitmap;
    bitmap.Create(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            bitmap.SetPixel(x, y, argbAt(x, y));
    }
    return bitmap.SaveToBytes(kPngFormat);
}

ByteArray solidPng(int width, int height, std::uint32_t argb)
{
    return makePng(width, height, [argb](int, int) { return argb; });
}

std::uint32_t pngChunkCrc(const std::uint8_t* data, std::size_t size)
{
    std::uint32_t crc = 0xFFFFFFFF;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = crc >> 1 ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

Bitmap blankSurface(int width, int height)
{
    Bitmap surface;
    surface.Create(width, height);
    return surface;
}

Bitmap decode(ByteView png)
{
    Bitmap bitmap;
    bitmap.LoadFromBytes(png);
    return bitmap;
}

void saveArtifact(const std::wstring& name, ByteView png)
{
    const std::wstring folder = environmentVariable(L"KXFIX_ARTIFACTS");
    if (!folder.empty())
        writeFile(withTrailingBackslash(folder) + name, { png });
}
