// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/startup.h"

#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QMessageBox>
#include <QMetaObject>
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

namespace {

// Looks the program up in the desktop's icon theme once the first widget has
// been painted, and takes that icon where the theme has one: reading a theme's
// index files costs more than the rest of the start-up, so it must not delay
// the first frame.
class Theme_Icon_After_First_Paint : public QObject
{
public:
    explicit Theme_Icon_After_First_Paint(QObject *_parent) : QObject(_parent) {}

protected:
    bool eventFilter(QObject *_watched, QEvent *_event) override
    {
        if (_event->type() == QEvent::Paint) {
            QCoreApplication::instance()->removeEventFilter(this);
            deleteLater();
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [] {
                    const QIcon themed = QIcon::fromTheme(QStringLiteral(ROVALIN_APP_ID));
                    if (!themed.isNull())
                        QApplication::setWindowIcon(themed);
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(_watched, _event);
    }
};

QIcon own_icon()
{
    // Drawn beforehand from the SVG: rendering it, and loading the SVG
    // plugins to do so, is a good part of the start-up.
    QIcon icon;
    for (const int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/rovalin/icon-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

void set_desktop_identity()
{
    // The icon lives in this static library, so the program must register it.
    Q_INIT_RESOURCE(rovalin_icon);
    QGuiApplication::setDesktopFileName(QStringLiteral(ROVALIN_APP_ID));
    QApplication::setWindowIcon(own_icon());
    // hicolor, the theme every other one falls back to and the one in use
    // without a desktop, holds at most the icon installed from that same file.
    const QString theme = QIcon::themeName();
    if (!theme.isEmpty() && theme != QLatin1String("hicolor"))
        QCoreApplication::instance()->installEventFilter(
            new Theme_Icon_After_First_Paint(QCoreApplication::instance()));
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

    _window.fill_methods();

    // A file of the user's that cannot be read is said once, over the window.
    // The box waits for no answer: the start-up goes on behind it.
    if (!_window.catalogues_notice.isEmpty()) {
        auto *box = new QMessageBox(QMessageBox::Warning, _window.windowTitle(),
                                    _window.catalogues_notice, QMessageBox::Ok, &_window);
        box->setObjectName(QStringLiteral("unreadable_notice"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::NonModal);
        box->show();
    }
}
