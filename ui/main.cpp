#include "host/startup.h"
#include "ui/teilerwerk_window.h"

int main(int argc, char* argv[])
{
    return teilerwerk::RunProgram(argc, argv,
        {
            .desktopFileName = QStringLiteral(TEILERWERK_APP_ID),
            .makeWindow = [] { return std::make_unique<teilerwerk::Teilerwerk>(); },
        });
}
