#pragma once

#include <QFontMetrics>
#include <QLabel>
#include <QString>

// Whether a label's caption shows whole: inside its frame and indent, and within the window, which
// cuts off the bottom of the notice. Returns what is wrong, or an empty text.
inline QString CaptionOverflow(const QLabel& label, const QWidget& window)
{
    const QFontMetrics metrics(label.font(), &label);
    QRect room = label.contentsRect();
    room.setBottom(qMin(room.bottom(), window.height() - 1 - label.y()));
    const int indent = label.frameWidth() > 0 ? metrics.horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    room.adjust(indent, 0, -indent, 0);
    const int flags = int(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
    const QRect needed = metrics.boundingRect(room, flags, label.text());
    if (room.contains(needed)) {
        return {};
    }
    return QStringLiteral("%1 needs %2x%3, has %4x%5")
        .arg(label.objectName())
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}
