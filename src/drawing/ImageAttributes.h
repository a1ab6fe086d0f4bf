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

    bool SetToIdentity(int adjustType = 0);
    bool Reset(int adjustType = 0);

    bool SetThreshold(float threshold, int adjustType = 0);
    bool ClearThreshold(int adjustType = 0);
    bool SetNoOp(int adjustType = 0);
    bool ClearNoOp(int adjustType = 0);
    bool SetGamma(float gamma, int adjustType = 0);
    bool ClearGamma(int adjustType = 0);
    // Pixels whose channels all lie between those of `low` and `high` become transparent.
    bool SetColorKey(std::uint32_t low, std::uint32_t high, int adjustType = 0);
    bool ClearColorKey(int adjustType = 0);
    bool SetOutputChannel(int channel, int adjustType = 0);
    bool ClearOutputChannel(int adjustType = 0);
    bool SetOutputChannelColorProfile(const std::wstring& profileName, int adjustType = 0);
    bool ClearOutputChannelColorProfile(int adjustType = 0);
    bool SetRemapTable(const std::vector<ColourRemap>& map, int adjustType = 0);
    bool ClearRemapTable(int adjustType = 0);
    bool SetColorMatrix(const flat::ColorMatrix& matrix, const flat::ColorMatrix* grayMatrix = nullptr,
        int flags = 0, int adjustType = 0);
    bool ClearColorMatrix(int adjustType = 0);

    // How a texture brush made with these attributes fills beyond the picture's edge.
    bool SetWrapMode(int wrapMode, std::uint32_t argb = 0, bool clamp = false);
    // `palette` as these attributes would draw it.
    ImagePalette GetAdjustedPalette(const ImagePalette& palette, int adjustType) const;
};
