#pragma once

#include <string>
#include <vector>

#include "core/Bytes.h"
#include "drawing/GdiplusObject.h"
#include "drawing/ImagePalette.h"
#include "drawing/MemStream.h"

// The PNG format identifier, the only format the program writes.
constexpr wchar_t kPngFormat[] = L"{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";

// Frame dimensions: frames in time (an animated GIF) and pages (a multi-page TIFF).
constexpr wchar_t kFrameDimensionTime[] = L"{6AEDBD6D-3FB5-418A-83A6-7F45229DC872}";
constexpr wchar_t kFrameDimensionPage[] = L"{7462DC86-6180-4C7E-8E3F-EE7333A7A483}";

// The property holding an animation's frame delays, one int32 per frame in 1/100 s.
constexpr int kPropertyTagFrameDelay = 0x5100;

struct ImageEncoderInfo {
    std::wstring clsid;
    std::wstring formatId;
    std::wstring codecName;
    std::wstring dllName;
    std::wstring formatDescription;
    std::wstring filenameExtension;
    std::wstring mimeType;
    int flags = 0;
    int version = 0;
    int sigCount = 0;
    int sigSize = 0;
    ByteArray sigPattern;
    ByteArray sigMask;
};

// One parameter an encoder accepts, with its values as GDI+ lays them out.
struct EncoderParameterInfo {
    std::wstring guid;
    int type = 0;
    int numberOfValues = 0;
    ByteArray values;
};

struct ImagePropertyItem {
    int id = 0;
    int type = 0;
    ByteArray value;
};

// A decoded picture. One loaded from bytes keeps its own copy of them in a stream, because
// GDI+ may read from that stream for as long as the picture lives.
class Image : public GdiplusObject<flat::GpImage, &flat::GdipDisposeImage> {
public:
    Image() noexcept = default;
    Image(Image&&) noexcept = default;
    Image& operator=(Image&&) noexcept = default;
    ~Image() { Dispose(); }

    // Disposes the picture, then releases its stream. False when nothing was held.
    bool Dispose();

    // Replaces whatever was held. Undecodable bytes leave the wrapper empty.
    bool LoadFromBytes(ByteView bytes, bool useColourManagement = false);
    bool LoadFromFile(const std::wstring& path, bool useColourManagement = false);

    int GetWidth() const;
    int GetHeight() const;
    // The format identifier as registry GUID text, braces included; "" when unknown.
    std::wstring GetRawFormat() const;

    // Encodes into new bytes, in the picture's own format unless one is given. Empty when no
    // encoder handles the format or encoding fails.
    ByteArray SaveToBytes(const wchar_t* format = nullptr, const flat::EncoderParameters* parameters = nullptr) const;

    static std::vector<ImageEncoderInfo> GetImageEncoders();
    // The clsid text of the first encoder whose format identifier matches exactly, or "".
    static std::wstring GetEncoderClsid(const std::wstring& format);

    // The copy belongs to `target` alone. Wine copies the pixels; Windows may still read this
    // picture's stream for the copy, so keep a picture loaded from bytes while its copy is used.
    bool Clone(Image& target) const;
    // Formats as for SaveToBytes. A multi-frame save goes on with SaveAdd / SaveAddImage.
    bool SaveToFile(const std::wstring& path, const wchar_t* format = nullptr,
        const flat::EncoderParameters* parameters = nullptr) const;
    bool SaveAdd(const flat::EncoderParameters* parameters);
    bool SaveAddImage(const Image& frame, const flat::EncoderParameters* parameters);
    // What the encoder of `format` accepts when saving this picture.
    std::vector<EncoderParameterInfo> GetEncoderParameterList(const wchar_t* format) const;

    // The unit GDI+ measured the bounds in goes to `unit` when one is given.
    RectF GetBounds(int* unit = nullptr) const;
    SizeF GetDimension() const;
    int GetType() const;
    float GetHorizontalResolution() const;
    float GetVerticalResolution() const;
    int GetFlags() const;
    int GetPixelFormat() const;
    bool GetThumbnail(int width, int height, Image& target) const;

    // Dimensions are GUID texts such as kFrameDimensionTime; frame indexes count from 0,
    // as GDI+ does.
    int GetFrameCount(const wchar_t* dimension) const;
    std::vector<std::wstring> GetFrameDimensionsList() const;
    bool SelectActiveFrame(const wchar_t* dimension, int frameIndex);
    // Empty for a picture without frame delays.
    std::vector<int> GetFrameDelays() const;

    // An item with an empty value when the picture has no such property.
    ImagePropertyItem GetPropertyItem(int id) const;
    bool SetPropertyItem(const ImagePropertyItem& item);
    bool RemovePropertyItem(int id);
    int GetPropertyCount() const;
    std::vector<int> GetPropertyIdList() const;

    bool RotateFlip(int rotateFlipType);
    ImagePalette GetPalette() const;
    bool SetPalette(const ImagePalette& palette);

protected:
    // Derived pictures that decode through their own GDI+ call reuse the stream handling.
    MemStream& stream() { return m_stream; }

private:
    MemStream m_stream;
};
