#include "ui/about_window/frm_about.h"

#include "ui/about_window/about_window.h"

#include <QWidget>
#include <resource_paths.h>

namespace vrc::ui {

FrmAbout::~FrmAbout() {
    delete window_.data();
}

void FrmAbout::ShowModal(QWidget *owner) {
    if (window_ != nullptr) {
        // Already up (a nested request): it is modal, so just bring it forward.
        window_->raise();
        window_->activateWindow();
        return;
    }

    // At start-up there is no window to own it: the window system keeps it
    // off the taskbar instead (see AboutWindow::showEvent). A stand-in Qt
    // owner would cost a second native window, which under Wine loads its
    // whole OpenGL stack.
    window_ = new AboutWindow(picture(), owner);
    window_->exec();
    delete window_.data(); // unloaded: the next showing starts from scratch
}

bool FrmAbout::IsLoaded() const {
    return window_ != nullptr;
}

QDialog *FrmAbout::window() const {
    return window_.data();
}

const QImage &FrmAbout::picture() {
    // The first window the user sees waits on this, so it is decoded only
    // when first needed, once, already at the size it is shown in.
    if (!pictureDecoded_) {
        pictureDecoded_ = true;
        const QImage decoded(QString::fromLatin1(resources::kAboutPicturePath));
        if (!decoded.isNull()) {
            picture_ = decoded.scaled(AboutWindow::PictureSize(), Qt::IgnoreAspectRatio,
                                      Qt::SmoothTransformation);
        }
    }
    return picture_;
}

} // namespace vrc::ui
