#include "controls/PicturePainter.h"

#include <algorithm>

#include "drawing/Colour.h"
#include "drawing/Graphics.h"
#include "drawing/GraphicsPath.h"
#include "drawing/Image.h"
#include "drawing/ImageAttributes.h"
#include "drawing/LayeredDrawing.h"
#include "drawing/SolidBrush.h"
#include "drawing/TextureBrush.h"
#include "imaging/NineGridImage.h"

namespace {


} // namespace

void clipToSkinInterior(Graphics& graphics, const NineGridImage& skin, const PictureBox& box)
{
    const int inset = skin.GetShadowWidth();
    const int x = box.x + inset;
    const int y = box.y + inset;
    const int width = box.width - 2 * inset;
    const int height = box.height - 2 * inset;
    if (skin.GetCornerRadius() < 1) {
        graphics.SetClipRectI(x, y, width, height, flat::CombineModeIntersect);
        return;
    }
    GraphicsPath path;
    if (!path.Create())
        return;
    addRoundedRectangle(path, static_cast<float>(x), static_cast<float>(y), static_cast<float>(width),
        static_cast<float>(height), skin.GetCornerRadius());
    graphics.SetClipPath(path, flat::CombineModeIntersect);
}

void drawPlacedImage(Graphics& graphics, const Image& image, int mode, const PictureBox& box)
{
    const PicturePlacement place = placePicture(mode, box, image.GetWidth(), image.GetHeight());
    if (place.width <= 0 || place.height <= 0)
        return;
    if (mode == static_cast<int>(PictureMode::Stretched)) {
        // Mirrored edges keep the interpolation from fading the border towards transparent.
        ImageAttributes edges;
        if (edges.Create() && edges.SetWrapMode(flat::WrapModeTileFlipXY)) {
            graphics.DrawImageRectRectI(image, place.x, place.y, place.width, place.height, 0, 0, image.GetWidth(),
                image.GetHeight(), flat::UnitPixel, edges);
            return;
        }
    }
    if (!place.tiled) {
        // Sizes in pixels: drawing at a point alone would scale by the picture's resolution.
        graphics.DrawImageI(image, place.x, place.y, place.width, place.height);
        return;
    }
    TextureBrush texture;
    if (!texture.Create(image))
        return;
    texture.TranslateTransform(static_cast<float>(place.x), static_cast<float>(place.y));
    graphics.FillRectangleI(texture, place.x, place.y, place.width, place.height);
}

void drawPicture(Graphics& graphics, const PictureDrawing& drawing)
{
    const bool skinned = drawing.skin && drawing.skin->IsLoaded();
    if (skinned)
        clipToSkinInterior(graphics, *drawing.skin, drawing.box);
    if (drawing.decoded) {
        drawPlacedImage(graphics, *drawing.decoded, drawing.mode, drawing.box);
    } else if (!drawing.image.empty()) {
        Image image;
        if (image.LoadFromBytes(drawing.image))
            drawPlacedImage(graphics, image, drawing.mode, drawing.box);
    }
    if (drawing.tintColour >= 0 && drawing.tintAlpha >= 1) {
        SolidBrush tint;
        if (tint.Create(toArgb(static_cast<std::uint32_t>(drawing.tintColour), std::min(drawing.tintAlpha, 255))))
            graphics.FillRectangleI(tint, drawing.box.x, drawing.box.y, drawing.box.width, drawing.box.height);
    }
    if (skinned) {
        graphics.ResetClip();
        drawing.skin->SetBounds(drawing.box.x, drawing.box.y, drawing.box.width, drawing.box.height);
        drawing.skin->DrawState(graphics, kSkinNormal);
    }
    graphics.ResetClip();
}
