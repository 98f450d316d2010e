// SPDX-License-Identifier: GPL-3.0-or-later

// A whole session the way a user has one, for valgrind's memcheck: the program
// starts as main() starts it, one calculation runs for each kind of
// fertilizer, each shown in the build-up window too and added to the plan, and
// the window closes. The plans go to a temporary folder. Run it from a folder
// holding settings/ (the repository's root). Exits non-zero when a calculation shows no result.

#include "app/mainwindow.h"
#include "app/startup.h"
#include "base/language.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QScopeGuard>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

// Chooses the kind, types the inputs, presses «Рассчитать» and checks that the
// message gives the weekly dose for the wanted concentration and that the
// reference row shows that concentration. Returns false after printing why.
bool calculate(Ui_MainWindow *_ui, QRadioButton *_kind)
{
    _kind->click();
    _ui->comboBox->setCurrentIndex(0);
    _ui->calc_methods->setCurrentIndex(0);
    _ui->tank_vol->setText(QStringLiteral("100"));
    _ui->val_methods->setText(QStringLiteral("5"));
    _ui->val_methods_3->setText(QStringLiteral("500"));
    _ui->val_methods_2->setText(QStringLiteral("50"));
    _ui->pushButton->click();

    const QString kind = _kind->text();
    const QString message = _ui->linfo->text();
    const QTableWidgetItem *reference = _ui->tableWidget->item(0, 1);
    QString fault;
    if (!_kind->isChecked())
        fault = QStringLiteral("the kind is not selected");
    else if (!_ui->linfo->isVisible() || message.isEmpty())
        fault = QStringLiteral("no message is shown");
    else if (!message.contains(QStringLiteral("в неделю")))
        fault = QStringLiteral("the message is not a dose: ") + message;
    else if (!reference || reference->text() != QLatin1String("5"))
        fault = QStringLiteral("the reference row does not show 5 mg/l: ") +
                (reference ? reference->text() : QStringLiteral("<none>"));
    // The weekly build-up of the same figures, with other inputs.
    _ui->action_dynamics->trigger();
    QWidget *dynamics =
        _ui->tableWidget->window()->findChild<QWidget *>(QStringLiteral("dynamics"));
    if (fault.isEmpty() && (!dynamics || !dynamics->isVisible()))
        fault = QStringLiteral("the build-up window did not open");
    else if (fault.isEmpty())
        dynamics->findChild<QSpinBox *>(QStringLiteral("dynamics_weeks"))->setValue(52);
    // Into the plan for the tank, which then holds one more row.
    QAction *add =
        _ui->tableWidget->window()->findChild<QAction *>(QStringLiteral("action_plan_add"));
    if (fault.isEmpty() && add)
        add->trigger();
    const QTableWidget *items =
        _ui->tableWidget->window()->findChild<QTableWidget *>(QStringLiteral("plan_items"));
    static int added = 0;
    if (fault.isEmpty() && (!items || items->rowCount() != ++added))
        fault = QStringLiteral("the calculation did not go into the plan");
    if (fault.isEmpty())
        return true;
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(kind), qUtf8Printable(fault));
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    enable_high_dpi_scaling();
    QApplication application(argc, argv);
#ifdef Q_OS_WIN
    QStandardPaths::setTestModeEnabled(true);
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir(data).removeRecursively();
    const auto forget = qScopeGuard([&data] { QDir(data).removeRecursively(); });
#else
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
#endif
    set_desktop_identity();
    use_narrow_font();
    // In Russian, as a first start on a Russian or C system: Qt's texts too.
    Language::apply(Language::russian);
    MainWindow window;
    start_main_window(window);

    QTimer::singleShot(0, &window, [&window]() {
        Ui_MainWindow *ui = window.ui;
        bool ok = true;
        for (QRadioButton *kind : {ui->rbpremix, ui->rbdiy, ui->rbdiysol})
            ok = calculate(ui, kind) && ok;
        window.close();
        QCoreApplication::exit(ok ? 0 : 1);
    });
    return application.exec();
}
