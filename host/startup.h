#pragma once

#include <QTranslator>
#include <QWidget>

#include <functional>
#include <memory>

namespace teilerwerk {

// What the start-up needs to know of a program with one window.
struct ProgramDescription {
    // The base name of the program's desktop entry, by which desktops match its window.
    QString desktopFileName;
    // Makes the program's one window; called once the application exists.
    std::function<std::unique_ptr<QWidget>()> makeWindow;
};

// Puts Qt's own texts, such as the text boxes' menus, into German, the language of the window.
// Returns false if Qt's German translation is not installed.
bool InstallGermanQtTexts(QTranslator& translator);

// Runs the program: the application with Qt's own texts in German, the window shown centred
// on the screen (where the platform lets a program place its windows) with its icon as the
// application's, and the event loop until it is closed.
int RunProgram(int argc, char* argv[], const ProgramDescription& program);

}  // namespace teilerwerk
