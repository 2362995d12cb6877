#pragma once

#include <QRect>

class QPaintDevice;

namespace teilerwerk {

// A twip is a twentieth of a printer's point: 1440 make an inch, 15 a pixel at 96 dpi.
// The pixel rectangle of a rectangle given in twips, at the logical DPI of device. The edges are
// rounded rather than the sizes, so that controls meant to overlap by 15 twips still overlap.
QRect PixelsFromTwips(const QRect& twips, const QPaintDevice& device);

}  // namespace teilerwerk
