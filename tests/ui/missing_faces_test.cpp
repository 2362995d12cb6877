// The window on a machine without the faces it names: run with a fontconfig that offers only some
// faces, and with the faces that must stand in named in STAND_IN_SANS and STAND_IN_SERIF.
#include "ui/teilerwerk_window.h"

#include "tests/ui/caption_check.h"

#include <QFontInfo>
#include <QLabel>
#include <QTest>

using teilerwerk::Teilerwerk;

class MissingFacesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(
            !qEnvironmentVariableIsEmpty("STAND_IN_SANS") && !qEnvironmentVariableIsEmpty("STAND_IN_SERIF"),
            "STAND_IN_SANS and STAND_IN_SERIF name the faces that must stand in");
    }

    void everyCaptionShowsWholeInAStandInFace_data()
    {
        const QString sans = qEnvironmentVariable("STAND_IN_SANS");
        const QString serif = qEnvironmentVariable("STAND_IN_SERIF");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("standIn");
        QTest::newRow("Label1") << "Label1" << sans;
        QTest::newRow("Label2") << "Label2" << sans;
        QTest::newRow("Label3") << "Label3" << serif;
    }

    void everyCaptionShowsWholeInAStandInFace()
    {
        QFETCH(QString, name);
        QFETCH(QString, standIn);
        Teilerwerk window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto* label = window.findChild<QLabel*>(name);
        QVERIFY(label);

        const QFontInfo face(label->font());
        qInfo("%s: %s at %.1f pt", qPrintable(name), qPrintable(face.family()), label->font().pointSizeF());
        QCOMPARE(face.family(), standIn);
        const QString overflow = CaptionOverflow(*label, window);
        QVERIFY2(overflow.isEmpty(), qPrintable(overflow));
    }
};

QTEST_MAIN(MissingFacesTest)
#include "missing_faces_test.moc"
