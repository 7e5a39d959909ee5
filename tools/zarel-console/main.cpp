// zarel.com, the console companion of zarel.exe. A program built for the
// desktop gets no console: cmd does not wait for it, and what it prints lands
// after the prompt. Typed as "zarel", cmd and PowerShell find zarel.com before
// zarel.exe; it starts zarel.exe beside it with the same arguments, passes on
// what it prints and waits for it, and returns its exit code.
#include <windows.h>

namespace {

struct Relay
{
    HANDLE from;
    HANDLE to;
};

DWORD WINAPI relay(void* parameter)
{
    const Relay* streams = static_cast<Relay*>(parameter);
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(streams->from, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        DWORD offset = 0;
        while (streams->to != nullptr && streams->to != INVALID_HANDLE_VALUE && offset < got) {
            DWORD written = 0;
            if (!WriteFile(streams->to, buffer + offset, got - offset, &written, nullptr)) {
                break;
            }
            offset += written;
        }
    }
    return 0;
}

// The command line without its first word, the program's own name.
const wchar_t* argumentsOf(const wchar_t* line)
{
    if (*line == L'"') {
        ++line;
        while (*line != L'\0' && *line != L'"') {
            ++line;
        }
        return *line == L'"' ? line + 1 : line;
    }
    while (*line != L'\0' && *line != L' ' && *line != L'\t') {
        ++line;
    }
    return line;
}

void complain(const char* text)
{
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_ERROR_HANDLE), text, lstrlenA(text), &written, nullptr);
}

} // namespace

int main()
{
    // Long paths: the manifest allows them.
    static wchar_t program[32768];
    const DWORD length = GetModuleFileNameW(nullptr, program, 32768 - 4);
    if (length == 0 || length >= 32768 - 4) {
        complain("zarel: cannot find its own folder\n");
        return 1;
    }
    int dot = static_cast<int>(length);
    while (dot > 0 && program[dot] != L'.' && program[dot] != L'\\') {
        --dot;
    }
    if (program[dot] != L'.') {
        dot = static_cast<int>(length);
    }
    lstrcpyW(program + dot, L".exe");

    const wchar_t* arguments = argumentsOf(GetCommandLineW());
    const int commandSize = lstrlenW(program) + lstrlenW(arguments) + 4;
    wchar_t* command =
        static_cast<wchar_t*>(HeapAlloc(GetProcessHeap(), 0, static_cast<SIZE_T>(commandSize) * sizeof(wchar_t)));
    if (command == nullptr) {
        return 1;
    }
    lstrcpyW(command, L"\"");
    lstrcatW(command, program);
    lstrcatW(command, L"\"");
    // A line like "zarel"--help has no space after the name; zarel.exe needs one.
    if (*arguments != L'\0' && *arguments != L' ' && *arguments != L'\t') {
        lstrcatW(command, L" ");
    }
    lstrcatW(command, arguments);

    // Pipes rather than this console's own handles: a desktop program is not
    // attached to the console, and a file or pipe this one writes to stays
    // where it was sent.
    SECURITY_ATTRIBUTES inherit {sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE outRead = nullptr, outWrite = nullptr, errRead = nullptr, errWrite = nullptr;
    if (!CreatePipe(&outRead, &outWrite, &inherit, 0) || !CreatePipe(&errRead, &errWrite, &inherit, 0)) {
        complain("zarel: cannot make a pipe\n");
        return 1;
    }
    SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = outWrite;
    startup.hStdError = errWrite;
    PROCESS_INFORMATION child {};
    if (!CreateProcessW(program, command, nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &child)) {
        complain("zarel: cannot start zarel.exe, which belongs beside zarel.com\n");
        return 1;
    }
    CloseHandle(child.hThread);
    CloseHandle(outWrite);
    CloseHandle(errWrite);

    Relay out {outRead, GetStdHandle(STD_OUTPUT_HANDLE)};
    Relay err {errRead, GetStdHandle(STD_ERROR_HANDLE)};
    HANDLE relays[2] = {CreateThread(nullptr, 0, relay, &out, 0, nullptr),
                        CreateThread(nullptr, 0, relay, &err, 0, nullptr)};
    WaitForSingleObject(child.hProcess, INFINITE);
    // The pipes close with the panel; a process it started could hold them.
    WaitForMultipleObjects(2, relays, TRUE, 2000);
    DWORD exitCode = 1;
    GetExitCodeProcess(child.hProcess, &exitCode);
    return static_cast<int>(exitCode);
}
