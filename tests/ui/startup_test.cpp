#include "host/startup.h"

#include <QCoreApplication>
#include <QTest>

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void qtSpeaksGerman()
    {
        QTranslator translator;
        QVERIFY2(teilerwerk::InstallGermanQtTexts(translator), "Qt's German translation is missing");
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Undo"), QStringLiteral("&Rückgängig"));
        QCOMPARE(QCoreApplication::translate("QLineEdit", "Select All"), QStringLiteral("Alles auswählen"));
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
