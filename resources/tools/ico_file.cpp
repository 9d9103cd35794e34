#include "ico_file.h"

#include <QHash>
#include <QIODevice>
#include <QtEndian>
#include <cstdint>

namespace vrc::art {

namespace {

constexpr int kPaletteSize = 256;
constexpr int kOpaqueFrom = 128;

// Drops low bits until the colours fit; only an unusually busy image needs it.
QRgb coarse(QRgb c, int dropBits) {
    const int keep = 0xFF & ~((1 << dropBits) - 1);
    return qRgb(qRed(c) & keep, qGreen(c) & keep, qBlue(c) & keep);
}

class LittleEndianWriter {
public:
    void u8(int v) { out.append(static_cast<char>(v & 0xFF)); }
    void u16(int v) {
        u8(v);
        u8(v >> 8);
    }
    void u32(std::uint32_t v) {
        u16(static_cast<int>(v & 0xFFFFU));
        u16(static_cast<int>(v >> 16));
    }
    QByteArray out;
};

int rowBytes(int bitsPerRow) {
    return ((bitsPerRow + 31) / 32) * 4;
}

} // namespace

QImage toIconPalette(const QImage &argb) {
    const QImage src = argb.convertToFormat(QImage::Format_ARGB32);
    for (int drop = 0; drop < 8; ++drop) {
        QVector<QRgb> table{qRgba(0, 0, 0, 0)};
        QHash<QRgb, int> index;
        QImage out(src.size(), QImage::Format_Indexed8);
        bool fits = true;
        for (int y = 0; y < src.height() && fits; ++y) {
            const auto *in = reinterpret_cast<const QRgb *>(src.constScanLine(y));
            uchar *line = out.scanLine(y);
            for (int x = 0; x < src.width(); ++x) {
                if (qAlpha(in[x]) < kOpaqueFrom) {
                    line[x] = 0;
                    continue;
                }
                const QRgb c = coarse(in[x], drop);
                auto it = index.constFind(c);
                if (it == index.constEnd()) {
                    if (table.size() == kPaletteSize) {
                        fits = false;
                        break;
                    }
                    it = index.insert(c, static_cast<int>(table.size()));
                    table.append(c);
                }
                line[x] = static_cast<uchar>(it.value());
            }
        }
        if (fits) {
            table.resize(kPaletteSize, qRgb(0, 0, 0));
            out.setColorTable(table);
            return out;
        }
    }
    return {};
}

QByteArray icoFromIndexed(const QImage &indexed) {
    const int w = indexed.width();
    const int h = indexed.height();
    const int xorStride = rowBytes(w * 8);
    const int andStride = rowBytes(w);
    const auto table = indexed.colorTable();

    LittleEndianWriter bmp;
    // BITMAPINFOHEADER; the height counts the XOR image and the AND mask together.
    bmp.u32(40);
    bmp.u32(static_cast<std::uint32_t>(w));
    bmp.u32(static_cast<std::uint32_t>(2 * h));
    bmp.u16(1);
    bmp.u16(8);
    bmp.u32(0);
    bmp.u32(static_cast<std::uint32_t>((xorStride + andStride) * h));
    bmp.u32(0);
    bmp.u32(0);
    bmp.u32(kPaletteSize);
    bmp.u32(0);
    for (int i = 0; i < kPaletteSize; ++i) {
        const QRgb c = i < table.size() ? table.at(i) : qRgb(0, 0, 0);
        bmp.u8(qBlue(c));
        bmp.u8(qGreen(c));
        bmp.u8(qRed(c));
        bmp.u8(0);
    }
    // Rows run bottom-up in both images.
    for (int y = h - 1; y >= 0; --y) {
        const uchar *line = indexed.constScanLine(y);
        for (int x = 0; x < xorStride; ++x) {
            bmp.u8(x < w ? line[x] : 0);
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        const uchar *line = indexed.constScanLine(y);
        for (int byte = 0; byte < andStride; ++byte) {
            int bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const int x = byte * 8 + bit;
                const bool transparent = x >= w || qAlpha(table.at(line[x])) == 0;
                bits |= (transparent ? 1 : 0) << (7 - bit);
            }
            bmp.u8(bits);
        }
    }

    LittleEndianWriter ico;
    ico.u16(0); // reserved
    ico.u16(1); // type: icon
    ico.u16(1); // one image
    ico.u8(w);
    ico.u8(h);
    ico.u8(0); // palette size field: 0 for 256 colours
    ico.u8(0);
    ico.u16(1);                                          // colour planes
    ico.u16(8);                                          // bits per pixel
    ico.u32(static_cast<std::uint32_t>(bmp.out.size())); // size of the image data
    ico.u32(6 + 16);                                     // where it starts
    return ico.out + bmp.out;
}

} // namespace vrc::art
