#include "ui/teilerwerk_window.h"

#include "tests/ui/caption_check.h"

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QStyle>
#include <QTest>

#include <cmath>
#include <memory>

using teilerwerk::Teilerwerk;

namespace {

// WCAG 2 relative luminance of an sRGB colour.
double Luminance(QRgb rgb)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
}

double Contrast(QRgb a, QRgb b)
{
    const double first = Luminance(a);
    const double second = Luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The contrast of the text in an area of a grab: the commonest colour is the background, and the
// pixel that stands out most from it is the ink at the heart of a glyph.
double TextContrast(const QImage& image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    QRgb background = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            background = it.key();
        }
    }
    double contrast = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        contrast = std::max(contrast, Contrast(background, it.key()));
    }
    return contrast;
}

QPalette DarkPalette()
{
    QPalette palette(QColor(53, 53, 53), QColor(42, 42, 42));
    palette.setColor(QPalette::WindowText, QColor(238, 238, 236));
    palette.setColor(QPalette::Text, QColor(238, 238, 236));
    palette.setColor(QPalette::ButtonText, QColor(238, 238, 236));
    palette.setColor(QPalette::Base, QColor(45, 45, 45));
    return palette;
}

QPalette HighContrastPalette()
{
    QPalette palette(Qt::white, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::ButtonText, Qt::white);
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Highlight, Qt::yellow);
    palette.setColor(QPalette::HighlightedText, Qt::black);
    return palette;
}

}  // namespace

class TeilerwerkWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controlsSitWhereTheyBelong_data();
    void controlsSitWhereTheyBelong();
    void captionsFitTheirLabels_data();
    void captionsFitTheirLabels();
    void clientAreaFollowsTheDpi();
    void windowLooksAsDescribed();
    void textStandsOutUnderEveryTheme_data();
    void textStandsOutUnderEveryTheme();
    void startsEmptyWithTheFocusInTheInputBox();
    void clickShowsTheResult_data();
    void clickShowsTheResult();
    void onlyALeftClickInsideTheLabelCalculates();
    void enterStartsNothing();
    void resizingMovesNothing();
    void nextClickReplacesWhatWasTypedIntoTheResult();
    void inputBoxTakesTextOfAnyLength();
    void screenReaderSeesWhatEachControlIs_data();
    void screenReaderSeesWhatEachControlIs();
    void screenReaderPressesBerechnenLikeAClick();

private:
    template <typename Control> Control* Find(const char* name) const
    {
        auto* control = window_->findChild<Control*>(QString::fromLatin1(name));
        if (!control) {
            qFatal("no control named %s", name);
        }
        return control;
    }

    QString ClickFor(const QString& input);

    std::unique_ptr<Teilerwerk> window_;
};

void TeilerwerkWindowTest::init()
{
    window_ = std::make_unique<Teilerwerk>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void TeilerwerkWindowTest::cleanup() { window_.reset(); }

QString TeilerwerkWindowTest::ClickFor(const QString& input)
{
    Find<QLineEdit>("Text1")->setText(input);
    QTest::mouseClick(Find<QWidget>("Label2"), Qt::LeftButton);
    return Find<QPlainTextEdit>("Text2")->toPlainText();
}

void TeilerwerkWindowTest::controlsSitWhereTheyBelong_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("family");
    QTest::addColumn<QColor>("background");

    // Twips become pixels at the screen's logical DPI: 96 unless Qt's own scaling is off.
    const QColor none;
    if (QGuiApplication::primaryScreen()->logicalDotsPerInchX() == 144) {
        QTest::newRow("144 dpi: Label1")
            << 144 << "Label1" << QRect(12, 12, 470, 38) << "FreeSans" << QColor(192, 255, 192);
        QTest::newRow("144 dpi: Text1") << 144 << "Text1" << QRect(480, 12, 206, 38) << "FreeSans" << none;
        QTest::newRow("144 dpi: Label2")
            << 144 << "Label2" << QRect(684, 12, 134, 38) << "FreeSans" << QColor(255, 0, 0);
        QTest::newRow("144 dpi: Text2") << 144 << "Text2" << QRect(12, 48, 806, 50) << "FreeSans" << none;
        QTest::newRow("144 dpi: Label3")
            << 144 << "Label3" << QRect(12, 96, 806, 62) << "Liberation Serif" << QColor(0, 255, 0);
        return;
    }
    QTest::newRow("Label1") << 96 << "Label1" << QRect(8, 8, 313, 25) << "FreeSans" << QColor(192, 255, 192);
    QTest::newRow("Text1") << 96 << "Text1" << QRect(320, 8, 137, 25) << "FreeSans" << none;
    QTest::newRow("Label2") << 96 << "Label2" << QRect(456, 8, 89, 25) << "FreeSans" << QColor(255, 0, 0);
    QTest::newRow("Text2") << 96 << "Text2" << QRect(8, 32, 537, 33) << "FreeSans" << none;
    QTest::newRow("Label3") << 96 << "Label3" << QRect(8, 64, 537, 41) << "Liberation Serif"
                            << QColor(0, 255, 0);
}

void TeilerwerkWindowTest::controlsSitWhereTheyBelong()
{
    QFETCH(int, dpi);
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, family);
    QFETCH(QColor, background);

    QCOMPARE(window_->logicalDpiX(), dpi);
    const QWidget* control = Find<QWidget>(name.toLatin1().constData());
    QCOMPARE(control->geometry(), geometry);
    const QFontInfo font(control->font());
    QCOMPARE(font.family(), family);
    QCOMPARE(font.pointSize(), 12);
    QCOMPARE(font.weight(), int(QFont::Normal));
    QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
    if (background.isValid()) {
        QCOMPARE(control->palette().color(QPalette::Window), background);
    }
}

void TeilerwerkWindowTest::captionsFitTheirLabels_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("Label1") << "Label1";
    QTest::newRow("Label2") << "Label2";
    QTest::newRow("Label3") << "Label3";
}

void TeilerwerkWindowTest::captionsFitTheirLabels()
{
    QFETCH(QString, name);
    const QString overflow = CaptionOverflow(*Find<QLabel>(name.toLatin1().constData()), *window_);
    QVERIFY2(overflow.isEmpty(), qPrintable(overflow));
}

void TeilerwerkWindowTest::clientAreaFollowsTheDpi()
{
    const QSize expected = window_->logicalDpiX() == 144 ? QSize(825, 155) : QSize(550, 103);
    QCOMPARE(window_->size(), expected);
}

void TeilerwerkWindowTest::windowLooksAsDescribed()
{
    QCOMPARE(window_->windowTitle(), QStringLiteral("Teilerwerk"));
    QCOMPARE(window_->palette().color(QPalette::Window), QColor(0, 255, 0));
    QVERIFY(window_->autoFillBackground());
    QCOMPARE(window_->windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
    QCOMPARE(Find<QLabel>("Label1")->text(), QStringLiteral("Ganzzahl  maximal ca. 10 Stellen eingeben:"));
    QCOMPARE(Find<QLabel>("Label2")->text(), QStringLiteral("berechnen"));
    QVERIFY(Find<QLabel>("Label3")->wordWrap());
    QVERIFY(Find<QLabel>("Label3")->text().contains(QStringLiteral("bei großen Zahlen")));
    // Where a text box and a label overlap, the text box lies in front.
    QCOMPARE(window_->childAt(456, 20), Find<QLineEdit>("Text1"));
    const QWidget* text2 = Find<QPlainTextEdit>("Text2");
    const QWidget* atOverlap = window_->childAt(100, 64);
    QVERIFY(atOverlap == text2 || text2->isAncestorOf(atOverlap));
}

void TeilerwerkWindowTest::textStandsOutUnderEveryTheme_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<QString>("name");
    const QList<std::pair<const char*, QPalette>> themes{
        {"light", QApplication::style()->standardPalette()},
        {"dark", DarkPalette()},
        {"high contrast", HighContrastPalette()},
    };
    for (const auto& [theme, palette] : themes) {
        for (const char* name : {"Label1", "Text1", "Label2", "Text2", "Label3"}) {
            QTest::addRow("%s: %s", theme, name) << palette << QString::fromLatin1(name);
        }
    }
}

void TeilerwerkWindowTest::textStandsOutUnderEveryTheme()
{
    QFETCH(QPalette, palette);
    QFETCH(QString, name);
    const QPalette original = QApplication::palette();
    const auto restore = qScopeGuard([&original] { QApplication::setPalette(original); });
    // Switched while the window is open, as a desktop does when its theme changes.
    QApplication::setPalette(palette);
    QTRY_COMPARE(window_->palette().color(QPalette::Base), palette.color(QPalette::Base));
    Find<QLineEdit>("Text1")->setText(QStringLiteral("600"));

    const QWidget* control = Find<QWidget>(name.toLatin1().constData());
    // Inside the control's frame, and clear of the neighbours that overlap its edges.
    const QRect inside = control->contentsRect().adjusted(3, 3, -3, -3).translated(control->pos());
    const double contrast = TextContrast(window_->grab(inside & window_->rect()).toImage());
    qInfo("contrast %.2f:1", contrast);
    QVERIFY2(contrast >= 4.5, qPrintable(QStringLiteral("contrast %1:1").arg(contrast, 0, 'f', 2)));
}

void TeilerwerkWindowTest::startsEmptyWithTheFocusInTheInputBox()
{
    auto* text1 = Find<QLineEdit>("Text1");
    auto* text2 = Find<QPlainTextEdit>("Text2");
    QVERIFY(text1->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), text1);
    QCOMPARE(text2->toPlainText(), QStringLiteral("Ergebnis\n"));
    QVERIFY(!text2->isReadOnly());
    QCOMPARE(text2->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(text2->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    QTest::keyClick(text1, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), text2);
}

void TeilerwerkWindowTest::clickShowsTheResult_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("result");
    QTest::newRow("factors") << QStringLiteral("600") << QStringLiteral(" 2^ 3 *  3^ 1 *  5^ 2");
    QTest::newRow("prime") << QStringLiteral("41") << QStringLiteral("dies ist eine Primzahl");
    QTest::newRow("invalid") << "2.5" << QStringLiteral("Eingabe unzulässig");
    QTest::newRow("non-ASCII after the number") << QStringLiteral("600ä") << " 2^ 3 *  3^ 1 *  5^ 2";
}

void TeilerwerkWindowTest::clickShowsTheResult()
{
    QFETCH(QString, input);
    QFETCH(QString, result);
    QCOMPARE(ClickFor(input), result);
    QCOMPARE(QApplication::focusWidget(), Find<QLineEdit>("Text1"));
    QCOMPARE(ClickFor(input), result);
}

void TeilerwerkWindowTest::onlyALeftClickInsideTheLabelCalculates()
{
    auto* label2 = Find<QWidget>("Label2");
    auto* text2 = Find<QPlainTextEdit>("Text2");
    Find<QLineEdit>("Text1")->setText(QStringLiteral("600"));

    QTest::mouseClick(label2, Qt::RightButton);
    QTest::mouseClick(label2, Qt::MiddleButton);
    QTest::mousePress(label2, Qt::LeftButton);
    QTest::mouseRelease(label2, Qt::LeftButton, {}, QPoint(-5, 5));
    QCOMPARE(text2->toPlainText(), QStringLiteral("Ergebnis\n"));

    QTest::mouseClick(label2, Qt::LeftButton);
    QCOMPARE(text2->toPlainText(), QStringLiteral(" 2^ 3 *  3^ 1 *  5^ 2"));
}

void TeilerwerkWindowTest::enterStartsNothing()
{
    auto* text1 = Find<QLineEdit>("Text1");
    QTest::keyClicks(text1, QStringLiteral("600"));
    QTest::keyClick(text1, Qt::Key_Return);
    QTest::keyClick(text1, Qt::Key_Enter);
    QCOMPARE(Find<QPlainTextEdit>("Text2")->toPlainText(), QStringLiteral("Ergebnis\n"));
}

void TeilerwerkWindowTest::resizingMovesNothing()
{
    QList<QRect> before;
    const auto controls = window_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (const QWidget* control : controls) {
        before.append(control->geometry());
    }
    window_->resize(900, 400);
    QTRY_COMPARE(window_->size(), QSize(900, 400));
    for (qsizetype i = 0; i < controls.size(); ++i) {
        QCOMPARE(controls[i]->geometry(), before[i]);
    }
}

void TeilerwerkWindowTest::nextClickReplacesWhatWasTypedIntoTheResult()
{
    auto* text2 = Find<QPlainTextEdit>("Text2");
    QCOMPARE(ClickFor(QStringLiteral("12")), QStringLiteral(" 2^ 2 *  3^ 1"));
    text2->setFocus();
    QTest::keyClicks(text2, QStringLiteral(" getippt"));
    QTest::keyClick(text2, Qt::Key_Return);
    QTest::keyClicks(text2, QStringLiteral("zweite Zeile"));
    QVERIFY(text2->toPlainText().contains(QStringLiteral("getippt")));
    QCOMPARE(ClickFor(QStringLiteral("12")), QStringLiteral(" 2^ 2 *  3^ 1"));
}

void TeilerwerkWindowTest::inputBoxTakesTextOfAnyLength()
{
    const QString longText = QString(40000, QLatin1Char(' ')) + QStringLiteral("600");
    QCOMPARE(ClickFor(longText), QStringLiteral(" 2^ 3 *  3^ 1 *  5^ 2"));
    QCOMPARE(Find<QLineEdit>("Text1")->text().size(), longText.size());
}

void TeilerwerkWindowTest::screenReaderSeesWhatEachControlIs_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("accessibleName");
    QTest::newRow("window") << "Teilerwerk" << int(QAccessible::Window) << "Teilerwerk";
    QTest::newRow("Text1") << "Text1" << int(QAccessible::EditableText)
                           << "Ganzzahl  maximal ca. 10 Stellen eingeben:";
    QTest::newRow("Label2") << "Label2" << int(QAccessible::Button) << "berechnen";
    QTest::newRow("Text2") << "Text2" << int(QAccessible::EditableText) << "Ergebnis";
}

void TeilerwerkWindowTest::screenReaderSeesWhatEachControlIs()
{
    QFETCH(QString, name);
    QFETCH(int, role);
    QFETCH(QString, accessibleName);
    QWidget* control
        = name == window_->objectName() ? window_.get() : Find<QWidget>(name.toLatin1().constData());
    const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    QVERIFY(accessible);
    QCOMPARE(int(accessible->role()), role);
    QCOMPARE(accessible->text(QAccessible::Name), accessibleName);
}

void TeilerwerkWindowTest::screenReaderPressesBerechnenLikeAClick()
{
    auto* label2 = Find<QWidget>("Label2");
    QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(label2)->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));

    Find<QLineEdit>("Text1")->setText(QStringLiteral("600"));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(Find<QPlainTextEdit>("Text2")->toPlainText(), QStringLiteral(" 2^ 3 *  3^ 1 *  5^ 2"));
    // Still not a control that keys reach: the focus stays in the input box.
    QCOMPARE(label2->focusPolicy(), Qt::NoFocus);
    QCOMPARE(QApplication::focusWidget(), Find<QLineEdit>("Text1"));
}

QTEST_MAIN(TeilerwerkWindowTest)
#include "teilerwerk_window_test.moc"
