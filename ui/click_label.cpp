#include "ui/click_label.h"

#include <QMouseEvent>

namespace teilerwerk {

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) { }

void ClickLabel::click() { emit clicked(); }

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    pressed_ = true;
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    const bool wasPressed = pressed_;
    pressed_ = false;
    event->accept();
    if (wasPressed && rect().contains(event->position().toPoint())) {
        click();
    }
}

}  // namespace teilerwerk
