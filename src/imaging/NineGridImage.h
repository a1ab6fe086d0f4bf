#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <vector>

#include "core/Bytes.h"
#include "imaging/NineGridGeometry.h"

// windows.h maps DrawState to DrawStateW, which would rename our member wherever it is seen.
#undef DrawState

class Graphics;

struct ImageSize {
    int width = 0;
    int height = 0;
};

// The four states of a skin, numbered as DrawState takes them.
enum SkinState : int { kSkinNormal = 1, kSkinHot = 2, kSkinPressed = 3, kSkinDisabled = 4 };

// One visual state of a skin: the encoded picture, decoded again at every draw, and where
// its nine slices lie. A picture without markers is plain: drawn whole at natural size.
struct StateRecord {
    std::vector<SliceRect> slices = std::vector<SliceRect>(9);
    ByteArray imageBytes;
    bool isPlain = false;
};

// The skin of a framed surface in up to four states (normal, hot, pressed, disabled),
// drawn into any rectangle with its corners kept and its edges and centre tiled.
class NineGridImage {
public:
    // An omitted state copies state 1; a supplied one is sliced even when it cannot be
    // decoded. False, leaving the object empty, when image1 is empty or has no size.
    bool LoadStates(ByteView image1, std::optional<ByteView> image2 = std::nullopt,
        std::optional<ByteView> image3 = std::nullopt, std::optional<ByteView> image4 = std::nullopt,
        int cornerRadius = 10, int shadowWidth = 3);

    // State 1..4; an empty size for any other number.
    ImageSize GetStateSize(int state) const;
    bool IsLoaded() const { return m_isLoaded; }
    // Skin metrics for the users of the skin; the image itself never reads them.
    int GetShadowWidth() const { return m_shadowWidth; }
    int GetCornerRadius() const { return m_cornerRadius; }

    void SetBounds(int x, int y, int width, int height);
    // Draws state 1..4 into the bounds; other numbers draw nothing. Leaves the target's
    // smoothing switched off.
    void DrawState(Graphics& target, int state) const;
    void DrawState(Graphics& target, const StateRecord& record) const;

    // Finds the markers and fills the record; returns height × 65536 + width.
    static int SliceImage(ByteView image, StateRecord& record);

    const StateRecord& GetStateRecord(int state) const { return m_states[state - 1]; }
    void Clear();

private:
    void reset();

    bool m_isLoaded = false;
    int m_cornerRadius = 0;
    int m_shadowWidth = 0;
    std::array<StateRecord, 4> m_states;
    int m_x = 0;
    int m_y = 0;
    int m_width = 0;
    int m_height = 0;
    std::array<ImageSize, 4> m_sizes {};
};
