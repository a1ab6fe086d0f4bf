#include "element/FrameworkResources.h"

#include "imaging/SkinPictures.h"

namespace {

constexpr int kIconResource = 129;
constexpr std::uint32_t kRadioSeparator = 0x7F007F;

HICON loadSmallIcon()
{
    // Shared: the system keeps resource icons for the module's lifetime, so nobody destroys them.
    HINSTANCE module = GetModuleHandleW(nullptr);
    auto icon = static_cast<HICON>(
        LoadImageW(module, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON, 16, 16, LR_SHARED));
    if (!icon)
        icon = static_cast<HICON>(LoadImageW(module, L"DEFAULT_ICON", IMAGE_ICON, 16, 16, LR_SHARED));
    return icon;
}

}  // namespace

FrameworkResources& framework()
{
    static FrameworkResources resources;
    return resources;
}

void loadFrameworkResources()
{
    FrameworkResources& shared = framework();
    if (shared.loaded)
        return;
    shared.loaded = true;
    shared.forwardedMessages.clear();
    shared.smallIcon = loadSmallIcon();
    shared.trimDisabled = true;
    shared.handCursor = LoadCursorW(nullptr, IDC_HAND);
    shared.textCursor = LoadCursorW(nullptr, IDC_IBEAM);
    shared.sizeWeCursor = LoadCursorW(nullptr, IDC_SIZEWE);
}

const ImageCodec& checkBoxStrip()
{
    static const ImageCodec strip = cutStrip(kCheckBoxStrip.bytes());
    return strip;
}

const ImageCodec& radioStrip()
{
    static const ImageCodec strip = cutStrip(kRadioStrip.bytes(), kRadioSeparator);
    return strip;
}
