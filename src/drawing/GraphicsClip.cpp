#include "drawing/Graphics.h"

#include "drawing/GraphicsPath.h"
#include "drawing/Region.h"

using namespace flat;

bool Graphics::SetClipGraphics(const Graphics& other, int combineMode)
{
    return recordStatus(GdipSetClipGraphics(native(), other.GetNativeObject(), static_cast<CombineMode>(combineMode)));
}

bool Graphics::SetClipPath(const GraphicsPath& path, int combineMode)
{
    return recordStatus(GdipSetClipPath(native(), path.GetNativeObject(), static_cast<CombineMode>(combineMode)));
}

bool Graphics::SetClipRect(float x, float y, float width, float height, int combineMode)
{
    return recordStatus(GdipSetClipRect(native(), x, y, width, height, static_cast<CombineMode>(combineMode)));
}

bool Graphics::SetClipRectI(int x, int y, int width, int height, int combineMode)
{
    return recordStatus(GdipSetClipRectI(native(), x, y, width, height, static_cast<CombineMode>(combineMode)));
}

bool Graphics::SetClipRegion(const Region& region, int combineMode)
{
    return recordStatus(GdipSetClipRegion(native(), region.GetNativeObject(), static_cast<CombineMode>(combineMode)));
}

bool Graphics::SetClipHrgn(HRGN region, int combineMode)
{
    return recordStatus(GdipSetClipHrgn(native(), region, static_cast<CombineMode>(combineMode)));
}

bool Graphics::ResetClip()
{
    return recordStatus(GdipResetClip(native()));
}

bool Graphics::TranslateClip(float dx, float dy)
{
    return recordStatus(GdipTranslateClip(native(), dx, dy));
}

bool Graphics::TranslateClipI(int dx, int dy)
{
    return recordStatus(GdipTranslateClipI(native(), dx, dy));
}

bool Graphics::GetClip(Region& region) const
{
    return recordStatus(GdipGetClip(native(), region.GetNativeObject()));
}

RectF Graphics::GetClipBounds() const
{
    RectF bounds(0, 0, 0, 0);
    recordStatus(GdipGetClipBounds(native(), &bounds));
    return bounds;
}

GpRect Graphics::GetClipBoundsI() const
{
    GpRect bounds(0, 0, 0, 0);
    recordStatus(GdipGetClipBoundsI(native(), &bounds));
    return bounds;
}

RectF Graphics::GetVisibleClipBounds() const
{
    RectF bounds(0, 0, 0, 0);
    recordStatus(GdipGetVisibleClipBounds(native(), &bounds));
    return bounds;
}

GpRect Graphics::GetVisibleClipBoundsI() const
{
    GpRect bounds(0, 0, 0, 0);
    recordStatus(GdipGetVisibleClipBoundsI(native(), &bounds));
    return bounds;
}

bool Graphics::IsClipEmpty() const
{
    BOOL empty = FALSE;
    recordStatus(GdipIsClipEmpty(native(), &empty));
    return empty != FALSE;
}

bool Graphics::IsVisibleClipEmpty() const
{
    BOOL empty = FALSE;
    recordStatus(GdipIsVisibleClipEmpty(native(), &empty));
    return empty != FALSE;
}

bool Graphics::IsVisiblePoint(float x, float y) const
{
    BOOL visible = FALSE;
    recordStatus(GdipIsVisiblePoint(native(), x, y, &visible));
    return visible != FALSE;
}

bool Graphics::IsVisiblePointI(int x, int y) const
{
    BOOL visible = FALSE;
    recordStatus(GdipIsVisiblePointI(native(), x, y, &visible));
    return visible != FALSE;
}

bool Graphics::IsVisibleRect(float x, float y, float width, float height) const
{
    BOOL visible = FALSE;
    recordStatus(GdipIsVisibleRect(native(), x, y, width, height, &visible));
    return visible != FALSE;
}

bool Graphics::IsVisibleRectI(int x, int y, int width, int height) const
{
    BOOL visible = FALSE;
    recordStatus(GdipIsVisibleRectI(native(), x, y, width, height, &visible));
    return visible != FALSE;
}

unsigned Graphics::Save()
{
    DWORD state = 0;
    recordStatus(GdipSaveGraphics(native(), &state));
    return state;
}

bool Graphics::Restore(unsigned state)
{
    return recordStatus(GdipRestoreGraphics(native(), state));
}

unsigned Graphics::BeginContainer(const RectF& destination, const RectF& source, int unit)
{
    DWORD container = 0;
    recordStatus(GdipBeginContainer(native(), &destination, &source, static_cast<Unit>(unit), &container));
    return container;
}

unsigned Graphics::BeginContainerI(const GpRect& destination, const GpRect& source, int unit)
{
    DWORD container = 0;
    recordStatus(GdipBeginContainerI(native(), &destination, &source, static_cast<Unit>(unit), &container));
    return container;
}

unsigned Graphics::BeginContainer()
{
    DWORD container = 0;
    recordStatus(GdipBeginContainer2(native(), &container));
    return container;
}

bool Graphics::EndContainer(unsigned container)
{
    return recordStatus(GdipEndContainer(native(), container));
}

bool Graphics::Comment(ByteView bytes)
{
    return recordStatus(GdipComment(native(), static_cast<UINT>(bytes.size), bytes.data));
}
