// The yardstick for start-up: the least a Qt Widgets program can show.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Bare dialog"));
    auto *label = new QLabel(QStringLiteral("Bare dialog"), &dialog);
    label->move(16, 16);
    auto *button = new QPushButton(QStringLiteral("OK"), &dialog);
    button->move(16, 48);
    QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::accept);
    dialog.show();
    return QApplication::exec();
}
