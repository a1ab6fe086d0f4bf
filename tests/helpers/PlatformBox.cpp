// The platform's own message box with the repair's success text, so the benchmark can set
// the skinned box's launch time beside it.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    MessageBoxW(nullptr, L"KX启动修复成功", L"修复成功", MB_ICONQUESTION);
    return 0;
}
