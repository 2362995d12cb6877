// The window on a machine without the faces it names: run with a fontconfig that offers only DejaVu.
#include "ui/teilerwerk_window.h"

#include "tests/ui/caption_check.h"

#include <QFontInfo>
#include <QLabel>
#include <QTest>

using teilerwerk::Teilerwerk;

class MissingFacesTest : public QObject {
    Q_OBJECT

private slots:
    void everyCaptionShowsWholeInAStandInFace_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("standIn");
        QTest::newRow("Label1") << "Label1"
                                << "DejaVu Sans";
        QTest::newRow("Label2") << "Label2"
                                << "DejaVu Sans";
        QTest::newRow("Label3") << "Label3"
                                << "DejaVu Serif";
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
