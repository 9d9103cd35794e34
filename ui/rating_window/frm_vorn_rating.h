#pragma once

#include "engine/rating.h"

#include <QDialog>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace vrc::engine {
struct Refusal;
} // namespace vrc::engine

class QLabel;
class QLineEdit;
class QPushButton;

namespace vrc::ui {

class EntryBox;
class PictureBox;

// The main window: up to three ratings of the user's team and three of the
// opponents go in, each team player's rating after a win and after a loss
// comes out. A dialog shown modelessly as a main window, because only a
// dialog gives the default button that Enter presses.
class FrmVornRating : public QDialog {
    Q_OBJECT

public:
    // Shows the About window modally over `owner`; Help calls it.
    using HelpHandler = std::function<void(QWidget *owner)>;

    explicit FrmVornRating(HelpHandler showHelp, QWidget *parent = nullptr);

public slots:
    // Esc: the window has no cancel action.
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void createLines();
    void setFocusOrder();
    void setAccessibleNames();
    void createConnections();

    void cmdCalculate_Click();
    void cmdReset_Click();
    void cmdHelp_Click();
    void cmdExit_Click();
    void txtRold_GotFocus(int Index);
    void txtROpponent_GotFocus(int Index);
    // Copy and Copy All Results, for the output box right-clicked (or given the menu key).
    void picResult_ContextMenu(PictureBox *box, const QPoint &pos);
    // Each row that shows results as "old<TAB>win<TAB>lose" and a line break, top row
    // first, so that a paste into a spreadsheet fills three columns.
    [[nodiscard]] QString AllResults() const;

    // The message, then the caret in the box to fix (for a side without a rating, its
    // top box).
    void ReportRefusal(const engine::Refusal &refusal);
    // The beep and the message box; false when the window went away meanwhile.
    [[nodiscard]] bool Alert(const QString &message);
    // Becomes the active window again once a window over it has closed.
    void TakeBackActivation();
    [[nodiscard]] EntryBox *EntryBoxOf(std::int16_t row, std::int16_t group) const;

    HelpHandler showHelp_;
    // The team rating each row's results on show were formed from: what the user typed
    // may have changed since.
    std::array<std::optional<engine::Rating>, engine::kRows> resultsFrom_{};

    std::array<EntryBox *, engine::kRows> txtRold{};
    std::array<EntryBox *, engine::kRows> txtROpponent{};
    std::array<PictureBox *, engine::kRows> picRwin{};
    std::array<PictureBox *, engine::kRows> picRlose{};
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Image1 = nullptr;
    QWidget *Line1 = nullptr;
    QWidget *Line2 = nullptr;
    QWidget *Line3 = nullptr;
    QPushButton *cmdCalculate = nullptr;
    QPushButton *cmdReset = nullptr;
    QPushButton *cmdHelp = nullptr;
    QPushButton *cmdExit = nullptr;
};

} // namespace vrc::ui
