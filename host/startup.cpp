#include "host/startup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QStyle>
#include <QTranslator>

namespace teilerwerk {
namespace {

// The window speaks German, so Qt's own texts (the text boxes' menus) do too.
void LoadGermanQtTexts(QApplication& application, QTranslator& translator)
{
    if (translator.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        application.installTranslator(&translator);
    }
}

void CentreOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                           screen->availableGeometry()));
}

}  // namespace

int RunProgram(int argc, char* argv[], const ProgramDescription& program)
{
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(program.desktopFileName);
    QTranslator translator;
    LoadGermanQtTexts(application, translator);

    const std::unique_ptr<QWidget> window = program.makeWindow();
    QApplication::setWindowIcon(window->windowIcon());
    CentreOnScreen(*window);
    window->show();
    return QApplication::exec();
}

}  // namespace teilerwerk
