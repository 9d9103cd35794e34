#include "app/command_line.h"
#include "app/console.h"
#include "app/module1.h"
#include "runtime/fault_boundary.h"
#include "runtime/language.h"

#include <QCoreApplication>
#include <QLocale>

int main(int argc, char *argv[]) {
    // Decided once, before the application object exists: --help and --version need no
    // display.
    const vrc::app::CommandLineRequest request =
        vrc::app::ReadCommandLine(vrc::app::ProgramArguments(argc, argv));
    if (request.AnswersWithoutWindow()) {
        // Translators need an application object, but a Core one asks for no display. It
        // sees only the program's name: the options are ours to read.
        int coreArgc = 1;
        const QCoreApplication core(coreArgc, argv);
        const QString language = vrc::runtime::InstallTranslations();
        const Qt::LayoutDirection direction =
            language.isEmpty() ? Qt::LeftToRight : QLocale(language).textDirection();
        return vrc::app::PrintCommandLineAnswer(
            vrc::app::AnswerCommandLine(request, QLocale(), direction));
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
