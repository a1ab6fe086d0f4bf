#include "drawing/Image.h"

#include <objbase.h>

using namespace flat;

std::wstring guidText(const GUID& guid)
{
    wchar_t text[40] = {};
    if (StringFromGUID2(guid, text, 40) == 0)
        return {};
    return text;
}

bool Image::Dispose()
{
    const bool disposed = deleteNative();
    m_stream.Release();
    return disposed;
}

bool Image::LoadFromBytes(ByteView bytes, bool useColourManagement)
{
    Dispose();
    IStream* source = m_stream.Create(bytes);
    GpImage* image = nullptr;
    const GpStatus status = useColourManagement ? GdipLoadImageFromStreamICM(source, &image)
                                                : GdipLoadImageFromStream(source, &image);
    const bool loaded = adopt(status, image);
    if (!loaded)
        m_stream.Release();
    return loaded;
}

bool Image::LoadFromFile(const std::wstring& path, bool useColourManagement)
{
    Dispose();
    GpImage* image = nullptr;
    const GpStatus status = useColourManagement ? GdipLoadImageFromFileICM(path.c_str(), &image)
                                                : GdipLoadImageFromFile(path.c_str(), &image);
    return adopt(status, image);
}

int Image::GetWidth() const
{
    UINT width = 0;
    recordStatus(GdipGetImageWidth(native(), &width));
    return static_cast<int>(width);
}

int Image::GetHeight() const
{
    UINT height = 0;
    recordStatus(GdipGetImageHeight(native(), &height));
    return static_cast<int>(height);
}

std::wstring Image::GetRawFormat() const
{
    GUID format{};
    if (!recordStatus(GdipGetImageRawFormat(native(), &format)))
        return {};
    return guidText(format);
}

ByteArray Image::SaveToBytes(const wchar_t* format, const EncoderParameters* parameters) const
{
    const std::wstring clsidText = GetEncoderClsid(format ? std::wstring(format) : GetRawFormat());
    CLSID encoder{};
    if (clsidText.empty() || CLSIDFromString(const_cast<wchar_t*>(clsidText.c_str()), &encoder) != NOERROR)
        return {};
    MemStream target;
    IStream* stream = target.Create(ByteView());
    if (!stream)
        return {};
    recordStatus(GdipSaveImageToStream(native(), stream, &encoder, parameters));
    return target.ToBytes();
}

std::vector<ImageEncoderInfo> Image::GetImageEncoders()
{
    UINT count = 0;
    UINT size = 0;
    if (!recordStatus(GdipGetImageEncodersSize(&count, &size)) || count == 0)
        return {};
    // Codec records point into the same buffer for their strings and signatures.
    std::vector<std::uint8_t> buffer(size);
    auto* codecs = reinterpret_cast<ImageCodecInfo*>(buffer.data());
    if (!recordStatus(GdipGetImageEncoders(count, size, codecs)))
        return {};
    auto text = [](const WCHAR* value) { return value ? std::wstring(value) : std::wstring(); };
    std::vector<ImageEncoderInfo> encoders;
    for (UINT i = 0; i < count; ++i) {
        const ImageCodecInfo& codec = codecs[i];
        ImageEncoderInfo info;
        info.clsid = guidText(codec.Clsid);
        info.formatId = guidText(codec.FormatID);
        info.codecName = text(codec.CodecName);
        info.dllName = text(codec.DllName);
        info.formatDescription = text(codec.FormatDescription);
        info.filenameExtension = text(codec.FilenameExtension);
        info.mimeType = text(codec.MimeType);
        info.flags = static_cast<int>(codec.Flags);
        info.version = static_cast<int>(codec.Version);
        info.sigCount = static_cast<int>(codec.SigCount);
        info.sigSize = static_cast<int>(codec.SigSize);
        if (codec.SigPattern)
            info.sigPattern.assign(codec.SigPattern, codec.SigPattern + codec.SigSize);
        if (codec.SigMask)
            info.sigMask.assign(codec.SigMask, codec.SigMask + codec.SigSize);
        encoders.push_back(std::move(info));
    }
    return encoders;
}

std::wstring Image::GetEncoderClsid(const std::wstring& format)
{
    for (const ImageEncoderInfo& encoder : GetImageEncoders()) {
        if (encoder.formatId == format)
            return encoder.clsid;
    }
    return {};
}
