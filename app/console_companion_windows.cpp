// VornRatingCalc.com, the console face of VornRatingCalc.exe. Typed as "VornRatingCalc"
// in cmd or PowerShell, this console program is found before the .exe beside it, so the
// shell waits for it: it runs the .exe with the same arguments on its own standard
// handles, waits for it and ends with its exit status. The Start menu and a double click
// start the .exe itself, which opens its windows with no console.
#include <string>
#include <windows.h>

namespace {

// The .exe could not be started: neither a result (0) nor a refusal (1, 2).
constexpr int kCannotStart = 3;

// What follows the program's own name on a command line, as Windows' own parser finds
// the name's end: the closing quote of a quoted name, else the first blank.
const wchar_t *ArgumentsOf(const wchar_t *line) {
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

// This program's own path, its extension swapped for ".exe".
std::wstring ProgramBeside() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::wstring::size_type dot = path.find_last_of(L'.');
    const std::wstring::size_type folder = path.find_last_of(L"\\/");
    if (dot != std::wstring::npos && (folder == std::wstring::npos || dot > folder)) {
        path.resize(dot);
    }
    return path + L".exe";
}

void Complain(const std::wstring &program) {
    const DWORD error = GetLastError();
    wchar_t *reason = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                       FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, error, 0, reinterpret_cast<wchar_t *>(&reason), 0, nullptr);
    std::wstring text = L"VornRatingCalc.com: cannot start " + program + L": ";
    text += reason != nullptr ? reason : std::to_wstring(error) + L"\r\n";
    LocalFree(reason);
    HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
    DWORD written = 0;
    DWORD mode = 0;
    if (GetConsoleMode(err, &mode) != 0) {
        WriteConsoleW(err, text.c_str(), static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::string::size_type>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
    WriteFile(err, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

} // namespace

int main() {
    const std::wstring program = ProgramBeside();
    std::wstring line = L"\"" + program + L"\"" + ArgumentsOf(GetCommandLineW());

    // The .exe writes where this program's output goes: the console, or a file or pipe.
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    const DWORD which[] = {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE};
    HANDLE *handles[] = {&startup.hStdInput, &startup.hStdOutput, &startup.hStdError};
    for (int i = 0; i < 3; ++i) {
        *handles[i] = GetStdHandle(which[i]);
        // Handles are passed on only when they may be inherited.
        SetHandleInformation(*handles[i], HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
    }

    PROCESS_INFORMATION started{};
    if (CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                       &startup, &started) == 0) {
        Complain(program);
        return kCannotStart;
    }
    CloseHandle(started.hThread);
    WaitForSingleObject(started.hProcess, INFINITE);
    DWORD status = kCannotStart;
    GetExitCodeProcess(started.hProcess, &status);
    CloseHandle(started.hProcess);
    return static_cast<int>(status);
}
