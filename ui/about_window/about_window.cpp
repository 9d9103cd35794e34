#include "ui/about_window/about_window.h"

#include "runtime/window_system.h"
#include "ui/shared/fonts.h"
#include "ui/shared/mirroring.h"
#include "ui/shared/rule_line.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <resource_paths.h>
#include <vrc_version.h>

namespace vrc::ui {

namespace {

constexpr QRect kClientArea(156, 129, 390, 237);
constexpr QRect kImage1Rect(16, 8, 153, 89);

void setTextColour(QWidget *widget, const QColor &colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QLabel *addLabel(QWidget *parent, const char *name, const QRect &rect, const QString &caption) {
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(Placed(*parent, rect, kClientArea.width()));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Aligned(*parent, Qt::AlignLeft | Qt::AlignTop));
    label->setWordWrap(true);
    // Painting the whole rectangle is what lets a front label hide the part of
    // a label behind it that it overlaps.
    label->setAutoFillBackground(true);
    return label;
}

QWidget *addLine(QWidget *parent, int index, const QRect &rect, const QColor &colour,
                 RuleLine::Reading reading) {
    auto *line = new RuleLine(reading, parent);
    line->setObjectName(QStringLiteral("Line1(%1)").arg(index));
    line->setGeometry(Placed(*parent, rect, kClientArea.width()));
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    return line;
}

} // namespace

AboutWindow::AboutWindow(const QImage &picture, QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    createWindow();
    createControls(picture);
    createLines();
    createStacking();
    createConnections();
}

QRect AboutWindow::PlacementOnScreen() {
    return kClientArea;
}

QSize AboutWindow::PictureSize() {
    return kImage1Rect.size();
}

void AboutWindow::createWindow() {
    setObjectName(QStringLiteral("frmAbout"));
    // Shown before any other window exists: closing it must not count as the
    // program's last window closing.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QString::fromUtf8(identity::kWindowTitle));
    setWindowIcon(QIcon(QString::fromLatin1(resources::kIconPath)));
    setFont(BoxFont());
    setFixedSize(kClientArea.size());
    // The client area, not the frame, stands at the fixed point.
    setGeometry(kClientArea);
}

void AboutWindow::createControls(const QImage &picture) {
    const QColor black(0, 0, 0);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(Placed(*this, kImage1Rect, kClientArea.width()));
    Image1->setScaledContents(true);
    Image1->setAccessibleName(tr("Two teams on blocks as tall as their ratings"));
    if (!picture.isNull()) {
        Image1->setPixmap(QPixmap::fromImage(picture));
    }

    lblTitle = addLabel(this, "lblTitle", QRect(176, 8, 171, 32), QStringLiteral("Kestrix"));
    QFont title = CaptionFont(12);
    title.setItalic(true); // a name in Latin letters, also in a right-to-left window
    lblTitle->setFont(title);
    setTextColour(lblTitle, black);

    Label3 = addLabel(this, "Label3", QRect(176, 24, 203, 32), tr("Vorn Rating Calculator"));
    Label3->setFont(CaptionFont(12));
    setTextColour(Label3, black);

    lblVersion = addLabel(
        this, "lblVersion", QRect(176, 72, 155, 15),
        tr("Version: Solvane %1.%2").arg(identity::kVersionMajor).arg(identity::kVersionMinor));
    lblVersion->setFont(CaptionFont(8.25));

    lblDescription = addLabel(this, "lblDescription", QRect(48, 104, 259, 22),
                              tr("Written by the Kestrix tools team, 2026"));
    lblDescription->setFont(CaptionFont(9.75));
    setTextColour(lblDescription, black);

    Label1 = addLabel(this, "Label1", QRect(80, 120, 169, 17),
                      QStringLiteral("vornratingcalc@example.org"));

    lblDisclaimer = addLabel(this, "lblDisclaimer", QRect(0, 136, 385, 23),
                             tr("Free software under the MIT licence: copy it and pass it on."));
    setTextColour(lblDisclaimer, black);

    Label2 = addLabel(this, "Label2", QRect(8, 176, 265, 57),
                      tr("Enter the rating of players on your team and the opponent "
                         "team in the labelled boxes.  Click the calculate button to "
                         "determine the new ratings for a win or a loss for each "
                         "player on your team."));

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(Placed(*this, QRect(288, 192, 84, 23), kClientArea.width()));
    // Enter presses it through being the default; Esc through reject().
    cmdOK->setDefault(true);
    cmdOK->setFocus();
}

void AboutWindow::createLines() {
    // An etched rule: a grey stroke on top of a white one. The white pen is
    // 2 px wide centred on y = 164, so it covers rows 163 and 164; the grey
    // stroke in front keeps row 163, leaving the white showing below it.
    // A reader meets the rule once, as the grey stroke.
    Line1[0] = addLine(this, 0, QRect(7, 163, 370, 2), QColor(255, 255, 255),
                       RuleLine::Reading::Decoration);
    Line1[1] = addLine(this, 1, QRect(6, 163, 371, 1), QColor(128, 128, 128),
                       RuleLine::Reading::Separator);
}

void AboutWindow::createStacking() {
    const std::array<QWidget *, 11> frontToBack{
        cmdOK,          Label3,   Image1,   Label2,     Label1,        Line1[1],
        lblDescription, lblTitle, Line1[0], lblVersion, lblDisclaimer,
    };
    for (auto it = frontToBack.rbegin(); it != frontToBack.rend(); ++it) {
        (*it)->raise();
    }
}

void AboutWindow::createConnections() {
    connect(cmdOK, &QPushButton::clicked, this, &AboutWindow::cmdOK_Click);
}

void AboutWindow::reject() {
    cmdOK_Click();
}

void AboutWindow::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    // At start-up no window owns it; on X11 some taskbars list even an owned
    // window whose owner was never on screen.
    runtime::KeepOffTaskbar(*this);
    runtime::ActivateWindow(*this);
}

void AboutWindow::cmdOK_Click() {
    // Ends the modal showing; the form then destroys the window (unload).
    done(QDialog::Accepted);
}

} // namespace vrc::ui
