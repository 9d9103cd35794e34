#include "app/command_line.h"
#include "app/module1.h"
#include "runtime/fault_boundary.h"
#include "runtime/language.h"

#include <QCoreApplication>

int main(int argc, char *argv[]) {
    // Decided before the application object exists: --help and --version need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    if (vrc::app::ReadCommandLine(arguments).action != vrc::app::CommandLineAnswer::Action::Run) {
        // Translators need an application object, but a Core one asks for no display. It
        // sees only the program's name: the options are ours to read.
        int coreArgc = 1;
        const QCoreApplication core(coreArgc, argv);
        vrc::runtime::InstallTranslations();
        return vrc::app::PrintCommandLineAnswer(vrc::app::ReadCommandLine(arguments));
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
