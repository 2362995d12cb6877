#pragma once

#include "calc/factor_store.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace teilerwerk {

class ClickLabel;

// The program's one window: a prompt, the input box and the "berechnen" label in a row, the
// result box below them and a notice at the bottom. A click on "berechnen" factorises the
// number in the input box into the result box.
class Teilerwerk : public QWidget {
    Q_OBJECT

public:
    explicit Teilerwerk(QWidget* parent = nullptr);

private:
    void ShowResult();

    QLabel* Label1;
    ClickLabel* Label2;
    QLabel* Label3;
    QLineEdit* Text1;
    QPlainTextEdit* Text2;
    FactorStore store_{};
};

}  // namespace teilerwerk
