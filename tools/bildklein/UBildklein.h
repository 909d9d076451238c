// Making a window picture small: scaling down and a palette of few colours.
#pragma once

#include <QImage>

namespace Bildklein {

// The picture scaled down (smoothly) to at most the width; a narrower one as it is.
QImage Verkleinert(const QImage &bild, int breite);

// The picture with a palette of at most n colours (2..256), format Indexed8.
// A picture of no more colours keeps each exactly; otherwise the palette is
// found by median cut over the picture's colours, weighted by how often each
// occurs, and every pixel takes the nearest palette colour (no dithering).
QImage MitPalette(const QImage &bild, int n);

} // namespace Bildklein
