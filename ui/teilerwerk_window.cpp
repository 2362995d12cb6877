#include "ui/teilerwerk_window.h"

#include "calc/calculate.h"
#include "ui/accessible_roles.h"
#include "ui/caption_fit.h"
#include "ui/click_label.h"
#include "ui/icons/teilerwerk.xpm"
#include "ui/twips.h"

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

// The faces are named outright so that the captions fit as drawn. Where one is missing, a face cut
// to the same widths stands in before any other: FreeSans comes from Nimbus Sans, a Helvetica, as
// wide as Liberation Sans, Arimo and Arial; Liberation Serif is as wide as Tinos, Times New Roman,
// Nimbus Roman and FreeSerif. Only then does the nearest face of the same kind stand in.
const QStringList SansFaces = {QStringLiteral("FreeSans"), QStringLiteral("Nimbus Sans"),
    QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial")};
const QStringList SerifFaces = {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
    QStringLiteral("Times New Roman"), QStringLiteral("Nimbus Roman"), QStringLiteral("FreeSerif")};
constexpr int PointSize = 12;

const QString Prompt = QStringLiteral("Ganzzahl  maximal ca. 10 Stellen eingeben:");
const QString Notice = QStringLiteral("Die Rechnung kann bei großen Zahlen sehr lange dauern. "
                                      "Das Erbnis gilt erst dann, wenn oben der Cursor blinkt.");

const QColor WindowGreen(0, 255, 0);
const QColor LightGreen(192, 255, 192);
const QColor Red(255, 0, 0);
// The labels' backgrounds are fixed, so their text keeps the colour they were designed with
// rather than a theme's, which may be light.
const QColor LabelText(0, 0, 0);

// The client area and every control, in twips.
const QRect ClientTwips(0, 0, 8250, 1545);
const QRect Label1Twips(120, 120, 4695, 375);
const QRect Text1Twips(4800, 120, 2055, 375);
const QRect Label2Twips(6840, 120, 1335, 375);
const QRect Text2Twips(120, 480, 8055, 495);
const QRect Label3Twips(120, 960, 8055, 615);

QFont Face(const QStringList& families, QFont::StyleHint kind)
{
    QFont font(families, PointSize, QFont::Normal);
    font.setStyleHint(kind);
    return font;
}

// Places a control at its fixed position in the window.
template <typename Control>
Control* Place(Control* control, const char* name, const QRect& twips, const QFont& font)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(PixelsFromTwips(twips, *control));
    control->setFont(font);
    return control;
}

// Sets only the given roles, so that every other colour keeps following the desktop's theme, also
// when it changes while the program runs.
void Colour(QWidget* widget, const QColor& background, const QColor& text = QColor())
{
    QPalette palette;
    palette.setColor(QPalette::Window, background);
    if (text.isValid()) {
        palette.setColor(QPalette::WindowText, text);
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

}  // namespace

Teilerwerk::Teilerwerk(QWidget* parent) : QWidget(parent)
{
    InstallAccessibleRoles();
    setObjectName(QStringLiteral("Teilerwerk"));
    setWindowTitle(QStringLiteral("Teilerwerk"));
    setWindowIcon(QIcon(QPixmap(teilerwerk_xpm)));
    Colour(this, WindowGreen);
    resize(PixelsFromTwips(ClientTwips, *this).size());

    const QFont sans = Face(SansFaces, QFont::SansSerif);
    const QFont serif = Face(SerifFaces, QFont::Serif);

    // The labels come first so that the text boxes, created later, lie in front where they overlap.
    Label1 = Place(new QLabel(Prompt, this), "Label1", Label1Twips, sans);
    Label1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Colour(Label1, LightGreen, LabelText);
    FitCaption(*Label1);

    Label2 = Place(new ClickLabel(QStringLiteral("berechnen"), this), "Label2", Label2Twips, sans);
    Label2->setAlignment(Qt::AlignCenter);
    Colour(Label2, Red, LabelText);
    FitCaption(*Label2);

    Label3 = Place(new QLabel(Notice, this), "Label3", Label3Twips, serif);
    Label3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label3->setWordWrap(true);
    Colour(Label3, WindowGreen, LabelText);
    FitCaption(*Label3);

    Text1 = Place(new QLineEdit(this), "Text1", Text1Twips, sans);
    Text1->setMaxLength(std::numeric_limits<int>::max());
    Label1->setBuddy(Text1);

    // Qt keeps the CR LF as one line break.
    Text2 = Place(new QPlainTextEdit(QStringLiteral("Ergebnis\r\n"), this), "Text2", Text2Twips, sans);
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
