#include "drawing/ImageAttributes.h"

using namespace flat;

namespace {
ColorAdjustType adjust(int type)
{
    return static_cast<ColorAdjustType>(type);
}
}

bool ImageAttributes::Create()
{
    GpImageAttributes* attributes = nullptr;
    const GpStatus status = GdipCreateImageAttributes(&attributes);
    return adopt(status, attributes);
}

bool ImageAttributes::Clone(ImageAttributes& target) const
{
    GpImageAttributes* clone = nullptr;
    const GpStatus status = GdipCloneImageAttributes(native(), &clone);
    target.Dispose();
    target.SetNativeObject(status == Ok ? clone : nullptr);
    return recordStatus(status);
}

bool ImageAttributes::SetToIdentity(int adjustType)
{
    return recordStatus(GdipSetImageAttributesToIdentity(native(), adjust(adjustType)));
}

bool ImageAttributes::Reset(int adjustType)
{
    return recordStatus(GdipResetImageAttributes(native(), adjust(adjustType)));
}

bool ImageAttributes::SetThreshold(float threshold, int adjustType)
{
    return recordStatus(GdipSetImageAttributesThreshold(native(), adjust(adjustType), TRUE, threshold));
}

bool ImageAttributes::ClearThreshold(int adjustType)
{
    return recordStatus(GdipSetImageAttributesThreshold(native(), adjust(adjustType), FALSE, 0));
}

bool ImageAttributes::SetNoOp(int adjustType)
{
    return recordStatus(GdipSetImageAttributesNoOp(native(), adjust(adjustType), TRUE));
}

bool ImageAttributes::ClearNoOp(int adjustType)
{
    return recordStatus(GdipSetImageAttributesNoOp(native(), adjust(adjustType), FALSE));
}

bool ImageAttributes::SetGamma(float gamma, int adjustType)
{
    return recordStatus(GdipSetImageAttributesGamma(native(), adjust(adjustType), TRUE, gamma));
}

bool ImageAttributes::ClearGamma(int adjustType)
{
    return recordStatus(GdipSetImageAttributesGamma(native(), adjust(adjustType), FALSE, 0));
}

bool ImageAttributes::SetColorKey(std::uint32_t low, std::uint32_t high, int adjustType)
{
    return recordStatus(GdipSetImageAttributesColorKeys(native(), adjust(adjustType), TRUE, low, high));
}

bool ImageAttributes::ClearColorKey(int adjustType)
{
    return recordStatus(GdipSetImageAttributesColorKeys(native(), adjust(adjustType), FALSE, 0, 0));
}

bool ImageAttributes::SetOutputChannel(int channel, int adjustType)
{
    return recordStatus(GdipSetImageAttributesOutputChannel(
        native(), adjust(adjustType), TRUE, static_cast<ColorChannelFlags>(channel)));
}

bool ImageAttributes::ClearOutputChannel(int adjustType)
{
    return recordStatus(
        GdipSetImageAttributesOutputChannel(native(), adjust(adjustType), FALSE, static_cast<ColorChannelFlags>(0)));
}

bool ImageAttributes::SetOutputChannelColorProfile(const std::wstring& profileName, int adjustType)
{
    return recordStatus(
        GdipSetImageAttributesOutputChannelColorProfile(native(), adjust(adjustType), TRUE, profileName.c_str()));
}

bool ImageAttributes::ClearOutputChannelColorProfile(int adjustType)
{
    return recordStatus(GdipSetImageAttributesOutputChannelColorProfile(native(), adjust(adjustType), FALSE, nullptr));
}

bool ImageAttributes::SetRemapTable(const std::vector<ColourRemap>& map, int adjustType)
{
    std::vector<ColorMap> table(map.size());
    for (std::size_t i = 0; i < map.size(); ++i) {
        table[i].oldColor.SetValue(map[i].from);
        table[i].newColor.SetValue(map[i].to);
    }
    return recordStatus(GdipSetImageAttributesRemapTable(
        native(), adjust(adjustType), TRUE, static_cast<UINT>(table.size()), table.data()));
}

bool ImageAttributes::ClearRemapTable(int adjustType)
{
    return recordStatus(GdipSetImageAttributesRemapTable(native(), adjust(adjustType), FALSE, 0, nullptr));
}

bool ImageAttributes::SetColorMatrix(
    const ColorMatrix& matrix, const ColorMatrix* grayMatrix, int flags, int adjustType)
{
    return recordStatus(GdipSetImageAttributesColorMatrix(
        native(), adjust(adjustType), TRUE, &matrix, grayMatrix, static_cast<ColorMatrixFlags>(flags)));
}

bool ImageAttributes::ClearColorMatrix(int adjustType)
{
    return recordStatus(GdipSetImageAttributesColorMatrix(
        native(), adjust(adjustType), FALSE, nullptr, nullptr, ColorMatrixFlagsDefault));
}

bool ImageAttributes::SetWrapMode(int wrapMode, std::uint32_t argb, bool clamp)
{
    return recordStatus(
        GdipSetImageAttributesWrapMode(native(), static_cast<WrapMode>(wrapMode), argb, clamp ? TRUE : FALSE));
}

ImagePalette ImageAttributes::GetAdjustedPalette(const ImagePalette& palette, int adjustType) const
{
    std::vector<std::uint32_t> words = paletteWords(palette);
    if (!recordStatus(GdipGetImageAttributesAdjustedPalette(
            native(), reinterpret_cast<ColorPalette*>(words.data()), adjust(adjustType))))
        return {};
    return paletteFromWords(words);
}
