#include "drawing/Bitmap.h"

using namespace flat;

bool Bitmap::LoadFromBytes(ByteView bytes, bool useColourManagement)
{
    Dispose();
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
