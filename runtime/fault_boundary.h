#pragma once

#include <QApplication>
#include <QString>
#include <functional>

namespace vrc::runtime {

// A run-time fault as the user is told of it.
struct FaultReport {
    int number = 0;
    QString name;
};

// Shows the standard run-time error report: the error's name and number,
// under a title naming the program.
void ShowFaultReport(const FaultReport &report);

// The one place where a fault raised inside an event handler stops: no
// exception ever crosses Qt's event loop. The fault is reported, then the
// program ends.
class GuardedApplication : public QApplication {
public:
    using FaultHandler = std::function<void(const FaultReport &)>;

    GuardedApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // Replaces the report-and-end step (tests); an empty handler restores it.
    void setFaultHandler(FaultHandler handler);

    // Runs `work` inside the same boundary, for code that runs outside an
    // event handler (start-up).
    bool guard(const std::function<void()> &work);

private:
    void handleFault(const FaultReport &report);

    FaultHandler faultHandler_;
};

} // namespace vrc::runtime
