#pragma once

#include <QDialog>
#include <QImage>
#include <array>

class QLabel;
class QPushButton;

namespace vrc::ui {

// The About window as it stands on screen while loaded. It is built from its
// fixed definition each time it is loaded; FrmAbout decides when.
class AboutWindow final : public QDialog {
    Q_OBJECT

public:
    // `picture` is the decoded picture for Image1 (may be null: the image
    // then stays empty). `owner` is the window it belongs to, nullptr at
    // start-up.
    AboutWindow(const QImage &picture, QWidget *owner);

    // Where the client area stands on the screen, every time it is shown.
    static QRect PlacementOnScreen();
    // The rectangle Image1 stretches its picture over.
    static QSize PictureSize();

    // Esc and the title bar's close control unload the window as OK does.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createWindow();
    void createControls(const QImage &picture);
    void createLines();
    void createStacking();
    void createConnections();

    void cmdOK_Click();

    QLabel *Image1 = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblDescription = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *lblDisclaimer = nullptr;
    QLabel *Label2 = nullptr;
    QPushButton *cmdOK = nullptr;
    // Told apart by Index: 0 is the white under-stroke, 1 the grey stroke.
    std::array<QWidget *, 2> Line1{};
};

} // namespace vrc::ui
