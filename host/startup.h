#pragma once

#include <QWidget>

#include <functional>
#include <memory>

namespace teilerwerk {

using WindowFactory = std::function<std::unique_ptr<QWidget>()>;

// Runs the program: the application with Qt's own texts in German, the one window made by
// makeWindow shown centred on the screen, and the event loop until that window is closed.
int RunProgram(int argc, char* argv[], const WindowFactory& makeWindow);

}  // namespace teilerwerk
