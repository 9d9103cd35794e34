#pragma once

#include <QPushButton>

namespace vrc::runtime {

// A push button whose access key (Alt plus the letter after "&") runs its
// command when the key is pressed. Qt's own clicks about 100 ms later, so
// keys typed meanwhile would be handled before the command.
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    explicit CommandButton(const QString &caption, QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;
};

} // namespace vrc::runtime
