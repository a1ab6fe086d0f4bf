#include "drawing/Bitmap.h"

#include "drawing/Graphics.h"
#include "drawing/PngChunks.h"

using namespace flat;

bool Bitmap::LoadFromBytes(ByteView bytes, bool useColourManagement)
{
    Dispose();
    if (pngChunksRunPastEnd(bytes))
        return recordStatus(flat::GenericError);
    IStream* source = stream().Create(bytes);
    GpBitmap* loaded = nullptr;
    const GpStatus status = useColourManagement ? GdipCreateBitmapFromStreamICM(source, &loaded)
                                                : GdipCreateBitmapFromStream(source, &loaded);
    const bool ok = adopt(status, loaded);
    if (!ok)
        stream().Release();
    return ok;
}

bool Bitmap::LoadFromFile(const std::wstring& path, bool useColourManagement)
{
    Dispose();
    GpBitmap* loaded = nullptr;
    const GpStatus status = useColourManagement ? GdipCreateBitmapFromFileICM(path.c_str(), &loaded)
                                                : GdipCreateBitmapFromFile(path.c_str(), &loaded);
    return adopt(status, loaded);
}

bool Bitmap::Create(int width, int height, int pixelFormat)
{
    Dispose();
    GpBitmap* created = nullptr;
    const GpStatus status = GdipCreateBitmapFromScan0(width, height, 0, pixelFormat, nullptr, &created);
    return adopt(status, created);
}

bool Bitmap::CreateFromScan0(int width, int height, int stride, int pixelFormat, std::uint8_t* pixels)
{
    Dispose();
    GpBitmap* created = nullptr;
    const GpStatus status = GdipCreateBitmapFromScan0(width, height, stride, pixelFormat, pixels, &created);
    return adopt(status, created);
}

bool Bitmap::CreateFromGraphics(int width, int height, const Graphics& graphics)
{
    Dispose();
    GpBitmap* created = nullptr;
    const GpStatus status = GdipCreateBitmapFromGraphics(width, height, graphics.GetNativeObject(), &created);
    return adopt(status, created);
}

bool Bitmap::CreateFromGdiDib(const BITMAPINFO* info, void* bits)
{
    Dispose();
    GpBitmap* created = nullptr;
    const GpStatus status = GdipCreateBitmapFromGdiDib(info, bits, &created);
    return adopt(status, created);
}

bool Bitmap::CreateFromHICON(HICON icon)
{
    Dispose();
    GpBitmap* created = nullptr;
    const GpStatus status = GdipCreateBitmapFromHICON(icon, &created);
    return adopt(status, created);
}

bool Bitmap::CreateFromResource(HINSTANCE module, const wchar_t* name)
{
    Dispose();
    GpBitmap* created = nullptr;
    const GpStatus status = GdipCreateBitmapFromResource(module, name, &created);
    return adopt(status, created);
}

bool Bitmap::CreateFromHBITMAP(HBITMAP source, HPALETTE palette)
{
    Dispose();
    GpBitmap* created = nullptr;
    const GpStatus status = GdipCreateBitmapFromHBITMAP(source, palette, &created);
    return adopt(status, created);
}

HBITMAP Bitmap::GetHBITMAP(std::uint32_t backgroundArgb) const
{
    HBITMAP result = nullptr;
    recordStatus(GdipCreateHBITMAPFromBitmap(bitmap(), &result, backgroundArgb));
    return result;
}

HICON Bitmap::GetHICON() const
{
    HICON result = nullptr;
    recordStatus(GdipCreateHICONFromBitmap(bitmap(), &result));
    return result;
}

bool Bitmap::CloneArea(const RectF& area, int pixelFormat, Bitmap& target) const
{
    GpBitmap* clone = nullptr;
    const GpStatus status
        = GdipCloneBitmapArea(area.X, area.Y, area.Width, area.Height, pixelFormat, bitmap(), &clone);
    target.Dispose();
    target.SetNativeObject(status == Ok ? clone : nullptr);
    return recordStatus(status);
}

bool Bitmap::CloneAreaI(const GpRect& area, int pixelFormat, Bitmap& target) const
{
    GpBitmap* clone = nullptr;
    const GpStatus status
        = GdipCloneBitmapAreaI(area.X, area.Y, area.Width, area.Height, pixelFormat, bitmap(), &clone);
    target.Dispose();
    target.SetNativeObject(status == Ok ? clone : nullptr);
    return recordStatus(status);
}

bool Bitmap::LockBits(const GpRect* area, int lockMode, int pixelFormat, BitmapData& data)
{
    return recordStatus(GdipBitmapLockBits(bitmap(), area, static_cast<UINT>(lockMode), pixelFormat, &data));
}

bool Bitmap::UnlockBits(BitmapData& data)
{
    return recordStatus(GdipBitmapUnlockBits(bitmap(), &data));
}

std::uint32_t Bitmap::GetPixel(int x, int y) const
{
    ARGB colour = 0;
    recordStatus(GdipBitmapGetPixel(bitmap(), x, y, &colour));
    return colour;
}

bool Bitmap::SetPixel(int x, int y, std::uint32_t argb)
{
    return recordStatus(GdipBitmapSetPixel(bitmap(), x, y, argb));
}

bool Bitmap::SetResolution(float dpiX, float dpiY)
{
    return recordStatus(GdipBitmapSetResolution(bitmap(), dpiX, dpiY));
}
