// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char **argv)
{
    enable_high_dpi_scaling();
    QApplication application(argc, argv);
    set_desktop_identity();
    use_narrow_font();
    MainWindow window;
    start_main_window(window);
    return application.exec();
}
