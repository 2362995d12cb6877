// Measures the start of the program: time from main to the window's first paint, and the peak
// resident memory by then. Quits right after the first paint.
#include "host/startup.h"
#include "ui/teilerwerk_window.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>

namespace {

using Clock = std::chrono::steady_clock;

class FirstPaintProbe : public QObject {
public:
    explicit FirstPaintProbe(Clock::time_point start) : start_(start) { }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            const std::chrono::duration<double, std::milli> elapsed = Clock::now() - start_;
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            std::printf("first paint after %.1f ms, peak resident memory %.1f MB\n", elapsed.count(),
                static_cast<double>(usage.ru_maxrss) / 1024.0);
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    Clock::time_point start_;
    bool reported_ = false;
};

}  // namespace

int main(int argc, char* argv[])
{
    FirstPaintProbe probe(Clock::now());
    return teilerwerk::RunProgram(argc, argv,
        {
            .desktopFileName = QStringLiteral(TEILERWERK_APP_ID),
            .makeWindow =
                [&probe] {
                    auto window = std::make_unique<teilerwerk::Teilerwerk>();
                    window->installEventFilter(&probe);
                    return window;
                },
        });
}
