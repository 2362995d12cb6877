// Measures a click on "berechnen" with the slowest number the window factorises exactly: the
// time from the click until the result box holds the answer, and until the window has painted
// it. Prints the median of repeated clicks and the range, in milliseconds.
#include "ui/teilerwerk_window.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

constexpr int Clicks = 31;
const QString SlowestNumber = QStringLiteral("9007199254740881");
const QString Answer = QStringLiteral("dies ist eine Primzahl");

template <typename Control> Control* Find(const QWidget& window, const char* name)
{
    auto* control = window.findChild<Control*>(QString::fromLatin1(name));
    if (!control) {
        qFatal("no control named %s", name);
    }
    return control;
}

void PrintSummary(const char* what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    std::printf("click to %s: median %.2f ms, range %.2f to %.2f ms, %zu clicks\n", what,
        times[times.size() / 2], times.front(), times.back(), times.size());
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    teilerwerk::Teilerwerk window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        qFatal("the window did not show");
    }
    auto* result = Find<QPlainTextEdit>(window, "Text2");
    auto* label = Find<QLabel>(window, "Label2");
    Find<QLineEdit>(window, "Text1")->setText(SlowestNumber);

    std::vector<double> toText;
    std::vector<double> toPaint;
    for (int click = 0; click < Clicks; ++click) {
        result->setPlainText(QStringLiteral("Ergebnis"));
        window.repaint();
        const Clock::time_point start = Clock::now();
        QTest::mouseClick(label, Qt::LeftButton);
        const Clock::time_point answered = Clock::now();
        window.repaint();
        const Clock::time_point painted = Clock::now();
        if (result->toPlainText() != Answer) {
            qFatal("the result box holds %s", qPrintable(result->toPlainText()));
        }
        toText.push_back(Milliseconds(answered - start).count());
        toPaint.push_back(Milliseconds(painted - start).count());
    }
    PrintSummary("result in Text2", toText);
    PrintSummary("result painted", toPaint);
    return 0;
}
