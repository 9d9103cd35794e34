#include "runtime/fault_boundary.h"

#include "runtime/runtime_error.h"
#include "runtime/type_ahead.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <cstdlib>
#include <exception>

namespace vrc::runtime {

namespace {
// Unknown faults are reported as the runtime's internal error.
constexpr int kInternalErrorNumber = 51;
} // namespace

void ShowFaultReport(const FaultReport &report) {
    const QString title = QApplication::applicationName();
    const QString text =
        QCoreApplication::translate("vrc::runtime::FaultBoundary", "Run-time error '%1':\n\n%2")
            .arg(report.number)
            .arg(report.name);
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok);
    box.exec();
}

GuardedApplication::GuardedApplication(int &argc, char **argv)
    : QApplication(argc, argv) {
    ForwardTypeAheadToModalWindow();
}

bool GuardedApplication::notify(QObject *receiver, QEvent *event) {
    bool handled = false;
    guard([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

void GuardedApplication::setFaultHandler(FaultHandler handler) {
    faultHandler_ = std::move(handler);
}

bool GuardedApplication::guard(const std::function<void()> &work) {
    try {
        work();
        return true;
    } catch (const RuntimeError &error) {
        // The runtime's own faults are named in words the translations know.
        handleFault({error.number(),
                     QCoreApplication::translate("vrc::runtime::FaultBoundary", error.what())});
    } catch (const std::bad_alloc &) {
        handleFault(
            {7, QCoreApplication::translate("vrc::runtime::FaultBoundary", "Out of memory")});
    } catch (const std::exception &error) {
        handleFault({kInternalErrorNumber, QString::fromLocal8Bit(error.what())});
    } catch (...) {
        handleFault({kInternalErrorNumber,
                     QCoreApplication::translate("vrc::runtime::FaultBoundary", "Internal error")});
    }
    return false;
}

void GuardedApplication::handleFault(const FaultReport &report) {
    if (faultHandler_) {
        faultHandler_(report);
        return;
    }
    ShowFaultReport(report);
    // The state that raised the fault is not to be trusted: end now, without
    // returning into the code that failed.
    std::_Exit(EXIT_FAILURE);
}

} // namespace vrc::runtime
