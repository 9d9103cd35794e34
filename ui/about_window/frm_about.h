#pragma once

#include <QImage>
#include <QPointer>

class QDialog;
class QWidget;

namespace vrc::ui {

class AboutWindow;

// The About form: lives for the whole program, while its window is loaded
// only for the length of one modal showing and destroyed when closed.
class FrmAbout {
public:
    FrmAbout() = default;
    FrmAbout(const FrmAbout &) = delete;
    FrmAbout &operator=(const FrmAbout &) = delete;
    ~FrmAbout();

    // Loads a fresh window, shows it modally and returns once OK (Enter, Esc,
    // the close control) has unloaded it. `owner` is the window it belongs
    // to, or nullptr at start-up when there is none yet.
    void ShowModal(QWidget *owner = nullptr);

    bool IsLoaded() const;
    // The loaded window, nullptr when not loaded.
    QDialog *window() const;

private:
    const QImage &picture();

    QPointer<AboutWindow> window_;
    QImage picture_;
    bool pictureDecoded_ = false;
};

} // namespace vrc::ui
