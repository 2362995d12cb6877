#include "ui/teilerwerk_window.h"

#include "calc/calculate.h"
#include "ui/click_label.h"
#include "ui/icons/teilerwerk.xpm"

#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>

#include <limits>
#include <string_view>

namespace teilerwerk {
namespace {

// The faces are named outright so that the captions keep fitting whatever else is installed.
const QString SansFace = QStringLiteral("FreeSans");
const QString SerifFace = QStringLiteral("Liberation Serif");
constexpr int PointSize = 12;

const QString Prompt = QStringLiteral("Ganzzahl  maximal ca. 10 Stellen eingeben:");
const QString Notice = QStringLiteral("Die Rechnung kann bei großen Zahlen sehr lange dauern. "
                                      "Das Erbnis gilt erst dann, wenn oben der Cursor blinkt.");

const QColor WindowGreen(0, 255, 0);
const QColor LightGreen(192, 255, 192);
const QColor Red(255, 0, 0);

// Places a control at its fixed position in the window, in logical pixels.
template <typename Control>
Control* Place(Control* control, const char* name, const QRect& geometry, const QString& face)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(geometry);
    control->setFont(QFont(face, PointSize, QFont::Normal));
    return control;
}

void FillBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

}  // namespace

Teilerwerk::Teilerwerk(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Teilerwerk"));
    setWindowTitle(QStringLiteral("Teilerwerk"));
    setWindowIcon(QIcon(QPixmap(teilerwerk_xpm)));
    FillBackground(this, WindowGreen);
    resize(550, 103);

    // The labels come first so that the text boxes, created later, lie in front where they overlap.
    Label1 = Place(new QLabel(Prompt, this), "Label1", {8, 8, 313, 25}, SansFace);
    Label1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    FillBackground(Label1, LightGreen);

    Label2 = Place(new ClickLabel(QStringLiteral("berechnen"), this), "Label2", {456, 8, 89, 25}, SansFace);
    Label2->setAlignment(Qt::AlignCenter);
    FillBackground(Label2, Red);

    Label3 = Place(new QLabel(Notice, this), "Label3", {8, 64, 537, 41}, SerifFace);
    Label3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label3->setWordWrap(true);

    Text1 = Place(new QLineEdit(this), "Text1", {320, 8, 137, 25}, SansFace);
    Text1->setMaxLength(std::numeric_limits<int>::max());
    Label1->setBuddy(Text1);

    // Qt keeps the CR LF as one line break.
    Text2 = Place(
        new QPlainTextEdit(QStringLiteral("Ergebnis\r\n"), this), "Text2", {8, 32, 537, 33}, SansFace);
    Text2->setAccessibleName(QStringLiteral("Ergebnis"));
    Text2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text2->setWordWrapMode(QTextOption::WordWrap);
    Text2->setTabChangesFocus(true);

    setTabOrder(Text1, Text2);
    Text1->setFocus();

    connect(Label2, &ClickLabel::clicked, this, &Teilerwerk::ShowResult);
}

void Teilerwerk::ShowResult()
{
    const QByteArray input = Text1->text().toUtf8();
    const std::string result = Calculate(store_, std::string_view(input.constData(), input.size()));
    Text2->setPlainText(QString::fromStdString(result));
}

}  // namespace teilerwerk
