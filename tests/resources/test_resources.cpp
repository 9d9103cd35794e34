#include "resource_paths.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTest>
#include <QtEndian>

namespace {

// The start-of-frame marker of a JPEG stream (0xC0 baseline, 0xC2 progressive, ...), found by
// walking the segments; 0 when there is none before the first scan.
int frameMarker(const QByteArray &jpeg) {
    if (!jpeg.startsWith("\xFF\xD8")) {
        return 0;
    }
    qsizetype at = 2;
    while (at + 4 <= jpeg.size()) {
        if (static_cast<uchar>(jpeg[at]) != 0xFF) {
            return 0;
        }
        const int marker = static_cast<uchar>(jpeg[at + 1]);
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        const bool notAFrame = marker == 0xC4 || marker == 0xC8 || marker == 0xCC;
        if (marker >= 0xC0 && marker <= 0xCF && !notAFrame) {
            return marker;
        }
        if (marker == 0xDA) {
            return 0;
        }
        at += 2 + qFromBigEndian<quint16>(jpeg.constData() + at + 2);
    }
    return 0;
}

quint16 le16(const QByteArray &b, qsizetype at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}
quint32 le32(const QByteArray &b, qsizetype at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}

QByteArray readAll(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestResources : public QObject {
    Q_OBJECT

private slots:
    void embeddedImage_data();
    void embeddedImage();
    void icoFile();
    void hicolorIcon_data();
    void hicolorIcon();
};

void TestResources::embeddedImage_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("jpeg");
    QTest::newRow("icon") << QString(vrc::resources::kIconPath) << QSize(25, 28) << false;
    QTest::newRow("rating") << QString(vrc::resources::kRatingPicturePath) << QSize(545, 399)
                            << true;
    QTest::newRow("about") << QString(vrc::resources::kAboutPicturePath) << QSize(211, 133) << true;
}

// Every image is reachable under its fixed path from a program that only links the library,
// decodes, and has the size the windows are laid out for.
void TestResources::embeddedImage() {
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(bool, jpeg);

    QVERIFY2(QFile::exists(path), qPrintable(path));
    const QImage image(path);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), size);
    if (jpeg) {
        QCOMPARE(frameMarker(readAll(path)), 0xC0);
    } else {
        // The window icon is the same 256-colour image the executable carries.
        QCOMPARE(image.format(), QImage::Format_Indexed8);
        QVERIFY(image.colorCount() <= 256);
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(12, 14)), 255);
    }
}

void TestResources::icoFile() {
    const QByteArray ico = readAll(QStringLiteral(VRC_ICON_ICO));
    QVERIFY(ico.size() > 22 + 40);
    QCOMPARE(le16(ico, 2), quint16(1)); // an icon, not a cursor
    QCOMPARE(le16(ico, 4), quint16(1)); // one image
    QCOMPARE(static_cast<uchar>(ico[6]), uchar(25));
    QCOMPARE(static_cast<uchar>(ico[7]), uchar(28));
    QCOMPARE(le16(ico, 12), quint16(8));
    const quint32 bytes = le32(ico, 14);
    const quint32 offset = le32(ico, 18);
    QCOMPARE(qsizetype(offset) + qsizetype(bytes), ico.size());

    // The bitmap header must agree with the directory; its height counts the mask too.
    QCOMPARE(le32(ico, offset), quint32(40));
    QCOMPARE(le32(ico, offset + 4), quint32(25));
    QCOMPARE(le32(ico, offset + 8), quint32(2 * 28));
    QCOMPARE(le16(ico, offset + 14), quint16(8));
    const quint32 rowsWithPadding = 28 * 28 + 4 * 28;
    QCOMPARE(bytes, 40 + 256 * 4 + rowsWithPadding);

    // The mask makes the rounded corners transparent and leaves the middle solid.
    const QImage decoded(QStringLiteral(VRC_ICON_ICO));
    QCOMPARE(decoded.size(), QSize(25, 28));
    QCOMPARE(qAlpha(decoded.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(decoded.pixel(12, 14)), 255);
    QCOMPARE(decoded.pixel(12, 14), QImage(vrc::resources::kIconPath).pixel(12, 14));
}

void TestResources::hicolorIcon_data() {
    QTest::addColumn<int>("size");
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        QTest::addRow("%d", size) << size;
    }
}

void TestResources::hicolorIcon() {
    QFETCH(int, size);
    const QString path = QStringLiteral(VRC_HICOLOR_DIR "/%1x%1/vornratingcalc.png").arg(size);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(image.hasAlphaChannel());
}

QTEST_MAIN(TestResources)
#include "test_resources.moc"
