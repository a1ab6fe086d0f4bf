// empty.exe {pid | task-name}: empties the working set of one process, or of every
// process whose image name matches, so its pages go back to the system. It uses no C
// runtime, so it stays a few kilobytes: text goes out through the console handles.
#include <windows.h>
#include <shellapi.h>
#include <tlhelp32.h>

namespace {

constexpr char kUsageText[] = "USAGE: empty.exe {pid | task-name}\n";
constexpr wchar_t kExeSuffix[] = L".exe";
constexpr size_t kSuffixChars = sizeof(kExeSuffix) / sizeof(wchar_t) - 1;
// Characters no file name can hold, so no image name can either.
constexpr wchar_t kForbiddenInName[] = L"\\/:*?\"<>|";

enum ExitCode : int {
    kSuccess = 0,
    kUsage = 1,
    kNoMatch = 2,
    kTrimFailed = 3,
};

// Writes narrow text, or wide text in the system code page, to a standard handle.
void write(DWORD handle, const char* text)
{
    DWORD written = 0;
    WriteFile(GetStdHandle(handle), text, static_cast<DWORD>(lstrlenA(text)), &written, nullptr);
}

void write(DWORD handle, const wchar_t* text)
{
    char narrow[MAX_PATH * 2];
    int length = WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
    if (length > 0)
        write(handle, narrow);
}

void write(DWORD handle, DWORD number)
{
    char digits[11];
    char* first = digits + 10;
    *first = '\0';
    do {
        *--first = static_cast<char>('0' + number % 10);
        number /= 10;
    } while (number != 0);
    write(handle, first);
}

// One line on the error stream: the parts in order, then a newline.
template <typename... Parts>
void complain(Parts... parts)
{
    (write(STD_ERROR_HANDLE, parts), ...);
    write(STD_ERROR_HANDLE, "\n");
}

bool isForbiddenInName(wchar_t c)
{
    for (const wchar_t* forbidden = kForbiddenInName; *forbidden; ++forbidden) {
        if (*forbidden == c)
            return true;
    }
    return false;
}

// A decimal argument always means a pid, even when it is too large to be one.
bool isDecimal(const wchar_t* text)
{
    if (*text == L'\0')
        return false;
    for (; *text; ++text) {
        if (*text < L'0' || *text > L'9')
            return false;
    }
    return true;
}

// False when the decimal text does not fit a process id.
bool parsePid(const wchar_t* text, DWORD* pid)
{
    unsigned long long value = 0;
    for (; *text; ++text) {
        value = value * 10 + static_cast<unsigned>(*text - L'0');
        if (value > 0xFFFFFFFFull)
            return false;
    }
    *pid = static_cast<DWORD>(value);
    return true;
}

bool isValidName(const wchar_t* text)
{
    size_t length = 0;
    for (; text[length]; ++length) {
        if (text[length] < L' ' || isForbiddenInName(text[length]))
            return false;
    }
    // The stored image name must still fit after ".exe" is added.
    return length > 0 && length + kSuffixChars < MAX_PATH;
}

// Both spellings a name may match: as given, and with ".exe" when it has none.
struct NamePattern {
    const wchar_t* exact;
    wchar_t withSuffix[MAX_PATH];
};

void makePattern(const wchar_t* name, NamePattern* pattern)
{
    pattern->exact = name;
    size_t length = static_cast<size_t>(lstrlenW(name));
    bool hasSuffix = length >= kSuffixChars && lstrcmpiW(name + length - kSuffixChars, kExeSuffix) == 0;
    if (hasSuffix) {
        pattern->withSuffix[0] = L'\0';
        return;
    }
    lstrcpyW(pattern->withSuffix, name);
    lstrcatW(pattern->withSuffix, kExeSuffix);
}

bool matches(const NamePattern& pattern, const wchar_t* imageName)
{
    if (lstrcmpiW(imageName, pattern.exact) == 0)
        return true;
    return pattern.withSuffix[0] != L'\0' && lstrcmpiW(imageName, pattern.withSuffix) == 0;
}

// Returns the Win32 error, or ERROR_SUCCESS once the working set was emptied.
DWORD trimProcess(DWORD pid)
{
    HANDLE process = OpenProcess(PROCESS_SET_QUOTA | PROCESS_QUERY_INFORMATION, FALSE, pid);
    if (!process)
        return GetLastError();
    // (SIZE_T)-1 for both bounds asks the system to page out all it can; XP has it without psapi.
    DWORD error = SetProcessWorkingSetSize(process, static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1)) ? ERROR_SUCCESS
                                                                                                      : GetLastError();
    CloseHandle(process);
    return error;
}

ExitCode trimById(DWORD pid)
{
    DWORD error = trimProcess(pid);
    if (error == ERROR_SUCCESS)
        return kSuccess;
    // OpenProcess reports a pid that names no process as an invalid parameter.
    if (error == ERROR_INVALID_PARAMETER) {
        complain("empty.exe: no process has the id ", pid);
        return kNoMatch;
    }
    complain("empty.exe: cannot trim process ", pid, " (error ", error, ")");
    return kTrimFailed;
}

ExitCode trimByName(const wchar_t* name)
{
    NamePattern pattern;
    makePattern(name, &pattern);
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        complain("empty.exe: cannot list processes (error ", GetLastError(), ")");
        return kTrimFailed;
    }
    int matched = 0;
    int failed = 0;
    PROCESSENTRY32W entry;
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        if (!matches(pattern, entry.szExeFile))
            continue;
        ++matched;
        DWORD error = trimProcess(entry.th32ProcessID);
        if (error != ERROR_SUCCESS) {
            ++failed;
            complain("empty.exe: cannot trim process ", entry.th32ProcessID, " (error ", error, ")");
        }
    }
    CloseHandle(snapshot);
    if (matched == 0) {
        complain("empty.exe: no process is named ", name);
        return kNoMatch;
    }
    return failed == 0 ? kSuccess : kTrimFailed;
}

ExitCode usage()
{
    write(STD_OUTPUT_HANDLE, kUsageText);
    return kUsage;
}

ExitCode run(int argc, wchar_t** argv)
{
    if (argc != 2)
        return usage();
    if (isDecimal(argv[1])) {
        DWORD pid = 0;
        return parsePid(argv[1], &pid) ? trimById(pid) : usage();
    }
    return isValidName(argv[1]) ? trimByName(argv[1]) : usage();
}

} // namespace

// The entry point itself: there is no runtime to call a main.
extern "C" void emptyEntry()
{
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    const ExitCode code = argv ? run(argc, argv) : kUsage;
    LocalFree(argv);
    ExitProcess(static_cast<UINT>(code));
}
