// The two programs whose start-up is compared: ROVALIN_PROBE_BARE gives a bare
// Qt 5 QMainWindow that shows and quits; without it, the program as main()
// starts it. Both write "idle" to stdout when their event loop first runs
// idle, and quit there.

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>

#ifndef ROVALIN_PROBE_BARE
#include "mainwindow.h"
#include "startup.h"
#endif

int main(int argc, char **argv)
{
#ifdef ROVALIN_PROBE_BARE
    QApplication application(argc, argv);
    QMainWindow window;
    window.show();
#else
    enable_high_dpi_scaling();
    QApplication application(argc, argv);
    use_narrow_font();
    MainWindow window;
    start_main_window(window);
#endif
    // A zero timer fires once the queued start-up events are processed.
    QTimer::singleShot(0, &application, [] {
        std::fputs("idle\n", stdout);
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    return application.exec();
}
