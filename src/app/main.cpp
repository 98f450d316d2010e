// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/mainwindow.h"
#include "app/startup.h"
#include "base/language.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char **argv)
{
    enable_high_dpi_scaling();
    QApplication application(argc, argv);
    set_desktop_identity();
    use_narrow_font();
    // The language kept from the last run, or the system's at the first.
    QString problem;
    Language::apply(Language::chosen(QLocale::system(), &problem));
    MainWindow window;
    start_main_window(window);
    if (!problem.isEmpty())
        QMessageBox::warning(&window, window.windowTitle(), problem);
    return application.exec();
}
