#pragma once

#include <windows.h>

#include <string>

#include "core/Bytes.h"

class Graphics;
class NineGridImage;
struct SystemColours;

enum class FaceStyle : int { Plain = 0, Colour = 1, Images = 2 };

// Everything one button-like face is painted from: the push button, the toggle and the
// caption strip all paint through paintButtonFace, so their faces share one look.
struct ButtonFace {
    RECT rect{};
    std::wstring caption;
    // Encoded pictures (PNG or anything GDI+ decodes); empty means none.
    ByteArray icon;
    ByteArray disabledIcon;
    COLORREF colour = 0xFFFFFF;
    COLORREF textColour = 0;
    COLORREF disabledTextColour = 0x808080;
    // Plain style: 1 near, 2 far, anything else centred.
    int plainAlignment = 0;
    // Plain style: the hot caption is underlined, and the pressed face is drawn.
    bool underlineOnHot = false;
    FaceStyle style = FaceStyle::Plain;
    // The four pictures of the image style.
    ByteArray normalImage;
    ByteArray hotImage;
    ByteArray pressedImage;
    ByteArray disabledImage;
    bool hot = false;
    bool pressed = false;
    bool disabled = false;
    bool iconAboveCaption = false;
    // Replaces the painted background when given; not owned.
    const NineGridImage* skin = nullptr;
    std::wstring face = L"宋体";
    float size = 12.0f;
    int fontStyle = 0;
    bool glow = false;
    COLORREF glowColour = 0xFFFFFF;
    int glowSize = 4;
    // Image style: the caption is drawn over the picture.
    bool captionOnImage = false;
    // Colour and image styles: 1 centred, 2 far, anything else near.
    int alignment = 1;
    // Plain style: a flat face is painted when there is an icon.
    bool plainFace = false;
    bool checked = false;
    bool checkedPressed = false;
    // The accent of the hot and pressed looks; 0xFFFFFF means no accent.
    COLORREF secondColour = 0xFFFFFF;
    // Neither sets nor resets the graphics' clip.
    bool keepClip = false;
    // Drawn in these colours instead of the skin, the painted looks, the pictures' colours
    // and the glow; not owned.
    const SystemColours* system = nullptr;
};

// Paints the face. Unless keepClip is set, clips to the face while painting and reports the
// clip rectangle used in `clip` when it is given.
void paintButtonFace(Graphics& graphics, const ButtonFace& face, RECT* clip = nullptr);
