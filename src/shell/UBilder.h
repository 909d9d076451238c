// The pictures the program draws itself: the maker's logo and the built-in
// partner picture (replaced by KompLogo.BMP where the installation has one).
#pragma once

#include <QPixmap>
#include <QSize>

namespace Bilder {

// The maker's logo: a compost pile under a leaf with an O2 bubble, on a
// green rounded square. Drawn for the screen's pixel ratio.
QPixmap HerstellerLogo(int seite, qreal pixelVerhaeltnis = 1.0);
// The built-in partner picture: a round emblem with a leaf and a
// thermometer beside a two-line lettering.
QPixmap PartnerBild(QSize groesse, qreal pixelVerhaeltnis = 1.0);

} // namespace Bilder
