#include "app/module1.h"
#include "runtime/fault_boundary.h"
#include "vrc_version.h"

#include <QIcon>

int main(int argc, char *argv[]) {
    QApplication::setApplicationName(QString::fromLatin1(vrc::identity::kProgramName));
    QApplication::setApplicationVersion(QString::fromLatin1(vrc::identity::kDisplayVersion));
    QApplication::setOrganizationDomain(QStringLiteral("example.org"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.VornRatingCalc"));

    vrc::runtime::GuardedApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/vornratingcalc.png")));

    int status = 0;
    if (app.guard(vrc::app::Module1::Main)) {
        status = QApplication::exec();
    }
    vrc::app::Module1::UnloadForms();
    return status;
}
