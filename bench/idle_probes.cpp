// SPDX-License-Identifier: GPL-3.0-or-later

// The programs whose start-up is compared: ROVALIN_PROBE_BARE gives a bare
// Qt 5 QMainWindow that shows and quits, ROVALIN_PROBE_LABEL the same window
// showing one line of text (so it loads the system's fonts, as any window
// with text must); without either, the program as main() starts it. Each
// writes "idle" and its peak memory in KiB (resident set on Linux, working
// set on Windows) to stdout when its event loop first runs idle, and quits
// there.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>
#else
#include <sys/resource.h>
#endif

#if !defined(ROVALIN_PROBE_BARE) && !defined(ROVALIN_PROBE_LABEL)
#include "app/mainwindow.h"
#include "app/startup.h"
#include "base/language.h"
#endif

namespace {

long long peak_memory_kib()
{
#ifdef Q_OS_WIN
    PROCESS_MEMORY_COUNTERS counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        return -1;
    return static_cast<long long>(counters.PeakWorkingSetSize / 1024);
#else
    struct rusage usage;
    return getrusage(RUSAGE_SELF, &usage) == 0 ? usage.ru_maxrss : -1;
#endif
}

} // namespace

int main(int argc, char **argv)
{
#if defined(ROVALIN_PROBE_BARE) || defined(ROVALIN_PROBE_LABEL)
    QApplication application(argc, argv);
    QMainWindow window;
#ifdef ROVALIN_PROBE_LABEL
    window.setCentralWidget(new QLabel(QStringLiteral("Ровалин")));
#endif
    window.show();
#else
    enable_high_dpi_scaling();
    QApplication application(argc, argv);
    set_desktop_identity();
    use_narrow_font();
    Language::apply(Language::chosen());
    MainWindow window;
    start_main_window(window);
#endif
    // A zero timer fires once the queued start-up events are processed.
    QTimer::singleShot(0, &application, [] {
        std::printf("idle %lld\n", peak_memory_kib());
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    return application.exec();
}
