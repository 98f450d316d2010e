// SPDX-License-Identifier: GPL-3.0-or-later

// The programs whose start-up is compared: ROVALIN_PROBE_BARE gives a bare
// Qt 5 QMainWindow that shows and quits, ROVALIN_PROBE_LABEL the same window
// showing one line of text (so it loads the system's fonts, as any window
// with text must); without either, the program as main() starts it. Each
// writes "idle" to stdout when its event loop first runs idle, and quits there.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>

#if !defined(ROVALIN_PROBE_BARE) && !defined(ROVALIN_PROBE_LABEL)
#include "mainwindow.h"
#include "startup.h"
#endif

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
