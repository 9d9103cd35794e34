#include "app/module1.h"
#include "runtime/fault_boundary.h"

int main(int argc, char *argv[]) {
    vrc::runtime::GuardedApplication app(argc, argv);
    vrc::app::Module1::ApplyProgramIdentity();

    int status = 0;
    if (app.guard(vrc::app::Module1::Main)) {
        status = QApplication::exec();
    }
    vrc::app::Module1::UnloadForms();
    return status;
}
