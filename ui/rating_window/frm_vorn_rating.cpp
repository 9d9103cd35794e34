#include "ui/rating_window/frm_vorn_rating.h"

#include "engine/calculation.h"
#include "resource_paths.h"
#include "runtime/command_button.h"
#include "runtime/user_feedback.h"
#include "runtime/window_system.h"
#include "ui/rating_window/entry_box.h"
#include "ui/rating_window/picture_box.h"
#include "ui/shared/fonts.h"
#include "ui/shared/mirroring.h"
#include "ui/shared/rule_line.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <utility>
#include <variant>
#include <vrc_version.h>

namespace vrc::ui {

namespace {

constexpr int kClientWidth = 401;
constexpr int kClientHeight = 235;

// Columns and rows of the grid, in pixels from the client area's corner.
constexpr int kLabelLeft = 16;
constexpr int kEntryLeft = 96;
constexpr int kWinLeft = 200;
constexpr int kLossLeft = 296;
constexpr int kColumnWidth = 89;
constexpr int kHeadingTop = 8;
constexpr int kLabelHeight = 17;
constexpr int kEntryHeight = 19;
constexpr int kOutputHeight = 17;
constexpr std::array<int, engine::kRows> kTeamTops{40, 64, 88};
constexpr std::array<int, engine::kRows> kOpponentTops{120, 144, 168};
constexpr int kButtonTop = 200;
constexpr int kButtonWidth = 81;
constexpr int kButtonHeight = 25;

QString IndexedName(const char *name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

template <typename Control>
Control *Place(Control *control, const QString &name, const QRect &rect, const QFont &font) {
    control->setObjectName(name);
    control->setGeometry(Placed(*control->parentWidget(), rect, kClientWidth));
    control->setFont(font);
    return control;
}

QLabel *MakeLabel(QWidget *parent, const char *name, const QString &caption, const QRect &rect,
                  Qt::Alignment horizontal) {
    auto *label = Place(new QLabel(caption, parent), QLatin1String(name), rect, CaptionFont(9.75));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Aligned(*parent, horizontal | Qt::AlignTop));
    label->setWordWrap(true);
    label->setAutoFillBackground(true);
    return label;
}

QPushButton *MakeButton(QWidget *parent, const char *name, const QString &caption, int left) {
    return Place(new runtime::CommandButton(caption, parent), QLatin1String(name),
                 QRect(left, kButtonTop, kButtonWidth, kButtonHeight), CaptionFont(9.75));
}

// A 1-pixel rule in the window-text colour; `rect` covers both end points.
QWidget *MakeLine(QWidget *parent, const char *name, const QRect &rect, RuleLine::Reading reading) {
    auto *line = new RuleLine(reading, parent);
    line->setObjectName(QLatin1String(name));
    line->setGeometry(Placed(*parent, rect, kClientWidth));
    line->setBackgroundRole(QPalette::WindowText);
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    return line;
}

// Selects `length` characters from the selection's start (the caret when
// nothing is selected), cut at the end of the text.
void SetSelLength(QLineEdit *box, int length) {
    const int start = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
    box->setSelection(start, length);
}

} // namespace

FrmVornRating::FrmVornRating(HelpHandler showHelp, QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , showHelp_(std::move(showHelp)) {
    setObjectName(QStringLiteral("frmVornRating"));
    setWindowTitle(QString::fromUtf8(identity::kWindowTitle));
    setWindowIcon(QIcon(QString::fromLatin1(resources::kIconPath)));
    // Nothing on the window is drawn in it: every control carries its own.
    setFont(CaptionFont(12));
    // Sizable, but nothing inside follows the frame.
    resize(kClientWidth, kClientHeight);

    createControls();
    createLines();
    setFocusOrder();
    setAccessibleNames();
    createConnections();
    txtRold.at(0)->setFocus(Qt::OtherFocusReason);
}

void FrmVornRating::createControls() {
    // Created first so that the entry boxes lie in front of their right end.
    Label1 = MakeLabel(this, "Label1", tr("Your Team"),
                       QRect(kLabelLeft, kTeamTops[0], kColumnWidth, kLabelHeight), Qt::AlignLeft);
    Label2 =
        MakeLabel(this, "Label2", tr("Opponents"),
                  QRect(kLabelLeft, kOpponentTops[0], kColumnWidth, kLabelHeight), Qt::AlignLeft);
    Label3 =
        MakeLabel(this, "Label3", tr("Old Ratings"),
                  QRect(kEntryLeft, kHeadingTop, kColumnWidth, kLabelHeight), Qt::AlignHCenter);
    Label4 = MakeLabel(this, "Label4", tr("You Win"),
                       QRect(kWinLeft, kHeadingTop, kColumnWidth, kLabelHeight), Qt::AlignHCenter);
    Label5 = MakeLabel(this, "Label5", tr("You Lose"),
                       QRect(kLossLeft, kHeadingTop, kColumnWidth, kLabelHeight), Qt::AlignHCenter);

    const QFont boxFont = BoxFont();
    for (int row = 0; row < engine::kRows; ++row) {
        const auto index = static_cast<std::size_t>(row);
        txtRold.at(index) =
            Place(new EntryBox(this), IndexedName("txtRold", row),
                  QRect(kEntryLeft, kTeamTops.at(index), kColumnWidth, kEntryHeight), boxFont);
        txtROpponent.at(index) =
            Place(new EntryBox(this), IndexedName("txtROpponent", row),
                  QRect(kEntryLeft, kOpponentTops.at(index), kColumnWidth, kEntryHeight), boxFont);
        picRwin.at(index) =
            Place(new PictureBox(this), IndexedName("picRwin", row),
                  QRect(kWinLeft, kTeamTops.at(index), kColumnWidth, kOutputHeight), boxFont);
        picRlose.at(index) =
            Place(new PictureBox(this), IndexedName("picRlose", row),
                  QRect(kLossLeft, kTeamTops.at(index), kColumnWidth, kOutputHeight), boxFont);
    }

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(Placed(*this, QRect(240, 120, 97, 71), kClientWidth));
    Image1->setScaledContents(true);
    // Without the picture the area simply stays empty.
    const QPixmap picture(QString::fromLatin1(resources::kRatingPicturePath));
    if (!picture.isNull()) {
        Image1->setPixmap(picture);
    }

    cmdCalculate = MakeButton(this, "cmdCalculate", tr("&Calculate"), 8);
    cmdReset = MakeButton(this, "cmdReset", tr("&Reset"), 104);
    cmdHelp = MakeButton(this, "cmdHelp", tr("&Help"), kWinLeft);
    cmdExit = MakeButton(this, "cmdExit", tr("E&xit"), kLossLeft);
    cmdCalculate->setDefault(true);
}

void FrmVornRating::createLines() {
    // Line3 starts left of the client area and crosses the headings' bottom row.
    // The rows part the headings, team and opponents; the column rule means
    // nothing to a reader going through the controls in order.
    Line3 = MakeLine(this, "Line3", QRect(-16, 24, 417, 1), RuleLine::Reading::Separator);
    Line2 = MakeLine(this, "Line2", QRect(192, 8, 1, 177), RuleLine::Reading::Decoration);
    Line1 = MakeLine(this, "Line1", QRect(0, 112, 401, 1), RuleLine::Reading::Separator);
}

void FrmVornRating::setFocusOrder() {
    const std::array<QWidget *, 16> order{
        txtRold[0],  txtRold[1],  txtRold[2], txtROpponent[0], txtROpponent[1], txtROpponent[2],
        picRwin[0],  picRwin[1],  picRwin[2], cmdReset,        cmdCalculate,    picRlose[0],
        picRlose[1], picRlose[2], cmdHelp,    cmdExit,
    };
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order.at(i - 1), order.at(i));
    }
}

void FrmVornRating::setAccessibleNames() {
    for (int row = 0; row < engine::kRows; ++row) {
        const auto index = static_cast<std::size_t>(row);
        const int player = row + 1;
        txtRold.at(index)->setAccessibleName(tr("Your team, player %1 rating").arg(player));
        txtROpponent.at(index)->setAccessibleName(tr("Opponent %1 rating").arg(player));
        picRwin.at(index)->setAccessibleName(tr("Player %1 rating after a win").arg(player));
        picRlose.at(index)->setAccessibleName(tr("Player %1 rating after a loss").arg(player));
    }
    Image1->setAccessibleName(tr("A balance weighing your team against the opponents"));
    cmdCalculate->setAccessibleName(tr("Calculate"));
    cmdReset->setAccessibleName(tr("Reset"));
    cmdHelp->setAccessibleName(tr("Help"));
    cmdExit->setAccessibleName(tr("Exit"));
}

void FrmVornRating::createConnections() {
    connect(cmdCalculate, &QPushButton::clicked, this, &FrmVornRating::cmdCalculate_Click);
    connect(cmdReset, &QPushButton::clicked, this, &FrmVornRating::cmdReset_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &FrmVornRating::cmdHelp_Click);
    connect(cmdExit, &QPushButton::clicked, this, &FrmVornRating::cmdExit_Click);
    for (int row = 0; row < engine::kRows; ++row) {
        const auto index = static_cast<std::size_t>(row);
        connect(txtRold.at(index), &EntryBox::gotFocus, this,
                [this, row] { txtRold_GotFocus(row); });
        connect(txtROpponent.at(index), &EntryBox::gotFocus, this,
                [this, row] { txtROpponent_GotFocus(row); });
        for (PictureBox *box : {picRwin.at(index), picRlose.at(index)}) {
            box->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(box, &PictureBox::customContextMenuRequested, this,
                    [this, box](const QPoint &pos) { picResult_ContextMenu(box, pos); });
        }
    }
    // Help's key on Windows and on Linux desktops.
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, &FrmVornRating::cmdHelp_Click);
}

void FrmVornRating::reject() {}

void FrmVornRating::closeEvent(QCloseEvent *event) {
    // QDialog would route the close control through reject(), which does
    // nothing here; the close control must still close the window.
    event->accept();
}

void FrmVornRating::showEvent(QShowEvent *event) {
    // A main window: the window system places it, not the dialog centring.
    QWidget::showEvent(event); // NOLINT(bugprone-parent-virtual-call)
    runtime::ActivateWindow(*this);
}

void FrmVornRating::cmdCalculate_Click() {
    engine::RatingEntrySet entries;
    for (std::size_t row = 0; row < engine::kRows; ++row) {
        entries.team.at(row) = txtRold.at(row)->text();
        entries.opponents.at(row) = txtROpponent.at(row)->text();
    }
    // Every row is formed before anything is erased, so a refusal (a result out of
    // range among them) leaves the window exactly as it was.
    const engine::CalculationOutcome outcome = engine::CalculateEntries(entries, QLocale());
    if (const auto *refusal = std::get_if<engine::Refusal>(&outcome)) {
        ReportRefusal(*refusal);
        return;
    }
    const auto &calculation = std::get<engine::Calculation>(outcome);
    for (std::size_t row = 0; row < engine::kRows; ++row) {
        picRwin.at(row)->Cls();
        picRlose.at(row)->Cls();
    }
    resultsFrom_.fill(std::nullopt);
    for (std::size_t row = 0; row < engine::kRows; ++row) {
        if (const auto &newRatings = calculation.rows.at(row)) {
            picRwin.at(row)->Print(newRatings->afterWin);
            picRlose.at(row)->Print(newRatings->afterLoss);
            resultsFrom_.at(row) = calculation.accepted.team.at(row);
        }
    }
}

void FrmVornRating::cmdReset_Click() {
    for (std::size_t row = 0; row < engine::kRows; ++row) {
        txtRold.at(row)->setText(QString());
        txtROpponent.at(row)->setText(QString());
        picRwin.at(row)->Cls();
        picRlose.at(row)->Cls();
    }
    resultsFrom_.fill(std::nullopt);
    txtRold.at(0)->SetFocus();
}

void FrmVornRating::cmdHelp_Click() {
    if (showHelp_) {
        const QPointer<FrmVornRating> alive(this);
        showHelp_(this);
        if (alive) {
            TakeBackActivation();
        }
    }
}

void FrmVornRating::cmdExit_Click() {
    runtime::Feedback().End();
}

void FrmVornRating::txtRold_GotFocus(int Index) {
    QLineEdit *box = txtRold.at(static_cast<std::size_t>(Index));
    SetSelLength(box, static_cast<int>(box->text().size()));
}

void FrmVornRating::txtROpponent_GotFocus(int Index) {
    QLineEdit *box = txtROpponent.at(static_cast<std::size_t>(Index));
    SetSelLength(box, static_cast<int>(box->text().size()));
}

void FrmVornRating::picResult_ContextMenu(PictureBox *box, const QPoint &pos) {
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setAccessibleName(tr("Result"));
    QAction *copy = menu->addAction(tr("Copy"));
    copy->setEnabled(!box->Numbers().isEmpty());
    connect(copy, &QAction::triggered, box, &PictureBox::Copy);
    const QString all = AllResults();
    QAction *copyAll = menu->addAction(tr("Copy All Results"));
    copyAll->setEnabled(!all.isEmpty());
    connect(copyAll, &QAction::triggered, this,
            [all] { QGuiApplication::clipboard()->setText(all); });
    menu->popup(box->mapToGlobal(pos));
}

QString FrmVornRating::AllResults() const {
    QString lines;
    for (std::size_t row = 0; row < engine::kRows; ++row) {
        const auto &old = resultsFrom_.at(row);
        if (old && !picRwin.at(row)->Numbers().isEmpty()) {
            lines += QStringLiteral("%1\t%2\t%3\n")
                         .arg(*old)
                         .arg(picRwin.at(row)->Numbers(), picRlose.at(row)->Numbers());
        }
    }
    return lines;
}

void FrmVornRating::ReportRefusal(const engine::Refusal &refusal) {
    if (Alert(refusal.message)) {
        EntryBoxOf(static_cast<std::int16_t>(refusal.row), refusal.group)->SetFocus();
    }
}

bool FrmVornRating::Alert(const QString &message) {
    const QPointer<FrmVornRating> alive(this);
    runtime::Feedback().Beep();
    runtime::Feedback().Exclaim(this, message, tr("Error"));
    if (alive.isNull()) {
        return false;
    }
    TakeBackActivation();
    return true;
}

void FrmVornRating::TakeBackActivation() {
    // Without a window manager nothing else would.
    if (isVisible()) {
        runtime::ActivateWindow(*this);
    }
}

EntryBox *FrmVornRating::EntryBoxOf(std::int16_t row, std::int16_t group) const {
    const auto index = static_cast<std::size_t>(row);
    return group == engine::kGroupTeam ? txtRold.at(index) : txtROpponent.at(index);
}

} // namespace vrc::ui
