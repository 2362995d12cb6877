#include "host/startup.h"
#include "ui/teilerwerk_window.h"

int main(int argc, char* argv[])
{
    return teilerwerk::RunProgram(argc, argv, [] { return std::make_unique<teilerwerk::Teilerwerk>(); });
}
