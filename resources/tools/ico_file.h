#pragma once

#include <QByteArray>
#include <QImage>

namespace vrc::art {

// Reduces an ARGB image to at most 256 colours for a classic icon: pixels at least half
// opaque keep their colour, the rest become palette entry 0, transparent black (black so
// that the icon's XOR image leaves the screen untouched where the mask shows through).
// The palette always holds 256 entries.
QImage toIconPalette(const QImage &argb);

// An ICO file with one 8-bit palettised image (BMP data with its AND mask), as Windows
// resource compilers and shells expect for a 256-colour icon.
QByteArray icoFromIndexed(const QImage &indexed);

} // namespace vrc::art
