#include "ui/twips.h"

#include <QPaintDevice>

#include <cmath>

namespace teilerwerk {
namespace {

constexpr int TwipsPerInch = 1440;

int PixelEdge(int twips, int dpi)
{
    return static_cast<int>(std::lround(double(twips) * dpi / TwipsPerInch));
}

}  // namespace

QRect PixelsFromTwips(const QRect& twips, const QPaintDevice& device)
{
    const int dpiX = device.logicalDpiX();
    const int dpiY = device.logicalDpiY();
    const int left = PixelEdge(twips.left(), dpiX);
    const int top = PixelEdge(twips.top(), dpiY);
    const int right = PixelEdge(twips.left() + twips.width(), dpiX);
    const int bottom = PixelEdge(twips.top() + twips.height(), dpiY);
    return {left, top, right - left, bottom - top};
}

}  // namespace teilerwerk
