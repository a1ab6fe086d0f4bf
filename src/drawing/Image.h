#pragma once

#include <string>
#include <vector>

#include "core/Bytes.h"
#include "drawing/GdiplusObject.h"
#include "drawing/MemStream.h"

// The PNG format identifier, the only format the program writes.
constexpr wchar_t kPngFormat[] = L"{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";

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

protected:
    // Derived pictures that decode through their own GDI+ call reuse the stream handling.
    MemStream& stream() { return m_stream; }

private:
    MemStream m_stream;
};

std::wstring guidText(const GUID& guid);
