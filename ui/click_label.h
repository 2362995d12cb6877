#pragma once

#include <QLabel>

namespace teilerwerk {

// A label that reports a click the way a button counts one: the left button pressed and
// released inside it.
class ClickLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickLabel(const QString& text, QWidget* parent = nullptr);

    // What a click does, for those who press the label without a mouse, such as a screen reader.
    void click();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

}  // namespace teilerwerk
