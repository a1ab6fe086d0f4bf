#pragma once

#include <vector>

#include "core/Bytes.h"
#include "drawing/GdiplusObject.h"

class Graphics;
class GraphicsPath;

// An area of the plane. Combine modes travel as GDI+'s values (0 replace, 1 intersect,
// 2 union, 3 xor, 4 exclude, 5 complement). Bounds and tests that depend on the device take
// the Graphics whose transform applies.
class Region : public GdiplusObject<flat::GpRegion, &flat::GdipDeleteRegion> {
public:
    // An infinite region.
    bool Create();
    bool CreateFromRect(const RectF& rect);
    bool CreateFromRectI(const flat::GpRect& rect);
    bool CreateFromPath(const GraphicsPath& path);
    bool CreateFromHRGN(HRGN region);
    // Bytes as GetData returns them.
    bool CreateFromData(const ByteArray& data);
    bool Delete() { return deleteNative(); }
    bool Clone(Region& target) const;

    bool SetInfinite();
    bool SetEmpty();
    bool CombineRect(const RectF& rect, int combineMode = flat::CombineModeReplace);
    bool CombineRectI(const flat::GpRect& rect, int combineMode = flat::CombineModeReplace);
    bool CombineRegion(const Region& other, int combineMode = flat::CombineModeReplace);
    bool CombinePath(const GraphicsPath& path, int combineMode = flat::CombineModeReplace);
    bool Translate(float dx, float dy);
    bool TranslateI(int dx, int dy);
    bool Transform(flat::GpMatrix* matrix);

    RectF GetBounds(const Graphics& graphics) const;
    flat::GpRect GetBoundsI(const Graphics& graphics) const;
    int GetDataSize() const;
    ByteArray GetData() const;
    // A new GDI region the caller deletes; null for an infinite region or on failure.
    HRGN GetHRGN(const Graphics& graphics) const;
    bool IsEmpty(const Graphics& graphics) const;
    bool IsInfinite(const Graphics& graphics) const;
    bool IsEqual(const Region& other, const Graphics& graphics) const;

    bool IsVisible(float x, float y, const Graphics* graphics = nullptr) const;
    bool IsVisibleI(int x, int y, const Graphics* graphics = nullptr) const;
    bool IsVisible(float x, float y, float width, float height, const Graphics* graphics = nullptr) const;
    bool IsVisibleI(int x, int y, int width, int height, const Graphics* graphics = nullptr) const;

    // The region as horizontal bands of rectangles, after `matrix` is applied.
    int GetScansCount(flat::GpMatrix* matrix) const;
    std::vector<RectF> GetScans(flat::GpMatrix* matrix) const;
    std::vector<flat::GpRect> GetScansI(flat::GpMatrix* matrix) const;
};
