#include "drawing/Image.h"

#include <cstring>

#include "drawing/GuidText.h"

using namespace flat;

int Image::GetFrameCount(const wchar_t* dimension) const
{
    UINT count = 0;
    GUID dimensionId{};
    if (!guidFromText(dimension, dimensionId)) {
        recordStatus(InvalidParameter);
        return 0;
    }
    recordStatus(GdipImageGetFrameCount(native(), &dimensionId, &count));
    return static_cast<int>(count);
}

std::vector<std::wstring> Image::GetFrameDimensionsList() const
{
    UINT count = 0;
    if (!recordStatus(GdipImageGetFrameDimensionsCount(native(), &count)) || count == 0)
        return {};
    std::vector<GUID> dimensions(count);
    if (!recordStatus(GdipImageGetFrameDimensionsList(native(), dimensions.data(), count)))
        return {};
    std::vector<std::wstring> texts;
    for (const GUID& dimension : dimensions)
        texts.push_back(guidText(dimension));
    return texts;
}

bool Image::SelectActiveFrame(const wchar_t* dimension, int frameIndex)
{
    GUID dimensionId{};
    if (!guidFromText(dimension, dimensionId))
        return recordStatus(InvalidParameter);
    return recordStatus(GdipImageSelectActiveFrame(native(), &dimensionId, static_cast<UINT>(frameIndex)));
}

std::vector<int> Image::GetFrameDelays() const
{
    const ImagePropertyItem item = GetPropertyItem(kPropertyTagFrameDelay);
    std::vector<int> delays(item.value.size() / sizeof(std::int32_t));
    if (!delays.empty())
        std::memcpy(delays.data(), item.value.data(), delays.size() * sizeof(std::int32_t));
    return delays;
}

ImagePropertyItem Image::GetPropertyItem(int id) const
{
    ImagePropertyItem result;
    UINT size = 0;
    if (!recordStatus(GdipGetPropertyItemSize(native(), static_cast<PROPID>(id), &size)) || size < sizeof(PropertyItem))
        return result;
    // The item's value follows its record in the same block.
    std::vector<std::uint64_t> block((size + 7) / 8);
    auto* item = reinterpret_cast<PropertyItem*>(block.data());
    if (!recordStatus(GdipGetPropertyItem(native(), static_cast<PROPID>(id), size, item)))
        return result;
    result.id = static_cast<int>(item->id);
    result.type = item->type;
    const auto* value = static_cast<const std::uint8_t*>(item->value);
    if (value)
        result.value.assign(value, value + item->length);
    return result;
}

bool Image::SetPropertyItem(const ImagePropertyItem& item)
{
    ByteArray value = item.value;
    PropertyItem native{};
    native.id = static_cast<PROPID>(item.id);
    native.length = static_cast<ULONG>(value.size());
    native.type = static_cast<WORD>(item.type);
    native.value = value.empty() ? nullptr : value.data();
    return recordStatus(GdipSetPropertyItem(this->native(), &native));
}

bool Image::RemovePropertyItem(int id)
{
    return recordStatus(GdipRemovePropertyItem(native(), static_cast<PROPID>(id)));
}

int Image::GetPropertyCount() const
{
    UINT count = 0;
    recordStatus(GdipGetPropertyCount(native(), &count));
    return static_cast<int>(count);
}

std::vector<int> Image::GetPropertyIdList() const
{
    UINT count = 0;
    if (!recordStatus(GdipGetPropertyCount(native(), &count)) || count == 0)
        return {};
    std::vector<PROPID> ids(count);
    if (!recordStatus(GdipGetPropertyIdList(native(), count, ids.data())))
        return {};
    return std::vector<int>(ids.begin(), ids.end());
}

ImagePalette Image::GetPalette() const
{
    INT size = 0;
    if (!recordStatus(GdipGetImagePaletteSize(native(), &size)) || size < static_cast<INT>(2 * sizeof(std::uint32_t)))
        return {};
    std::vector<std::uint32_t> words((static_cast<std::size_t>(size) + 3) / 4);
    if (!recordStatus(GdipGetImagePalette(native(), reinterpret_cast<ColorPalette*>(words.data()), size)))
        return {};
    return paletteFromWords(words);
}

bool Image::SetPalette(const ImagePalette& palette)
{
    const std::vector<std::uint32_t> words = paletteWords(palette);
    return recordStatus(GdipSetImagePalette(native(), reinterpret_cast<const ColorPalette*>(words.data())));
}
