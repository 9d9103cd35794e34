// A Windows GUI program starts without a console: the text goes to the console of
// the shell that started it, to a file or pipe it was redirected to, or else into a
// message box, the way Windows programs answer /? when started from Explorer.
#include "app/console.h"

#include <QCoreApplication>
#include <vrc_version.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

namespace vrc::app {

namespace {

bool WriteAll(HANDLE handle, const QString &text) {
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode) != 0) {
        const auto *wide = reinterpret_cast<const wchar_t *>(text.utf16());
        DWORD written = 0;
        return WriteConsoleW(handle, wide, static_cast<DWORD>(text.size()), &written, nullptr) !=
                   0 &&
               written == static_cast<DWORD>(text.size());
    }
    const QByteArray bytes = text.toUtf8();
    DWORD written = 0;
    return WriteFile(handle, bytes.constData(), static_cast<DWORD>(bytes.size()), &written,
                     nullptr) != 0 &&
           written == static_cast<DWORD>(bytes.size());
}

bool Usable(HANDLE handle) {
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

} // namespace

QStringList ProgramArguments(int argc, char *argv[]) {
    int count = 0;
    LPWSTR *wide = CommandLineToArgvW(GetCommandLineW(), &count);
    QStringList arguments;
    if (wide == nullptr) {
        for (int i = 0; i < argc; ++i) {
            arguments << QString::fromLocal8Bit(argv[i]);
        }
        return arguments;
    }
    for (int i = 0; i < count; ++i) {
        arguments << QString::fromWCharArray(wide[i]);
    }
    LocalFree(wide);
    return arguments;
}

bool WriteToConsole(const QString &text, bool complaint) {
    const DWORD which = complaint ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE;
    HANDLE handle = GetStdHandle(which);
    if (!Usable(handle) && AttachConsole(ATTACH_PARENT_PROCESS) != 0) {
        handle = GetStdHandle(which);
    }
    if (Usable(handle)) {
        return WriteAll(handle, text);
    }
    const UINT icon = complaint ? MB_ICONEXCLAMATION : MB_ICONINFORMATION;
    return MessageBoxW(nullptr, reinterpret_cast<const wchar_t *>(text.utf16()), L"VornRatingCalc",
                       MB_OK | icon) != 0;
}

// The bare name: in cmd and PowerShell it finds the console companion (.com) first, which
// the shell waits for.
QString CommandName() {
    return QString::fromLatin1(identity::kCommandName);
}

// Windows has no manual pages: the About window and the README stand in for one.
QString FurtherHelp() {
    return QCoreApplication::translate(
               "vrc::app::CommandLine",
               "Help (or F1) in the calculator shows the About window; the README at\n"
               "%1 has the keys, the messages and the rule.\n")
        .arg(QString::fromLatin1(identity::kHomepage));
}

bool IsPlatformHelpRequest(QStringView argument) {
    return argument == u"/?";
}

} // namespace vrc::app
