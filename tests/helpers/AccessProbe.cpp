// Reads kxfix's box from another process as a screen reader does, then presses its OK
// button through the accessible object. Usage: accessprobe X Y, where the point (window
// coordinates) must lie inside the button. Exit code 0 when everything held.
#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kTitle[] = L"修复成功";
constexpr wchar_t kMessage[] = L"KX启动修复成功";
constexpr wchar_t kOk[] = L"确定";

VARIANT child(long id)
{
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_I4;
    value.lVal = id;
    return value;
}

std::wstring nameOf(IAccessible* object, long id)
{
    BSTR name = nullptr;
    object->get_accName(child(id), &name);
    std::wstring text = name ? std::wstring(name, SysStringLen(name)) : std::wstring();
    SysFreeString(name);
    return text;
}

long roleOf(IAccessible* object, long id)
{
    VARIANT role;
    VariantInit(&role);
    return SUCCEEDED(object->get_accRole(child(id), &role)) && role.vt == VT_I4 ? role.lVal : -1;
}

std::string utf8(const std::wstring& text)
{
    std::string out(text.size() * 4 + 1, '\0');
    out.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
        out.data(), static_cast<int>(out.size()), nullptr, nullptr)));
    return out;
}

HWND waitForBox()
{
    for (int tries = 0; tries < 600; ++tries) {
        HWND box = FindWindowW(nullptr, kTitle);
        if (box && IsWindowVisible(box))
            return box;
        Sleep(100);
    }
    return nullptr;
}

int fail(int code, const char* what)
{
    std::printf("FAILED: %s\n", what);
    std::fflush(stdout);
    return code;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3)
        return fail(1, "usage: accessprobe X Y");
    const POINT inside { _wtoi(argv[1]), _wtoi(argv[2]) };
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const HWND box = waitForBox();
    if (!box)
        return fail(2, "no box");
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(
            box, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible, reinterpret_cast<void**>(&object)))
        || !object)
        return fail(3, "no accessible object");

    long count = 0;
    object->get_accChildCount(&count);
    std::vector<VARIANT> children(static_cast<size_t>(count > 0 ? count : 1));
    LONG got = 0;
    AccessibleChildren(object, 0, count, children.data(), &got);
    RECT window {};
    GetWindowRect(box, &window);
    long okId = 0;
    RECT okRect {};
    for (LONG index = 0; index < got; ++index) {
        const long id = children[static_cast<size_t>(index)].lVal;
        long left = 0, top = 0, width = 0, height = 0;
        object->accLocation(&left, &top, &width, &height, child(id));
        const std::wstring name = nameOf(object, id);
        std::printf("child %ld role %ld name [%s] at %ld %ld size %ld %ld\n", id, roleOf(object, id),
            utf8(name).c_str(), left - window.left, top - window.top, width, height);
        if (roleOf(object, id) == ROLE_SYSTEM_PUSHBUTTON && name == kOk) {
            okId = id;
            okRect = { left - window.left, top - window.top, left - window.left + width, top - window.top + height };
        }
    }
    std::fflush(stdout);
    if (got < 2 || roleOf(object, children[0].lVal) != ROLE_SYSTEM_STATICTEXT
        || nameOf(object, children[0].lVal) != kMessage)
        return fail(4, "the message is not the first child");
    if (okId == 0)
        return fail(4, "no OK button");
    if (!PtInRect(&okRect, inside))
        return fail(5, "the OK button is not where its pixels are");
    if (object->accDoDefaultAction(child(okId)) != S_OK)
        return fail(6, "the OK button's default action failed");
    object->Release();
    for (int tries = 0; tries < 100 && IsWindow(box); ++tries)
        Sleep(100);
    if (IsWindow(box))
        return fail(7, "the box stayed open");
    std::printf("pressed OK through the accessible object\n");
    return 0;
}
