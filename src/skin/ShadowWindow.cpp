#include "skin/ShadowWindow.h"

#include <vector>

#include "drawing/GdiHandles.h"
#include "drawing/Graphics.h"
#include "drawing/GraphicsPath.h"
#include "drawing/LayeredDrawing.h"
#include "element/SkinConstants.h"

namespace {

constexpr DWORD kShadowExStyle = WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT;
constexpr DWORD kShadowStyle = WS_POPUP | WS_DISABLED | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX;

// What a new shadow needs while it handles WM_CREATE. It travels in the creation data rather
// than in globals, so nothing is left over should a creation fail half way.
struct ShadowRequest {
    HWND owner = nullptr;
    int width = 0;
    int radius = 0;
    const NineGridImage* image = nullptr;
};

struct ShadowRecord {
    HWND hwnd = nullptr;
    NineGridImage image;
    bool free = false;
};

std::vector<ShadowRecord>& shadowRecords()
{
    static std::vector<ShadowRecord> records;
    return records;
}

ShadowRecord* recordOf(HWND shadow)
{
    const INT_PTR index = skin::property(shadow, skin::kPropShadowRecord);
    std::vector<ShadowRecord>& records = shadowRecords();
    return index >= 1 && index <= static_cast<INT_PTR>(records.size()) ? &records[index - 1] : nullptr;
}

// The first free record, else a new one at the end; 1-based.
int acquireRecord()
{
    std::vector<ShadowRecord>& records = shadowRecords();
    for (std::size_t i = 0; i < records.size(); ++i)
        if (records[i].free)
            return static_cast<int>(i) + 1;
    records.emplace_back();
    return static_cast<int>(records.size());
}

RECT aroundOwner(HWND owner, int width)
{
    RECT bounds {};
    GetWindowRect(owner, &bounds);
    InflateRect(&bounds, width, width);
    return bounds;
}

}  // namespace

LRESULT CALLBACK ShadowWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    switch (message) {
    case WM_CREATE:
        attach(window, *reinterpret_cast<const CREATESTRUCTW*>(lParam));
        break;
    case WM_SIZE:
        render(window);
        break;
    case WM_DESTROY:
        detach(window);
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND ShadowWindow::create(HWND owner, const NineGridImage& image)
{
    ShadowRequest request { owner, image.GetShadowWidth(), image.GetCornerRadius(), &image };
    return CreateWindowExW(kShadowExStyle, skin::kShadowClassName, L"", kShadowStyle, 0, 0, 100, 100, owner, nullptr,
        GetModuleHandleW(nullptr), &request);
}

void ShadowWindow::attach(HWND shadow, const CREATESTRUCTW& creation)
{
    const auto* request = static_cast<const ShadowRequest*>(creation.lpCreateParams);
    if (!request)
        return;
    SetPropA(request->owner, skin::kPropShadowWindow, shadow);
    SetPropA(shadow, skin::kPropShadowOwner, request->owner);
    skin::setProperty(shadow, skin::kPropShadowWidth, request->width);
    skin::setProperty(shadow, skin::kPropShadowRadius, request->radius);
    skin::setProperty(shadow, skin::kPropShadowStyle, 0);
    if (request->image && request->image->IsLoaded()) {
        const int index = acquireRecord();
        skin::setProperty(shadow, skin::kPropShadowRecord, index);
        ShadowRecord& record = shadowRecords()[index - 1];
        record.image = *request->image;
        record.free = false;
        record.hwnd = shadow;
    }
    const RECT bounds = aroundOwner(request->owner, request->width);
    // The shadow only ever stays behind; it must never take the activation from its owner.
    SetWindowPos(shadow, HWND_BOTTOM, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
        SWP_NOACTIVATE);
    render(shadow);
}

void ShadowWindow::render(HWND shadow)
{
    auto owner = static_cast<HWND>(GetPropA(shadow, skin::kPropShadowOwner));
    RECT ownerClient {};
    RECT client {};
    GetClientRect(owner, &ownerClient);
    GetClientRect(shadow, &client);
    Layout layout;
    layout.width = client.right;
    layout.height = client.bottom;
    layout.ownerWidth = ownerClient.right;
    layout.ownerHeight = ownerClient.bottom;
    layout.shadowWidth = static_cast<int>(skin::property(shadow, skin::kPropShadowWidth));
    layout.radius = static_cast<int>(skin::property(shadow, skin::kPropShadowRadius));
    UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    if (region && GetWindowRgn(owner, region.get()) != ERROR)
        layout.ownerRegion = region.get();
    ShadowRecord* record = recordOf(shadow);
    const Surface drawn = picture(record ? &record->image : nullptr, layout);
    if (drawn)
        updateLayered(shadow, drawn.dc());
}

Surface ShadowWindow::picture(NineGridImage* image, const Layout& layout)
{
    Surface surface(layout.width, layout.height);
    Graphics graphics;
    if (!surface || !graphics.CreateFromHDC(surface.dc()))
        return surface;
    const auto inset = static_cast<float>(layout.shadowWidth);
    GraphicsPath owner;
    owner.Create();
    addRoundedRectangle(owner, inset, inset, static_cast<float>(layout.ownerWidth),
        static_cast<float>(layout.ownerHeight), layout.radius);
    graphics.SetClipPath(owner, flat::CombineModeExclude);
    // The rounded path and the owner's own rounded region differ by a pixel here and there
    // at the corners; the shadow must stay off every pixel the owner shows.
    if (layout.ownerRegion) {
        graphics.TranslateClip(-inset, -inset);
        graphics.SetClipHrgn(layout.ownerRegion, flat::CombineModeExclude);
        graphics.TranslateClip(inset, inset);
    }
    if (image) {
        image->SetBounds(0, 0, layout.width, layout.height);
        image->DrawState(graphics, kSkinNormal);
    }
    graphics.Flush(flat::FlushIntentionSync);
    return surface;
}

void ShadowWindow::detach(HWND shadow)
{
    if (ShadowRecord* record = recordOf(shadow))
        record->free = true;
    // The owner outlives its shadow for a moment, or for good when only the shadow goes:
    // it must not go on naming a window that is gone.
    auto owner = static_cast<HWND>(GetPropA(shadow, skin::kPropShadowOwner));
    if (owner && GetPropA(owner, skin::kPropShadowWindow) == shadow)
        RemovePropA(owner, skin::kPropShadowWindow);
    for (const char* name : { skin::kPropShadowOwner, skin::kPropShadowWidth, skin::kPropShadowRadius,
             skin::kPropShadowStyle, skin::kPropShadowRecord })
        RemovePropA(shadow, name);
}

void ShadowWindow::followOwner(HWND owner, bool show, bool visibilityOnly)
{
    auto shadow = static_cast<HWND>(GetPropA(owner, skin::kPropShadowWindow));
    if (!shadow || !IsWindow(shadow))
        return;
    if (visibilityOnly) {
        ShowWindow(shadow, show ? SW_SHOWNA : SW_HIDE);
        return;
    }
    const RECT bounds = aroundOwner(owner, static_cast<int>(skin::property(shadow, skin::kPropShadowWidth)));
    MoveWindow(shadow, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, FALSE);
}

int ShadowWindow::recordCount()
{
    return static_cast<int>(shadowRecords().size());
}

bool ShadowWindow::recordFree(int index)
{
    const std::vector<ShadowRecord>& records = shadowRecords();
    return index >= 1 && index <= static_cast<int>(records.size()) && records[index - 1].free;
}
