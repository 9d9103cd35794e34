#include "app/module1.h"

#include "app/accessibility.h"
#include "runtime/language.h"
#include "ui/about_window/frm_about.h"
#include "ui/rating_window/frm_vorn_rating.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <memory>
#include <resource_paths.h>
#include <vrc_version.h>

namespace vrc::app::Module1 {

namespace {
std::unique_ptr<ui::FrmAbout> g_frmAbout;
std::unique_ptr<ui::FrmVornRating> g_frmVornRating;
} // namespace

ui::FrmAbout &frmAbout() {
    if (!g_frmAbout) {
        g_frmAbout = std::make_unique<ui::FrmAbout>();
    }
    return *g_frmAbout;
}

ui::FrmVornRating &frmVornRating() {
    if (!g_frmVornRating) {
        g_frmVornRating = std::make_unique<ui::FrmVornRating>(
            [](QWidget *owner) { frmAbout().ShowModal(owner); });
    }
    return *g_frmVornRating;
}

void ApplyProgramIdentity() {
    QApplication::setApplicationName(QString::fromLatin1(identity::kProgramName));
    QApplication::setApplicationVersion(QString::fromLatin1(identity::kDisplayVersion));
    QApplication::setOrganizationDomain(QStringLiteral("example.org"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.VornRatingCalc"));
    QApplication::setWindowIcon(QIcon(QString::fromLatin1(resources::kIconPath)));
}

void ApplyUserLanguage() {
    const QString code = runtime::InstallTranslations();
    // Set here rather than left to Qt's own translation, which may be missing.
    QGuiApplication::setLayoutDirection(code.isEmpty() ? Qt::LeftToRight
                                                       : QLocale(code).textDirection());
}

void Main() {
    InstallAccessibility();
    frmAbout().ShowModal();
    frmVornRating().show();
}

void UnloadForms() {
    g_frmVornRating.reset();
    g_frmAbout.reset();
}

} // namespace vrc::app::Module1
