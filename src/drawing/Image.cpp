#include "drawing/Image.h"

#include "drawing/GuidText.h"
#include "drawing/PngChunks.h"

using namespace flat;

namespace {
// The encoder for a format given as GUID text; false when no encoder handles it.
bool findEncoder(const std::wstring& format, CLSID& encoder)
{
    const std::wstring clsidText = Image::GetEncoderClsid(format);
    return guidFromText(clsidText.c_str(), encoder);
}

// Bytes per value of each encoder parameter value type (1..9; 9 is a pointer).
std::size_t encoderValueSize(ULONG type)
{
    constexpr std::size_t kSizes[] = { 0, 1, 1, 2, 4, 8, 8, 1, 16, sizeof(void*) };
    return type < sizeof(kSizes) / sizeof(kSizes[0]) ? kSizes[type] : 0;
}
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
    if (pngChunksRunPastEnd(bytes))
        return recordStatus(flat::GenericError);
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
    CLSID encoder{};
    if (!findEncoder(format ? std::wstring(format) : GetRawFormat(), encoder))
        return {};
    MemStream target;
    IStream* stream = target.Create(ByteView());
    if (!stream)
        return {};
    // A failed encode may have written part of a file; half a picture is worse than none.
    if (!recordStatus(GdipSaveImageToStream(native(), stream, &encoder, parameters)))
        return {};
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

bool Image::Clone(Image& target) const
{
    GpImage* clone = nullptr;
    const GpStatus status = GdipCloneImage(native(), &clone);
    target.Dispose();
    target.SetNativeObject(status == Ok ? clone : nullptr);
    return recordStatus(status);
}

bool Image::SaveToFile(const std::wstring& path, const wchar_t* format, const EncoderParameters* parameters) const
{
    CLSID encoder{};
    if (!findEncoder(format ? std::wstring(format) : GetRawFormat(), encoder))
        return false;
    return recordStatus(GdipSaveImageToFile(native(), path.c_str(), &encoder, parameters));
}

bool Image::SaveAdd(const EncoderParameters* parameters)
{
    return recordStatus(GdipSaveAdd(native(), parameters));
}

bool Image::SaveAddImage(const Image& frame, const EncoderParameters* parameters)
{
    return recordStatus(GdipSaveAddImage(native(), frame.native(), parameters));
}

std::vector<EncoderParameterInfo> Image::GetEncoderParameterList(const wchar_t* format) const
{
    CLSID encoder{};
    if (!format || !findEncoder(format, encoder))
        return {};
    UINT size = 0;
    if (!recordStatus(GdipGetEncoderParameterListSize(native(), &encoder, &size)) || size < sizeof(EncoderParameters))
        return {};
    // The parameters' values point into the same block, after the records.
    std::vector<std::uint64_t> block((size + 7) / 8);
    auto* list = reinterpret_cast<EncoderParameters*>(block.data());
    if (!recordStatus(GdipGetEncoderParameterList(native(), &encoder, size, list)))
        return {};
    std::vector<EncoderParameterInfo> parameters;
    for (UINT i = 0; i < list->Count; ++i) {
        const EncoderParameter& parameter = list->Parameter[i];
        EncoderParameterInfo info;
        info.guid = guidText(parameter.Guid);
        info.type = static_cast<int>(parameter.Type);
        info.numberOfValues = static_cast<int>(parameter.NumberOfValues);
        const auto* values = static_cast<const std::uint8_t*>(parameter.Value);
        if (values)
            info.values.assign(values, values + parameter.NumberOfValues * encoderValueSize(parameter.Type));
        parameters.push_back(std::move(info));
    }
    return parameters;
}

RectF Image::GetBounds(int* unit) const
{
    GpRectF bounds(0, 0, 0, 0);
    GpUnit boundsUnit = UnitWorld;
    recordStatus(GdipGetImageBounds(native(), &bounds, &boundsUnit));
    if (unit)
        *unit = boundsUnit;
    return bounds;
}

SizeF Image::GetDimension() const
{
    REAL width = 0;
    REAL height = 0;
    recordStatus(GdipGetImageDimension(native(), &width, &height));
    return SizeF(width, height);
}

int Image::GetType() const
{
    ImageType type = static_cast<ImageType>(0);
    recordStatus(GdipGetImageType(native(), &type));
    return type;
}

float Image::GetHorizontalResolution() const
{
    REAL resolution = 0;
    recordStatus(GdipGetImageHorizontalResolution(native(), &resolution));
    return resolution;
}

float Image::GetVerticalResolution() const
{
    REAL resolution = 0;
    recordStatus(GdipGetImageVerticalResolution(native(), &resolution));
    return resolution;
}

int Image::GetFlags() const
{
    UINT flags = 0;
    recordStatus(GdipGetImageFlags(native(), &flags));
    return static_cast<int>(flags);
}

int Image::GetPixelFormat() const
{
    PixelFormat format = 0;
    recordStatus(GdipGetImagePixelFormat(native(), &format));
    return format;
}

bool Image::GetThumbnail(int width, int height, Image& target) const
{
    GpImage* thumbnail = nullptr;
    const GpStatus status = GdipGetImageThumbnail(native(), width, height, &thumbnail, nullptr, nullptr);
    target.Dispose();
    target.SetNativeObject(status == Ok ? thumbnail : nullptr);
    return recordStatus(status);
}

bool Image::RotateFlip(int rotateFlipType)
{
    return recordStatus(GdipImageRotateFlip(native(), static_cast<RotateFlipType>(rotateFlipType)));
}
