// SPDX-License-Identifier: GPL-3.0-or-later

#include "startup.h"

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QStringList>

void enable_high_dpi_scaling()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Qt 6 always scales.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
#endif
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
}

void set_desktop_identity()
{
    // The icon lives in this static library, so the program must register it.
    Q_INIT_RESOURCE(rovalin_icon);
    const QString id = QStringLiteral(ROVALIN_APP_ID);
    QGuiApplication::setDesktopFileName(id);
    QApplication::setWindowIcon(QIcon::fromTheme(id, QIcon(QStringLiteral(":/rovalin/icon.svg"))));
}

namespace {

bool font_installed(const QString &_family)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    return QFontDatabase().families().contains(_family);
#else
    return QFontDatabase::families().contains(_family);
#endif
}

} // namespace

void use_narrow_font()
{
    const QString family = QStringLiteral("Liberation Sans Narrow");
    if (!font_installed(family)) {
        // The Windows build brings the font along, in fonts/ beside the program.
        const QDir fonts(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
        const QStringList files = fonts.entryList({QStringLiteral("*.ttf")}, QDir::Files);
        for (const QString &file : files)
            QFontDatabase::addApplicationFont(fonts.filePath(file));
        if (!font_installed(family))
            return;
    }
    QFont font = QApplication::font();
    font.setFamily(family);
    QApplication::setFont(font);
}

void start_main_window(MainWindow &_window)
{
    _window.show();
    _window.ui->linfo->setVisible(false);
    _window.ui->frsol->setVisible(false);

    // Index 0 is method 0 (wanted concentration -> dose), index 1 method 1.
    const QStringList methods{QStringLiteral("Итоговая концентрация, мг/л"),
                              QStringLiteral("Вносимое количество")};
    for (int i = 0; i < methods.size(); ++i)
        _window.ui->calc_methods->insertItem(i, methods.at(i));
}
