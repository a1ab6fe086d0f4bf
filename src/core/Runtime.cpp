#include "core/Runtime.h"

#include "core/FatalError.h"
#include "core/Win32Handles.h"

namespace {

std::function<void()>& endOfProgramHook()
{
    static std::function<void()> hook;
    return hook;
}

} // namespace

bool writeFile(const std::wstring& path, std::initializer_list<ByteView> parts)
{
    if (path.empty())
        return false;
    UniqueKernelHandle file = fileHandle(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    for (const ByteView& part : parts) {
        const std::uint8_t* next = part.data;
        std::size_t left = part.size;
        while (left > 0) {
            DWORD chunk = left > 0x40000000 ? 0x40000000 : static_cast<DWORD>(left);
            DWORD written = 0;
            if (!WriteFile(file.get(), next, chunk, &written, nullptr) || written != chunk)
                return false;
            next += written;
            left -= written;
        }
    }
    return CloseHandle(file.release()) != FALSE;
}

ByteArray readFile(const std::wstring& path)
{
    UniqueKernelHandle file = fileHandle(CreateFileW(
        path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF)
        return {};
    ByteArray bytes(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() && (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)
            || read != bytes.size()))
        return {};
    return bytes;
}

bool deleteFile(const std::wstring& path)
{
    return DeleteFileW(path.c_str()) != FALSE;
}

bool fileExists(const std::wstring& path)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    FindClose(search);
    return true;
}

std::wstring withTrailingBackslash(std::wstring folder)
{
    if (!folder.empty() && folder.back() != L'\\')
        folder += L'\\';
    return folder;
}

std::wstring temporaryFolder()
{
    wchar_t buffer[MAX_PATH + 1];
    DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
    if (length == 0 || length > MAX_PATH)
        return {};
    return withTrailingBackslash(std::wstring(buffer, length));
}

std::wstring environmentVariable(const std::wstring& name)
{
    DWORD needed = GetEnvironmentVariableW(name.c_str(), nullptr, 0);
    if (needed == 0)
        return {};
    std::wstring value(needed, L'\0');
    DWORD length = GetEnvironmentVariableW(name.c_str(), &value[0], needed);
    value.resize(length < needed ? length : 0);
    return value;
}

void delay(int milliseconds)
{
    Sleep(milliseconds < 0 ? 0 : static_cast<DWORD>(milliseconds));
}

void setEndOfProgramHook(std::function<void()> hook)
{
    endOfProgramHook() = std::move(hook);
}

void endProgram(int exitCode)
{
    // Taken out first, so a fatal error inside the hook cannot run it again.
    std::function<void()> hook = std::move(endOfProgramHook());
    endOfProgramHook() = nullptr;
    if (hook)
        hook();
    ExitProcess(static_cast<UINT>(exitCode));
}

FARPROC bindSystemFunction(const wchar_t* library, const char* function)
{
    HMODULE module = GetModuleHandleW(library);
    if (!module)
        module = LoadLibraryW(library);
    FARPROC address = module ? GetProcAddress(module, function) : nullptr;
    if (!address) {
        std::wstring name(function, function + lstrlenA(function));
        fatalError(kFatalGeneral, missingFunctionMessage(library, name));
    }
    return address;
}
