#include "ui/teilerwerk_window.h"

#include <QAccessible>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <memory>

using teilerwerk::Teilerwerk;

class TeilerwerkWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controlsSitWhereTheyBelong_data();
    void controlsSitWhereTheyBelong();
    void captionsFitTheirLabels_data();
    void captionsFitTheirLabels();
    void windowLooksAsDescribed();
    void startsEmptyWithTheFocusInTheInputBox();
    void clickShowsTheResult_data();
    void clickShowsTheResult();
    void onlyALeftClickInsideTheLabelCalculates();
    void enterStartsNothing();
    void resizingMovesNothing();
    void nextClickReplacesWhatWasTypedIntoTheResult();
    void inputBoxTakesTextOfAnyLength();
    void screenReaderNamesTheTextBoxes();

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
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("family");
    QTest::addColumn<QColor>("background");

    const QColor none;
    QTest::newRow("Label1") << "Label1" << QRect(8, 8, 313, 25) << "FreeSans" << QColor(192, 255, 192);
    QTest::newRow("Text1") << "Text1" << QRect(320, 8, 137, 25) << "FreeSans" << none;
    QTest::newRow("Label2") << "Label2" << QRect(456, 8, 89, 25) << "FreeSans" << QColor(255, 0, 0);
    QTest::newRow("Text2") << "Text2" << QRect(8, 32, 537, 33) << "FreeSans" << none;
    QTest::newRow("Label3") << "Label3" << QRect(8, 64, 537, 41) << "Liberation Serif" << QColor(0, 255, 0);
}

void TeilerwerkWindowTest::controlsSitWhereTheyBelong()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, family);
    QFETCH(QColor, background);

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
    const auto* label = Find<QLabel>(name.toLatin1().constData());
    QRect room = label->contentsRect();
    // The bottom of the notice lies outside the window.
    room.setBottom(qMin(room.bottom(), window_->height() - 1 - label->y()));
    const int indent
        = label->frameWidth() > 0 ? QFontMetrics(label->font()).horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    room.adjust(indent, 0, -indent, 0);
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect needed = QFontMetrics(label->font()).boundingRect(room, flags, label->text());
    QVERIFY2(room.contains(needed),
        qPrintable(QStringLiteral("needs %1x%2, has %3x%4")
                       .arg(needed.width())
                       .arg(needed.height())
                       .arg(room.width())
                       .arg(room.height())));
}

void TeilerwerkWindowTest::windowLooksAsDescribed()
{
    QCOMPARE(window_->windowTitle(), QStringLiteral("Teilerwerk"));
    QCOMPARE(window_->size(), QSize(550, 103));
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

void TeilerwerkWindowTest::screenReaderNamesTheTextBoxes()
{
    const auto nameOf = [](QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    };
    QCOMPARE(nameOf(Find<QLineEdit>("Text1")), Find<QLabel>("Label1")->text());
    QCOMPARE(nameOf(Find<QPlainTextEdit>("Text2")), QStringLiteral("Ergebnis"));
}

QTEST_MAIN(TeilerwerkWindowTest)
#include "teilerwerk_window_test.moc"
