// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_steps.h"

#include "catalogue/user_catalogues.h"
#include "plan/dosing_plan.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QInputDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabBar>
#include <QTimer>
#include <QtCharts/QChartView>

#include <memory>

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
QT_CHARTS_USE_NAMESPACE
#endif

QString caption(const QString &_text)
{
    return QStringLiteral(HEAD G) + _text + QStringLiteral(" :</span>" TAIL);
}

QString leaving_question(QWidget *_editor)
{
    const auto asked = std::make_shared<QString>();
    QTimer::singleShot(0, _editor, [asked] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        QStringList texts{box->text()};
        for (const auto role : {QMessageBox::Save, QMessageBox::Discard, QMessageBox::Cancel})
            texts << (box->button(role) ? box->button(role)->text() : QStringLiteral("-"));
        *asked = texts.join(QLatin1Char('|'));
        if (QAbstractButton *cancel = box->button(QMessageBox::Cancel))
            cancel->click();
        else
            box->reject();
    });
    _editor->findChild<QAction *>(QStringLiteral("editor_new_product"))->trigger();
    QCoreApplication::processEvents();
    return *asked;
}

QRadioButton *kind_button(Ui_MainWindow *_ui, const QString &_name)
{
    if (_name == QLatin1String("rbdiy"))
        return _ui->rbdiy;
    if (_name == QLatin1String("rbdiysol"))
        return _ui->rbdiysol;
    return _ui->rbpremix;
}

QString misnamed(const QWidget *_window, const char *_prefix)
{
    QStringList names;
    for (const QObject *object : _window->findChildren<QObject *>()) {
        const QString name = object->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String(_prefix)) &&
            !name.startsWith(QLatin1String("qt_")) && !qobject_cast<QTabBar *>(object->parent()))
            names << name;
    }
    return names.join(QLatin1String(", "));
}

QStringList chart_texts(const QWidget *_window, bool _deleted)
{
    const auto *view =
        _window->findChild<QChartView *>(_window->objectName() + QStringLiteral("_chart"));
    if (_deleted)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QStringList texts;
    for (const QGraphicsItem *item : view->scene()->items()) {
        if (!item->isVisible())
            continue;
        if (const auto *simple = dynamic_cast<const QGraphicsSimpleTextItem *>(item))
            texts << simple->text();
        else if (const auto *rich = dynamic_cast<const QGraphicsTextItem *>(item))
            texts << rich->toPlainText();
    }
    texts.sort();
    return texts;
}

QStringList table_rows(const QTableWidget *_table)
{
    QStringList rows;
    for (int row = 0; row < _table->rowCount(); ++row) {
        QStringList cells;
        QStringList days;
        for (int column = 0; column < _table->columnCount(); ++column) {
            const QTableWidgetItem *item = _table->item(row, column);
            const QString header = _table->horizontalHeaderItem(column)->text();
            if (_table->objectName() == QLatin1String("plan_items") && column >= 4 && column < 11) {
                if (item->checkState() == Qt::Checked)
                    days << header;
                if (column == 10)
                    cells << days.join(QLatin1Char(' '));
                continue;
            }
            cells << (item ? item->text() : QStringLiteral("<none>"));
        }
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

QStringList user_files()
{
    QStringList files;
    for (const char *name : {"commercial_products.json", "compounds.json", "recipes.json"}) {
        QFile file(User_Catalogues::folder() + QLatin1Char('/') + QLatin1String(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QStringList names;
        for (const QJsonValue &entry : QJsonDocument::fromJson(file.readAll()).array())
            names << entry[QLatin1String("name")].toString();
        files << QLatin1String(name) + QStringLiteral(": ") + names.join(QStringLiteral(", "));
    }
    return files;
}

QByteArray bytes(const QString &_file)
{
    QFile file(_file);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

Window_Steps::Window_Steps()
{
    plan_dates::set_today(QDate(2026, 12, 5));
}

void Window_Steps::check_system_locale()
{
    if (qgetenv("LC_ALL").startsWith("ru_RU"))
        QCOMPARE(QLocale::system().decimalPoint(), QLatin1Char(','));
}

void Window_Steps::run(const QStringList &_steps)
{
    for (const QString &step : _steps) {
        const QString what = step.section(QLatin1Char(' '), 0, 0);
        const QString text = step.section(QLatin1Char(' '), 1);
        if (what == QLatin1String("kind"))
            Window_Fixture::click_radio(kind_button(f.ui, text));
        else if (what == QLatin1String("entry"))
            Window_Fixture::choose(f.ui->comboBox, text.toInt());
        else if (what == QLatin1String("method"))
            Window_Fixture::choose(f.ui->calc_methods, text.toInt());
        else if (what == QLatin1String("calculate"))
            f.calculate();
        else if (what == QLatin1String("open")) {
            QApplication::setActiveWindow(f.window.get());
            QTest::keyClick(f.window.get(), Qt::Key_D, Qt::ControlModifier);
        } else if (what == QLatin1String("plan")) {
            plan_step(text);
        } else if (what == QLatin1String("editor")) {
            editor_step(text);
        } else if (what == QLatin1String("designer")) {
            designer_step(text);
        } else if (what == QLatin1String("weeks")) {
            auto *weeks = f.window->findChild<QSpinBox *>("dynamics_weeks");
            QVERIFY(weeks);
            weeks->setValue(text.toInt());
        } else if (what == QLatin1String("language")) {
            // «Язык»: "English" or "Russian".
            f.window->findChild<QAction *>(QStringLiteral("action") + text)->trigger();
            QCoreApplication::processEvents();
        } else if (what == QLatin1String("targets") || what == QLatin1String("compounds")) {
            // The window again, over another targets or compounds file.
            Catalogues catalogues = test_catalogues();
            (what == QLatin1String("targets") ? catalogues.targets : catalogues.compounds) =
                text.toUtf8();
            QVERIFY(f.open(catalogues));
        } else
            Window_Fixture::type(what == QLatin1String("tank")    ? f.ui->tank_vol
                                 : what == QLatin1String("value") ? f.ui->val_methods
                                 : what == QLatin1String("water") ? f.ui->val_methods_3
                                                                  : f.ui->val_methods_2,
                                 text);
    }
}

QWidget *Window_Steps::plan_window() const
{
    return f.window->findChild<QWidget *>(QStringLiteral("plan"));
}

namespace {

// Answers _question with _button, where it has one: another question is
// left to whoever answers it.
void click(QMessageBox *_question, QMessageBox::StandardButton _button)
{
    if (QAbstractButton *button = _question->button(_button))
        button->click();
}

} // namespace

void Window_Steps::plan_step(const QString &_step)
{
    const QStringList words = _step.split(QLatin1Char(' '));
    const QString what = words.value(0);
    if (what == QLatin1String("add") || what == QLatin1String("open")) {
        QApplication::setActiveWindow(f.window.get());
        QTest::keyClick(f.window.get(), Qt::Key_L,
                        what == QLatin1String("add") ? Qt::ControlModifier | Qt::ShiftModifier
                                                     : Qt::ControlModifier);
        return;
    }
    if (what == QLatin1String("stored") || what == QLatin1String("stored-huge") ||
        what == QLatin1String("file")) {
        // A plan kept from an earlier run, with an entry the catalogues no
        // longer have; or, as an earlier version let it be typed, a dose and
        // a figure of the new water beyond the limits; or the file given.
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QVERIFY(QDir().mkpath(folder));
        QFile file(folder + QStringLiteral("/plans.json"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (what == QLatin1String("file")) {
            file.write(words.mid(1).join(QLatin1Char(' ')).toUtf8());
            return;
        }
        file.write(what == QLatin1String("stored")
                       ? R"({"version": 1, "plans": [{"name": "Аквариум 100 л", "tank_l": 100,
            "items": [{"kind": "premix", "name": "Alpha", "weekly_dose": 20, "days": [6]},
                      {"kind": "premix", "name": "Gone", "weekly_dose": 5, "days": [6]}]}]})"
                       : R"({"version": 1, "plans": [{"name": "Аквариум 100 л", "tank_l": 100,
            "new_water": [{"key": "Ca", "mg_per_l": 20000}],
            "items": [{"kind": "premix", "name": "Alpha", "weekly_dose": 1e308, "days": [6]}]}]})");
        return;
    }
    if (what.startsWith(QLatin1String("log"))) {
        log_step(_step);
        return;
    }
    QWidget *window = plan_window();
    QVERIFY(window);
    auto *items = window->findChild<QTableWidget *>(QStringLiteral("plan_items"));
    // What the tab «План» holds is typed into there.
    if (QStringList{"dose", "day", "remove", "tick", "water-at", "water"}.contains(what))
        window->findChild<QTabWidget *>(QStringLiteral("plan_pages"))->setCurrentIndex(0);
    if (what == QLatin1String("start")) {
        window->findChild<QDateEdit *>(QStringLiteral("plan_start"))
            ->setDate(QDate::fromString(words.value(1), Qt::ISODate));
    } else if (what == QLatin1String("dose")) {
        QVERIFY(Window_Fixture::edit(items, words.value(1).toInt(), 2,
                                     Window_Fixture::typed(words.value(2))));
    } else if (what == QLatin1String("spoons")) {
        // Item _row's dose in spoons, as its last column shows it.
        QCOMPARE(items->item(words.value(1).toInt(), 12)->text(), words.mid(2).join(' '));
    } else if (what == QLatin1String("day")) {
        const QStringList days{"Пн", "Вт", "Ср", "Чт", "Пт", "Сб", "Вс"};
        items->setFocus();
        items->setCurrentCell(words.value(1).toInt(), 4 + days.indexOf(words.value(2)));
        QTest::keyClick(items, Qt::Key_Space);
    } else if (what == QLatin1String("method") || what == QLatin1String("livestock") ||
               what == QLatin1String("change_day")) {
        auto *list = window->findChild<QComboBox *>(QStringLiteral("plan_") + what);
        list->setCurrentIndex(list->findText(words.mid(1).join(QLatin1Char(' '))));
    } else if (what == QLatin1String("method-water")) {
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("plan_method_water")),
                          Qt::LeftButton);
    } else if (what == QLatin1String("says")) {
        // The status line: why the last figure typed was refused, or nothing.
        const auto *status = window->findChild<QLabel *>(QStringLiteral("plan_status"));
        QCOMPARE(status->isVisible() ? status->text() : QString(),
                 words.mid(1).join(QLatin1Char(' ')));
    } else if (what == QLatin1String("item")) {
        // What the items' list says of one, by row.
        QCOMPARE(items->item(words.value(1).toInt(), 0)->text(),
                 words.mid(2).join(QLatin1Char(' ')));
    } else if (what == QLatin1String("remove")) {
        QApplication::setActiveWindow(window);
        items->setFocus();
        items->setCurrentCell(words.value(1).toInt(), 0);
        QTest::keyClick(items, Qt::Key_Delete);
    } else if (what == QLatin1String("change") || what == QLatin1String("every") ||
               what == QLatin1String("weeks")) {
        window
            ->findChild<QSpinBox *>(what == QLatin1String("change")  ? "plan_water_change"
                                    : what == QLatin1String("every") ? "plan_change_every"
                                                                     : "plan_weeks")
            ->setValue(words.value(1).toInt());
    } else if (what == QLatin1String("tick")) {
        // The row of the totals for a key onto the chart, or off it.
        auto *totals = window->findChild<QTableWidget *>(QStringLiteral("plan_totals"));
        QTableWidgetItem *row = nullptr;
        for (int i = 0; i < totals->rowCount(); ++i)
            if (totals->item(i, 0)->data(Qt::UserRole).toString() == words.value(1))
                row = totals->item(i, 0);
        QVERIFY(row);
        row->setCheckState(row->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    } else if (what == QLatin1String("water-at")) {
        // A figure of the new water typed over, by row.
        auto *water = window->findChild<QTableWidget *>(QStringLiteral("plan_water"));
        QVERIFY(Window_Fixture::edit(water, words.value(1).toInt(), 1,
                                     Window_Fixture::typed(words.value(2))));
    } else if (what == QLatin1String("water")) {
        auto *water = window->findChild<QTableWidget *>(QStringLiteral("plan_water"));
        const int row = water->rowCount() - 1;
        QVERIFY(Window_Fixture::edit(water, row, 0, words.value(1)));
        if (words.size() > 2 && water->rowCount() > row + 1)
            QVERIFY(Window_Fixture::edit(water, row, 1, Window_Fixture::typed(words.value(2))));
    } else if (what == QLatin1String("new") || what == QLatin1String("rename") ||
               what == QLatin1String("delete")) {
        // The button's dialog, answered: the name typed, or «Yes».
        const QString name = words.mid(1).join(QLatin1Char(' '));
        QTimer::singleShot(0, window, [name] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *input = qobject_cast<QInputDialog *>(modal)) {
                input->setTextValue(name);
                input->accept();
            } else if (auto *question = qobject_cast<QMessageBox *>(modal)) {
                click(question, QMessageBox::Yes);
            }
        });
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("plan_") + what),
                          Qt::LeftButton);
    } else {
        QFAIL(qPrintable(QStringLiteral("no such step: plan ") + _step));
    }
}

void Window_Steps::log_step(const QString &_step)
{
    const QStringList words = _step.split(QLatin1Char(' '));
    const QString what = words.value(0);
    QWidget *window = plan_window();
    QVERIFY(window);
    auto *table = window->findChild<QTableWidget *>(QStringLiteral("plan_log"));
    // Opens a cell's editor, puts _text in as the user would and presses Return.
    const auto cell = [table](int _row, int _column, const QString &_text) {
        QApplication::setActiveWindow(table->window());
        table->setCurrentCell(_row, _column);
        table->editItem(table->item(_row, _column));
        QWidget *editor = QApplication::focusWidget();
        while (editor && editor->parentWidget() != table->viewport())
            editor = editor->parentWidget();
        QVERIFY2(editor, qPrintable(QStringLiteral("no editor in %1, %2").arg(_row).arg(_column)));
        if (auto *date = qobject_cast<QDateEdit *>(editor)) {
            date->setDate(QDate::fromString(_text, Qt::ISODate));
        } else if (auto *list = qobject_cast<QComboBox *>(editor)) {
            if (list->isEditable())
                list->setEditText(_text);
            else // the text, or its place in the list
                list->setCurrentIndex(list->findText(_text) >= 0 ? list->findText(_text)
                                                                 : _text.toInt());
        } else {
            auto *line = qobject_cast<QLineEdit *>(editor);
            QVERIFY(line);
            line->selectAll();
            Window_Fixture::keys(line, _text);
        }
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
    };
    // Answers the file dialog with _file, and notes what a message box says.
    const auto answer = [this](const QString &_file, QPushButton *_button) {
        log_said.clear();
        QTimer poll;
        // Answered from the event loop, not from the timer, which would
        // not come round again while a dialog the answer opens is shown.
        QObject::connect(&poll, &QTimer::timeout, [this, _file] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
                // selectFile() leaves the name alone while its field has the focus.
                dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(_file);
                QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
            } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                // The dialog's own question whether to replace the file is
                // answered yes; the window's own boxes are what it said.
                if (QAbstractButton *replace = box->button(QMessageBox::Yes)) {
                    QMetaObject::invokeMethod(replace, "click", Qt::QueuedConnection);
                    return;
                }
                log_said = box->text();
                QMetaObject::invokeMethod(box, "accept", Qt::QueuedConnection);
            }
        });
        poll.start(10);
        QTest::mouseClick(_button, Qt::LeftButton);
    };
    const int typing = table->rowCount() - 1;
    // Every step of the log's is taken on its tab.
    window->findChild<QTabWidget *>(QStringLiteral("plan_pages"))->setCurrentIndex(1);
    if (what == QLatin1String("log-tab")) {
    } else if (what == QLatin1String("log-cell")) {
        const int row = words.value(1) == QLatin1String("new") ? typing : words.value(1).toInt();
        cell(row, words.value(2).toInt(), words.mid(3).join(QLatin1Char(' ')));
    } else if (what == QLatin1String("log")) {
        // The kind by its place: «Показание», «Подмена воды», in any language.
        cell(typing, 0, words.value(1));
        if (words.value(2) == QLatin1String("change")) {
            cell(typing, 1, QStringLiteral("1"));
        } else {
            cell(typing, 1, QStringLiteral("0"));
            cell(typing, 2, words.value(2));
            if (words.size() > 4)
                cell(typing, 6, words.mid(4).join(QLatin1Char(' ')));
        }
        cell(typing, 3, Window_Fixture::typed(words.value(3)));
    } else if (what == QLatin1String("log-use")) {
        QTest::mouseClick(window->findChild<QCheckBox *>(QStringLiteral("plan_use_uptake")),
                          Qt::LeftButton, Qt::NoModifier, QPoint(6, 6));
    } else if (what == QLatin1String("log-accept")) {
        auto *advice = window->findChild<QTableWidget *>(QStringLiteral("plan_advice"));
        advice->setCurrentCell(words.value(1).toInt(), 0);
        auto *accept = window->findChild<QPushButton *>(QStringLiteral("plan_advice_accept"));
        QVERIFY2(accept->isEnabled(), qPrintable(advice->currentItem()->text()));
        QTest::mouseClick(accept, Qt::LeftButton);
    } else if (what == QLatin1String("log-remove")) {
        QApplication::setActiveWindow(window);
        table->setFocus();
        table->clearSelection();
        table->setRangeSelected(
            QTableWidgetSelectionRange(0, 0, typing - 1, table->columnCount() - 1), true);
        QTimer::singleShot(0, window, [] {
            if (auto *question = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                click(question, QMessageBox::Yes);
        });
        QTest::keyClick(table, Qt::Key_Delete);
    } else if (what == QLatin1String("log-import") || what == QLatin1String("log-export") ||
               what == QLatin1String("log-import-exported")) {
        QString file = exported_log();
        if (what == QLatin1String("log-import")) {
            file = log_files.filePath(QStringLiteral("typed.csv"));
            QFile typed(file);
            QVERIFY(typed.open(QIODevice::WriteOnly));
            typed.write(words.mid(1)
                            .join(QLatin1Char(' '))
                            .replace(QStringLiteral("\\n"), QStringLiteral("\n"))
                            .toUtf8());
        }
        answer(file, window->findChild<QPushButton *>(what == QLatin1String("log-export")
                                                          ? "plan_log_export"
                                                          : "plan_log_import"));
    } else {
        QFAIL(qPrintable(QStringLiteral("no such step: plan ") + _step));
    }
}

void Window_Steps::editor_step(const QString &_step)
{
    const QStringList words = _step.split(QLatin1Char(' '));
    const QString what = words.value(0);
    const QString rest = words.mid(1).join(QLatin1Char(' '));
    if (what == QLatin1String("open")) {
        f.window->findChild<QAction *>(QStringLiteral("action_editor"))->trigger();
        return;
    }
    if (what == QLatin1String("file")) {
        // A file of the user's before the program starts, the products' unless
        // named first: the window again.
        const QString folder = User_Catalogues::folder();
        QVERIFY(QDir().mkpath(folder));
        const bool named = words.value(1).endsWith(QLatin1String(".json"));
        QFile file(folder + QLatin1Char('/') +
                   (named ? words.value(1) : QStringLiteral("commercial_products.json")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write((named ? words.mid(2).join(QLatin1Char(' ')) : rest).toUtf8());
        file.close();
        QVERIFY(f.reopen());
        return;
    }
    if (what == QLatin1String("notice")) {
        // Said at start-up over the window, which it does not block.
        const auto *notice =
            f.window->findChild<QMessageBox *>(QStringLiteral("unreadable_notice"));
        QVERIFY(notice && notice->isVisible() && !QApplication::activeModalWidget());
        QVERIFY2(QRegularExpression(rest).match(notice->text()).hasMatch(),
                 qPrintable(notice->text()));
        return;
    }
    if (what == QLatin1String("bytes") || what == QLatin1String("aside")) {
        // The user's file, or the one moved aside, byte for byte.
        const QDir folder(User_Catalogues::folder());
        const QStringList aside =
            folder.entryList({QStringLiteral("commercial_products.json.unreadable-*")});
        QCOMPARE(aside.size(), what == QLatin1String("aside") ? 1 : 0);
        QFile file(folder.filePath(what == QLatin1String("aside")
                                       ? aside.value(0)
                                       : QStringLiteral("commercial_products.json")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), rest);
        return;
    }
    QWidget *window = f.window->findChild<QWidget *>(QStringLiteral("editor"));
    QVERIFY(window);
    const auto button = [window](const char *_name) {
        return window->findChild<QPushButton *>(QLatin1String(_name));
    };
    if (what == QLatin1String("new")) {
        window->findChild<QAction *>(QStringLiteral("editor_new_") + rest)->trigger();
    } else if (what == QLatin1String("name") || what == QLatin1String("formula") ||
               what == QLatin1String("water")) {
        Window_Fixture::type(window->findChild<QLineEdit *>(QStringLiteral("editor_") + what),
                             Window_Fixture::typed(rest));
    } else if (what == QLatin1String("element") || what == QLatin1String("salt")) {
        auto *table = window->findChild<QTableWidget *>(
            what == QLatin1String("salt") ? "editor_salts" : "editor_elements");
        const int row =
            words.value(3) == QLatin1String("in") ? words.value(4).toInt() : table->rowCount() - 1;
        if (words.value(3) != QLatin1String("in"))
            QVERIFY(Window_Fixture::edit(table, row, 0, words.value(1)));
        QVERIFY(Window_Fixture::edit(table, row, 1, Window_Fixture::typed(words.value(2))));
    } else if (what == QLatin1String("target")) {
        auto *target = window->findChild<QComboBox *>(QStringLiteral("editor_target"));
        target->setCurrentIndex(target->findText(rest));
    } else if (what == QLatin1String("asks")) {
        QCOMPARE(leaving_question(window), rest);
    } else if (what == QLatin1String("weigh")) {
        // «Взвесить 10 ложек» answered with the grams typed; a box that
        // refuses them closed.
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [rest] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *ask = qobject_cast<QInputDialog *>(modal)) {
                ask->setTextValue(rest);
                QMetaObject::invokeMethod(ask, "accept", Qt::QueuedConnection);
            } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                if (box->windowTitle() == QStringLiteral("Взвесить 10 ложек"))
                    box->accept();
            }
        });
        poll.start(10);
        QTest::mouseClick(button("editor_weigh"), Qt::LeftButton);
    } else if (what == QLatin1String("spooned")) {
        // The teaspoon's figure and source, today's date for TODAY.
        QCOMPARE(
            window->findChild<QLineEdit *>(QStringLiteral("editor_teaspoon"))->text() +
                QLatin1Char('|') +
                window->findChild<QLineEdit *>(QStringLiteral("editor_teaspoon_source"))->text(),
            QString(rest).replace(QStringLiteral("TODAY"),
                                  QDate::currentDate().toString(Qt::ISODate)));
    } else if (what == QLatin1String("spoon-kept")) {
        // The teaspoon of the first compound of the user's file.
        QFile file(User_Catalogues::folder() + QStringLiteral("/compounds.json"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonObject spoon =
            QJsonDocument::fromJson(file.readAll())[0][QLatin1String("teaspoon")].toObject();
        QCOMPARE(QString::number(spoon[QLatin1String("g")].toDouble()) + QLatin1Char('|') +
                     spoon[QLatin1String("source")].toString(),
                 QString(rest).replace(QStringLiteral("TODAY"),
                                       QDate::currentDate().toString(Qt::ISODate)));
    } else if (what == QLatin1String("sourced")) {
        QCOMPARE(window->findChild<QLineEdit *>(QStringLiteral("editor_source"))->text(), rest);
    } else if (what == QLatin1String("reference")) {
        QCOMPARE(window->findChild<QComboBox *>(QStringLiteral("editor_target"))->currentText(),
                 rest);
    } else if (what == QLatin1String("copy") || what == QLatin1String("save") ||
               what == QLatin1String("delete")) {
        // A question, about a file that cannot be read, answered.
        const bool yes = rest != QLatin1String("no");
        QTimer::singleShot(0, window, [yes] {
            if (auto *question = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                click(question, yes ? QMessageBox::Yes : QMessageBox::No);
        });
        QTest::mouseClick(button(qPrintable(QStringLiteral("editor_") + what)), Qt::LeftButton);
        QCoreApplication::processEvents();
    } else {
        QFAIL(qPrintable(QStringLiteral("no such step: editor ") + _step));
    }
}

void Window_Steps::designer_step(const QString &_step)
{
    const QStringList words = _step.split(QLatin1Char(' '));
    const QString what = words.value(0);
    if (what == QLatin1String("open")) {
        f.window->findChild<QAction *>(QStringLiteral("action_designer"))->trigger();
        return;
    }
    QWidget *window = f.window->findChild<QWidget *>(QStringLiteral("designer"));
    QVERIFY(window);
    if (what == QLatin1String("want")) {
        // An element's or ion's target typed into its row.
        auto *table = window->findChild<QTableWidget *>(QStringLiteral("designer_targets"));
        const QList<QTableWidgetItem *> found = table->findItems(words.value(1), Qt::MatchExactly);
        QVERIFY(!found.isEmpty());
        QVERIFY(Window_Fixture::edit(table, found.first()->row(), 1,
                                     Window_Fixture::typed(words.value(2))));
    } else if (what == QLatin1String("tick")) {
        auto *table = window->findChild<QTableWidget *>(QStringLiteral("designer_salts"));
        const QList<QTableWidgetItem *> found = table->findItems(words.value(1), Qt::MatchExactly);
        QVERIFY(!found.isEmpty());
        found.first()->setCheckState(found.first()->checkState() == Qt::Checked ? Qt::Unchecked
                                                                                : Qt::Checked);
    } else if (what == QLatin1String("name")) {
        Window_Fixture::type(window->findChild<QLineEdit *>(QStringLiteral("designer_name")),
                             words.mid(1).join(QLatin1Char(' ')));
    } else if (what == QLatin1String("water")) {
        window->findChild<QSpinBox *>(QStringLiteral("designer_water"))
            ->setValue(words.value(1).toInt());
    } else if (what == QLatin1String("dose")) {
        // Typed key by key, as the user does.
        auto *dose = window->findChild<QDoubleSpinBox *>(QStringLiteral("designer_dose"));
        auto *line = dose->findChild<QLineEdit *>();
        QVERIFY(line);
        line->selectAll();
        Window_Fixture::keys(line, words.value(1));
        QTest::keyClick(line, Qt::Key_Return);
    } else if (what == QLatin1String("says")) {
        const auto *status = window->findChild<QLabel *>(QStringLiteral("designer_status"));
        QCOMPARE(status->text(), words.mid(1).join(QLatin1Char(' ')));
    } else if (what == QLatin1String("suggest") || what == QLatin1String("save") ||
               what == QLatin1String("plan")) {
        // A question about recipes of the same names, answered.
        const bool yes = words.value(1) != QLatin1String("no");
        QTimer::singleShot(0, window, [yes] {
            if (auto *question = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                click(question, yes ? QMessageBox::Yes : QMessageBox::No);
        });
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("designer_") + what),
                          Qt::LeftButton);
        // No question asked: the answer goes now, not to the next step's.
        QCoreApplication::processEvents();
    } else {
        QFAIL(qPrintable(QStringLiteral("no such step: designer ") + _step));
    }
}
