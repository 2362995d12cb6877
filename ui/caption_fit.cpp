#include "ui/caption_fit.h"

#include <QFontMetrics>
#include <QLabel>

namespace teilerwerk {
namespace {

constexpr double PointStep = 0.5;
// The smallest size a caption is stepped down to; below it the caption is left as it is.
constexpr double SmallestCaptionPointSize = 6.0;

// Where the label draws its caption: inside the frame, after the indent that a framed label keeps
// from its edge, and no further than its parent shows it.
QRect CaptionRoom(const QLabel& label, const QFontMetrics& metrics)
{
    QRect room = label.contentsRect();
    if (const QWidget* parent = label.parentWidget()) {
        room &= QRect(-label.pos(), parent->size());
    }
    const int indent = label.indent() >= 0 ? label.indent()
        : label.frameWidth() > 0           ? metrics.horizontalAdvance(QLatin1Char('x')) / 2
                                           : 0;
    const int margin = indent + label.margin();
    return room.adjusted(margin, label.margin(), -margin, -label.margin());
}

bool CaptionFits(const QLabel& label, const QFont& font)
{
    const QFontMetrics metrics(font, &label);
    const QRect room = CaptionRoom(label, metrics);
    const int flags = int(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
    return room.contains(metrics.boundingRect(room, flags, label.text()));
}

}  // namespace

void FitCaption(QLabel& label)
{
    QFont font = label.font();
    while (!CaptionFits(label, font) && font.pointSizeF() - PointStep >= SmallestCaptionPointSize) {
        font.setPointSizeF(font.pointSizeF() - PointStep);
    }
    label.setFont(font);
}

}  // namespace teilerwerk
