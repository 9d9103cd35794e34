#include "app/console.h"

#include <QCoreApplication>
#include <cstdio>
#include <vrc_version.h>

namespace vrc::app {

QStringList ProgramArguments(int argc, char *argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

bool WriteToConsole(const QString &text, bool complaint) {
    std::FILE *stream = complaint ? stderr : stdout;
    std::fputs(text.toLocal8Bit().constData(), stream);
    return std::fflush(stream) == 0 && std::ferror(stream) == 0;
}

QString CommandName() {
    return QString::fromLatin1(identity::kCommandName);
}

QString FurtherHelp() {
    return QCoreApplication::translate("vrc::app::CommandLine",
                                       "See %1(1) for the keys, the messages and the rule.\n")
        .arg(CommandName());
}

bool IsPlatformHelpRequest(QStringView /*argument*/) {
    return false;
}

} // namespace vrc::app
