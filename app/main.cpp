#include "app/command_line.h"
#include "app/module1.h"
#include "runtime/fault_boundary.h"

int main(int argc, char *argv[]) {
    // Decided before the application object exists: --help and --version need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    if (const auto answer = vrc::app::ReadCommandLine(arguments);
        answer.action != vrc::app::CommandLineAnswer::Action::Run) {
        return vrc::app::PrintCommandLineAnswer(answer);
    }

    vrc::runtime::GuardedApplication app(argc, argv);
    vrc::app::Module1::ApplyProgramIdentity();
    vrc::app::Module1::ApplyUserLanguage();

    int status = 0;
    if (app.guard(vrc::app::Module1::Main)) {
        status = QApplication::exec();
    }
    vrc::app::Module1::UnloadForms();
    return status;
}
