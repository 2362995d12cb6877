#include "host/startup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QStyle>
#include <QTranslator>

namespace teilerwerk {
namespace {

// Wayland compositors place windows themselves; a client cannot ask for a position there.
bool CanPlaceWindows() { return !QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

void CentreOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    window.setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(), screen->availableGeometry()));
}

}  // namespace

bool InstallGermanQtTexts(QTranslator& translator)
{
    return translator.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
               QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        && QCoreApplication::installTranslator(&translator);
}

int RunProgram(int argc, char* argv[], const ProgramDescription& program)
{
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(program.desktopFileName);
    QTranslator translator;
    InstallGermanQtTexts(translator);

    const std::unique_ptr<QWidget> window = program.makeWindow();
    QApplication::setWindowIcon(window->windowIcon());
    if (CanPlaceWindows()) {
        CentreOnScreen(*window);
    }
    window->show();
    return QApplication::exec();
}

}  // namespace teilerwerk
