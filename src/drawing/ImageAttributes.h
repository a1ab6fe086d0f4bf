#pragma once

#include <string>
#include <vector>

#include "drawing/GdiplusObject.h"
#include "drawing/ImagePalette.h"

// One entry of a colour remap table: pixels of colour `from` are drawn as `to`.
struct ColourRemap {
    std::uint32_t from = 0;
    std::uint32_t to = 0;
};

// Colour adjustments applied while drawing. An empty one means "draw without attributes".
// Each Set has a Clear that switches the adjustment off again for the same adjust type
// (0 default, 1 bitmap, 2 brush, 3 pen, 4 text).
class ImageAttributes : public GdiplusObject<flat::GpImageAttributes, &flat::GdipDisposeImageAttributes> {
public:
    bool Create();
    bool Dispose() { return deleteNative(); }
    bool Clone(ImageAttributes& target) const;

    bool SetToIdentity(int adjustType = flat::ColorAdjustTypeDefault);
    bool Reset(int adjustType = flat::ColorAdjustTypeDefault);

    bool SetThreshold(float threshold, int adjustType = flat::ColorAdjustTypeDefault);
    bool ClearThreshold(int adjustType = flat::ColorAdjustTypeDefault);
    bool SetNoOp(int adjustType = flat::ColorAdjustTypeDefault);
    bool ClearNoOp(int adjustType = flat::ColorAdjustTypeDefault);
    bool SetGamma(float gamma, int adjustType = flat::ColorAdjustTypeDefault);
    bool ClearGamma(int adjustType = flat::ColorAdjustTypeDefault);
    // Pixels whose channels all lie between those of `low` and `high` become transparent.
    bool SetColorKey(std::uint32_t low, std::uint32_t high, int adjustType = flat::ColorAdjustTypeDefault);
    bool ClearColorKey(int adjustType = flat::ColorAdjustTypeDefault);
    bool SetOutputChannel(int channel, int adjustType = flat::ColorAdjustTypeDefault);
    bool ClearOutputChannel(int adjustType = flat::ColorAdjustTypeDefault);
    bool SetOutputChannelColorProfile(const std::wstring& profileName, int adjustType = flat::ColorAdjustTypeDefault);
    bool ClearOutputChannelColorProfile(int adjustType = flat::ColorAdjustTypeDefault);
    bool SetRemapTable(const std::vector<ColourRemap>& map, int adjustType = flat::ColorAdjustTypeDefault);
    bool ClearRemapTable(int adjustType = flat::ColorAdjustTypeDefault);
    bool SetColorMatrix(const flat::ColorMatrix& matrix, const flat::ColorMatrix* grayMatrix = nullptr,
        int flags = 0, int adjustType = flat::ColorAdjustTypeDefault);
    bool ClearColorMatrix(int adjustType = flat::ColorAdjustTypeDefault);

    // How a texture brush made with these attributes fills beyond the picture's edge.
    bool SetWrapMode(int wrapMode, std::uint32_t argb = 0, bool clamp = false);
    // `palette` as these attributes would draw it.
    ImagePalette GetAdjustedPalette(const ImagePalette& palette, int adjustType) const;
};
