// SPDX-License-Identifier: GPL-3.0-or-later

// Ten thousand random user actions over catalogues with tricky entries, with
// the window's invariants checked after every one (and after every
// calculation, that no solution is worked out that cannot dissolve); then
// as many over every window: the main window, the plan with its log, the
// editor of the user's entries and the designer, with what each shows and
// what each keeps checked after every action. The seed is printed; set
// ROVALIN_MONKEY_SEED to replay a run, ROVALIN_MONKEY_ACTIONS for more actions.

#include "window_invariants.h"
#include "window_steps.h"

#include "app/designer_window.h"
#include "app/editor_window.h"
#include "app/plan_window.h"
#include "catalogue/catalogue_reader.h"
#include "catalogue/user_catalogues.h"
#include "plan/plan_store.h"

#include <QElapsedTimer>
#include <QInputDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

Catalogues tricky_catalogues()
{
    const QByteArray entries = R"([
        {"name": "Soluble", "target": "K", "K": 0.4, "solubility": {"g_per_l": 300, "at_c": 20}},
        {"name": "Plain", "target": "Fe", "Fe": 1, "K": 5, "N": 2},
        {"name": "Huge", "target": "K", "K": 1e308, "N": 1e300},
        {"name": "Tiny", "target": "K", "K": 5e-324, "N": 1e-300},
        {"name": "Denormal target", "target": "N", "N": 1e-310, "K": 1e10},
        {"name": "Negative", "target": "K", "K": -1, "N": 0.5},
        {"name": "Zero target", "target": "P", "P": 0, "K": 1},
        {"name": "No target", "N": 3, "P": 1},
        {"name": "Missing target", "target": "Mg", "N": 2},
        {"name": "Only sol", "sol": 100},
        {"name": "Sol target", "target": "sol", "sol": 5, "K": 1},
        {"name": "", "": 5, "K": 0.2},
        {"name": 5, "N": 1},
        {"name": "<b>Bold</b> & <i>", "target": "<i>", "<i>": 0.5, "&amp;": 1},
        {"name": "Plain", "target": "Fe", "Fe": 0.25},
        {"name": "Many", "target": "S", "B": 0.01, "Ca": 0.1, "Cl": 0.2, "Cu": 0.001,
         "Fe": 0.02, "K": 0.3, "Mg": 0.05, "Mn": 0.01, "Mo": 0.0001, "N": 0.14, "Na": 0.1,
         "P": 0.2, "S": 0.18, "Zn": 0.002, "b": 1, "sol": 300},
        {"name": "Vastly soluble", "target": "K", "K": 0.4,
         "solubility": {"g_per_l": 1e308, "at_c": -1e308}},
        {"name": "Odd solubility", "target": "K", "K": 0.4, "solubility": {"g_per_l": "x"}},
        {"name": "Barely soluble", "target": "K", "K": 0.4, "solubility": {"g_per_l": 5e-324}}
    ])";
    Catalogues catalogues;
    catalogues.products = entries;
    catalogues.compounds = entries;
    return catalogues;
}

// Keys a user may press in a number field: both decimal separators, group
// separators, signs, exponents, letters and Cyrillic.
const QString keys = QStringLiteral("0123456789012345.,.,  \u00a0+-eE1aжЖ'");

QString random_text(QRandomGenerator &_random)
{
    QString text;
    const int length = _random.bounded(9);
    for (int i = 0; i < length; ++i)
        text += keys.at(_random.bounded(keys.size()));
    return text;
}

quint32 monkey_seed()
{
    const quint32 seed = qEnvironmentVariableIsSet("ROVALIN_MONKEY_SEED")
                             ? quint32(qEnvironmentVariable("ROVALIN_MONKEY_SEED").toUInt())
                             : QRandomGenerator::global()->generate();
    qInfo("monkey seed %u (replay with ROVALIN_MONKEY_SEED=%u)", seed, seed);
    return seed;
}

int monkey_actions()
{
    return qEnvironmentVariableIsSet("ROVALIN_MONKEY_ACTIONS")
               ? qEnvironmentVariableIntValue("ROVALIN_MONKEY_ACTIONS")
               : 10000;
}

// A figure a user may type into a cell or a field: numbers of every size,
// both decimal separators, signs, exponents, letters; never a blank, which
// the steps take for the end of a word.
QString hostile_figure(QRandomGenerator &_random)
{
    static const QStringList figures{"0",    "5",    "12.5",  "0,25", "1e3", "1e308", "-3",
                                     "+2",   "1000", "10001", "7.",   ".5",  "nan",   "inf",
                                     "9999", "1,5",  "0.001", "жЖ",   "1a",  "''",    "1.2.3"};
    if (_random.bounded(3) == 0) {
        QString text;
        const QString keys = QStringLiteral("0123456789.,+-eE1aж'\u00a0");
        for (int i = _random.bounded(1, 8); i > 0; --i)
            text += keys.at(_random.bounded(keys.size()));
        return text;
    }
    return figures.at(_random.bounded(figures.size()));
}

template <typename T>
const T &pick(QRandomGenerator &_random, const QVector<T> &_from)
{
    return _from.at(_random.bounded(_from.size()));
}

// Catalogues every window can work with: products and compounds the main
// window calculates, compounds with formulas for the designer, a method and
// livestock for the plan.
Catalogues every_window_catalogues()
{
    Catalogues catalogues = test_catalogues();
    catalogues.compounds = R"([
        {"name": "KNO3", "formula": "KNO3", "target": "N", "solubility": {"g_per_l": 316}},
        {"name": "KH2PO4", "formula": "KH2PO4", "target": "P", "solubility": {"g_per_l": 226}},
        {"name": "K2SO4", "formula": "K2SO4", "target": "K", "solubility": {"g_per_l": 111}},
        {"name": "MgSO4·7H2O", "formula": "MgSO4·7H2O", "target": "Mg"},
        {"name": "Huge", "target": "K", "K": 1e308, "N": 1e300},
        {"name": "Tiny", "target": "K", "K": 5e-324, "N": 1e-300}
    ])";
    return catalogues;
}

// A level or a dose shown as no number, in an exponent form, or with signs
// run together ("+-2147483648 %": a share beyond a whole number).
const QRegularExpression
    not_shown_well(QStringLiteral("(?<![A-Za-z])(inf|nan)(?![A-Za-z])|\\d[eE][-+]?\\d|[-+][-+]"),
                   QRegularExpression::CaseInsensitiveOption);

// What the window says with the names it quotes taken out: a name is the
// user's to choose, figures and all.
QString unquoted(QString _text)
{
    static const QRegularExpression quoted(QStringLiteral("«[^»]*»|“[^”]*”"));
    return _text.remove(quoted);
}

} // namespace

class TestMonkey : public QObject, public Window_Steps
{
    Q_OBJECT

private slots:
    void random_actions_keep_the_window_sound();
    void random_actions_keep_every_window_sound();

private:
    // A step of the user's, as Window_Steps takes it, chosen at random
    // among those the windows on show offer.
    QString random_step(QRandomGenerator &_random);
    // What broke after a step, or nothing.
    QString broken_windows() const;
    QString broken_plan() const;
    QString broken_editor() const;
    QString broken_designer() const;
};

void TestMonkey::random_actions_keep_the_window_sound()
{
    const quint32 seed = monkey_seed();
    const int actions = monkey_actions();
    QRandomGenerator random(seed);
    QVERIFY(f.open(tricky_catalogues()));

    Ui_MainWindow *ui = f.ui;
    QLineEdit *const fields[] = {ui->tank_vol, ui->val_methods, ui->val_methods_3,
                                 ui->val_methods_2};
    QRadioButton *const kinds[] = {ui->rbpremix, ui->rbdiy, ui->rbdiysol};
    QStringList history;
    for (int step = 0; step < actions; ++step) {
        QString action;
        switch (random.bounded(10)) {
        case 0:
        case 1: { // type, as the validator lets the keys through
            QLineEdit *field = fields[random.bounded(4)];
            const QString text = random_text(random);
            Window_Fixture::type(field, text);
            action = QStringLiteral("type \"%1\" into %2").arg(text, field->objectName());
            break;
        }
        case 2: { // paste, which the validator does not filter
            QLineEdit *field = fields[random.bounded(4)];
            const QString text = random_text(random);
            field->setText(text);
            action = QStringLiteral("paste \"%1\" into %2").arg(text, field->objectName());
            break;
        }
        case 3: {
            QRadioButton *kind = kinds[random.bounded(3)];
            Window_Fixture::click_radio(kind);
            action = QStringLiteral("click ") + kind->objectName();
            break;
        }
        case 4: {
            const int key = random.bounded(4);
            ui->comboBox->setFocus();
            QTest::keyClick(ui->comboBox, key == 0   ? Qt::Key_Down
                                          : key == 1 ? Qt::Key_Up
                                          : key == 2 ? Qt::Key_End
                                                     : Qt::Key_Home);
            action =
                QStringLiteral("entry key %1 -> %2").arg(key).arg(ui->comboBox->currentIndex());
            break;
        }
        case 5:
            Window_Fixture::choose(ui->calc_methods, random.bounded(2));
            action = QStringLiteral("method %1").arg(ui->calc_methods->currentIndex());
            break;
        case 6:
        case 7:
        case 8: {
            f.calculate();
            action = QStringLiteral("calculate");
            const QString broken = broken_solubility_invariant(f);
            if (!broken.isEmpty())
                QFAIL(qPrintable(
                    QStringLiteral("seed %1, action %2: %3").arg(seed).arg(step).arg(broken)));
            break;
        }
        default: {
            QEvent change(QEvent::LanguageChange);
            QCoreApplication::sendEvent(f.window.get(), &change);
            action = QStringLiteral("language change");
            break;
        }
        }
        history << action;
        if (history.size() > 12)
            history.removeFirst();

        const QString broken = broken_invariant(f);
        if (!broken.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3\nlast actions:\n  %4")
                                 .arg(seed)
                                 .arg(step)
                                 .arg(broken, history.join(QStringLiteral("\n  ")))));
    }
}

// The first cell of a row of _window's _table, or nothing without rows.
QString random_row(QRandomGenerator &_random, const QWidget *_window, const char *_table)
{
    const auto *table = _window->findChild<QTableWidget *>(QLatin1String(_table));
    return table->rowCount() ? table->item(_random.bounded(table->rowCount()), 0)->text()
                             : QString();
}

QString TestMonkey::random_step(QRandomGenerator &_random)
{
    const QWidget *plan = plan_window();
    const QWidget *editor = f.window->findChild<QWidget *>(QStringLiteral("editor"));
    const QWidget *designer = f.window->findChild<QWidget *>(QStringLiteral("designer"));
    const auto rows = [](const QWidget *_window, const char *_table) {
        return _window->findChild<QTableWidget *>(QLatin1String(_table))->rowCount();
    };
    const QString figure = hostile_figure(_random);
    const QVector<QString> kinds{"rbpremix", "rbdiy", "rbdiysol"};
    const QVector<QString> keys{"K", "N", "NO3", "P", "PO4", "Fe", "Mg", "GH", "Ca"};
    const QVector<QString> days{"Пн", "Вт", "Ср", "Чт", "Пт", "Сб", "Вс"};
    const QString date = plan_dates::today().addDays(-_random.bounded(60)).toString(Qt::ISODate);
    switch (_random.bounded(plan ? 36 : 12)) {
    case 0:
        return QStringLiteral("kind ") + pick(_random, kinds);
    case 1:
        return QStringLiteral("entry %1").arg(_random.bounded(f.ui->comboBox->count() + 1));
    case 2:
        return QStringLiteral("method %1").arg(_random.bounded(2));
    case 3:
        return pick(_random, QVector<QString>{"tank ", "value ", "water ", "grams "}) +
               (_random.bounded(2) ? figure : QString::number(_random.bounded(1, 200)));
    case 4:
    case 5:
        return QStringLiteral("calculate");
    case 6:
        return QStringLiteral("plan add");
    case 7:
        return QStringLiteral("plan open");
    case 8:
        return editor ? QStringLiteral("editor new ") +
                            pick(_random, QVector<QString>{"product", "compound", "recipe"})
                      : QStringLiteral("editor open");
    case 9: {
        const QString row =
            designer ? random_row(_random, designer, "designer_targets") : QString();
        return row.isEmpty()
                   ? QStringLiteral("designer open")
                   : QStringLiteral("designer want %1 %2")
                         .arg(row, _random.bounded(2) ? figure
                                                      : QString::number(_random.bounded(1, 40)));
    }
    case 10:
        return QStringLiteral("language ") +
               (_random.bounded(4) == 0 ? QStringLiteral("English") : QStringLiteral("Russian"));
    case 11:
        return QStringLiteral("calculate");
    default:
        break;
    }
    // The plan window has been asked for: its own steps, the editor's and
    // the designer's.
    const int items = rows(plan, "plan_items");
    const int chosen = _random.bounded(30);
    // Without a plan on show, its steps make one: a calculation put into it.
    if (!static_cast<const Plan_Window *>(plan)->model().shown() && (chosen < 17 || chosen > 27))
        return _random.bounded(2) ? QStringLiteral("calculate") : QStringLiteral("plan add");
    switch (chosen) {
    case 0:
    case 1: {
        // Typed where it may be: an item whose entry is gone shows its dose only.
        const int row = items ? _random.bounded(items) : -1;
        const auto *table = plan->findChild<QTableWidget *>(QStringLiteral("plan_items"));
        if (row < 0 || !(table->item(row, 2)->flags() & Qt::ItemIsEditable))
            return QStringLiteral("plan add");
        return QStringLiteral("plan dose %1 %2").arg(row).arg(figure);
    }
    case 2:
    case 3:
        return items ? QStringLiteral("plan day %1 %2")
                           .arg(_random.bounded(items))
                           .arg(pick(_random, days))
                     : QStringLiteral("plan add");
    case 4:
        return QStringLiteral("plan %1 %2")
            .arg(pick(_random, QVector<QString>{"change", "every", "weeks"}))
            .arg(_random.bounded(-5, 120));
    case 5:
        return QStringLiteral("plan method ") +
               pick(_random, QVector<QString>{"Method", "Без метода", "—"});
    case 6:
        return QStringLiteral("plan livestock ") + pick(_random, QVector<QString>{"Shrimp", "—"});
    case 7:
        return QStringLiteral("plan water %1 %2").arg(pick(_random, keys), figure);
    case 8:
        return items ? QStringLiteral("plan remove %1").arg(_random.bounded(items))
                     : QStringLiteral("plan add");
    case 9:
        return QStringLiteral("plan start ") +
               plan_dates::today().addDays(_random.bounded(-90, 30)).toString(Qt::ISODate);
    case 10:
        return QStringLiteral("plan log-tab");
    case 11:
    case 12:
        return QStringLiteral("plan log %1 %2 %3").arg(date, pick(_random, keys), figure);
    case 13:
        return QStringLiteral("plan log %1 change %2").arg(date).arg(_random.bounded(0, 120));
    case 14: {
        // A file of the user's: readings as the program writes them, or
        // bytes that are no log at all.
        const QVector<QString> files{
            QStringLiteral("date,what,key,value,note\\n%1,reading,K,%2,\\n%1,change,,40,")
                .arg(date, figure),
            QStringLiteral("\\x00\\xff;;\"\\n,,,"), QStringLiteral("date;what\\n1;2"),
            QStringLiteral("date,what,key,value,note\\n1999-01-01,reading,K,1,\\n")};
        return QStringLiteral("plan log-import ") + pick(_random, files);
    }
    case 15:
        return QStringLiteral("plan log-use");
    case 16:
        return QStringLiteral("plan log-remove all");
    case 17:
        return editor ? QStringLiteral("editor name ") +
                            pick(_random, QVector<QString>{"Mine", "Second", "KNO3", "", "A<b>"})
                      : QStringLiteral("editor open");
    case 18:
        // Typed where the figures are not worked out from a formula.
        if (!editor)
            return QStringLiteral("editor open");
        // A recipe's salts, by name and grams.
        if (editor->findChild<QTableWidget *>(QStringLiteral("editor_salts"))->isVisible())
            return QStringLiteral("editor salt %1 %2")
                .arg(pick(_random, QVector<QString>{"KNO3", "K2SO4", "Xx", "Huge"}), figure);
        if (editor->findChild<QTableWidget *>(QStringLiteral("editor_elements"))->editTriggers() ==
            QAbstractItemView::NoEditTriggers)
            return QStringLiteral("editor formula ");
        return QStringLiteral("editor element %1 %2").arg(pick(_random, keys), figure);
    case 19:
        return editor ? QStringLiteral("editor formula ") +
                            pick(_random, QVector<QString>{"KNO3", "K2SO4", "(NH4", "Xx2", "H2O"})
                      : QStringLiteral("editor open");
    case 20:
    case 21:
        return editor ? QStringLiteral("editor save") : QStringLiteral("editor open");
    case 22:
        return editor ? QStringLiteral("editor copy") : QStringLiteral("editor open");
    case 23:
        return editor ? QStringLiteral("editor delete") : QStringLiteral("editor open");
    case 24:
        if (!designer || random_row(_random, designer, "designer_salts").isEmpty())
            return QStringLiteral("designer open");
        return QStringLiteral("designer tick ") + random_row(_random, designer, "designer_salts");
    case 25:
        return designer ? QStringLiteral("designer %1 %2")
                              .arg(pick(_random, QVector<QString>{"water", "dose"}))
                              .arg(_random.bounded(2) ? figure
                                                      : QString::number(_random.bounded(1, 900)))
                        : QStringLiteral("designer open");
    case 26:
        return designer ? QStringLiteral("designer ") +
                              pick(_random, QVector<QString>{"suggest", "save", "plan"})
                        : QStringLiteral("designer open");
    case 27:
        return designer ? QStringLiteral("designer name ") +
                              pick(_random, QVector<QString>{"Макро", "Micro", ""})
                        : QStringLiteral("designer open");
    default: {
        // A row of the totals onto the chart, or off it.
        const auto *totals = plan->findChild<QTableWidget *>(QStringLiteral("plan_totals"));
        if (totals->rowCount() == 0)
            return QStringLiteral("plan add");
        return QStringLiteral("plan tick ") +
               totals->item(_random.bounded(totals->rowCount()), 0)->data(Qt::UserRole).toString();
    }
    }
}

// Every figure the windows show, in their tables and lines, is a number in
// plain form; each table has the rows its model has; the files say what the
// models hold.
QString TestMonkey::broken_windows() const
{
    for (const char *name : {"plan", "editor", "designer"}) {
        const QWidget *window = f.window->findChild<QWidget *>(QLatin1String(name));
        if (!window || !window->isVisible())
            continue;
        for (const QTableWidget *table : window->findChildren<QTableWidget *>()) {
            // The editor's tables hold an entry's figures as the file has them.
            if (table->objectName().startsWith(QLatin1String("editor_")))
                continue;
            for (int row = 0; row < table->rowCount(); ++row) {
                // The first column names (entries, elements); notes are the user's.
                for (int column = 1; column < table->columnCount(); ++column) {
                    const QTableWidgetItem *item = table->item(row, column);
                    const bool note = table->objectName() == QLatin1String("plan_log") &&
                                      column == table->columnCount() - 1;
                    if (!item || note)
                        continue;
                    if (not_shown_well.match(unquoted(item->text())).hasMatch())
                        return QStringLiteral("%1 row %2 column %3 shows «%4»")
                            .arg(table->objectName())
                            .arg(row)
                            .arg(column)
                            .arg(item->text());
                }
            }
        }
        for (const QLabel *label : window->findChildren<QLabel *>()) {
            if (label->isVisible() && not_shown_well.match(unquoted(label->text())).hasMatch())
                return label->objectName() + QStringLiteral(" shows: ") + label->text().left(300);
        }
    }
    QString broken = broken_plan();
    if (broken.isEmpty())
        broken = broken_editor();
    if (broken.isEmpty())
        broken = broken_designer();
    return broken;
}

QString TestMonkey::broken_plan() const
{
    const auto *window = static_cast<const Plan_Window *>(plan_window());
    if (!window)
        return QString();
    const Plan_Book &book = window->model();
    const Dosing_Plan *plan = book.shown();
    const auto rows = [window](const char *_table) {
        return window->findChild<QTableWidget *>(QLatin1String(_table))->rowCount();
    };
    const int items = plan ? plan->items.size() : 0;
    if (rows("plan_items") != items)
        return QStringLiteral("plan_items has %1 rows for %2 items")
            .arg(rows("plan_items"))
            .arg(items);
    if (plan && rows("plan_totals") != book.totals().size())
        return QStringLiteral("plan_totals has %1 rows for %2 totals")
            .arg(rows("plan_totals"))
            .arg(book.totals().size());
    const int entries = plan ? plan->log.size() + 1 : 0;
    if (plan && rows("plan_log") != entries)
        return QStringLiteral("plan_log has %1 rows for %2 entries")
            .arg(rows("plan_log"))
            .arg(plan->log.size());
    // What the book says is saved is what the file holds.
    if (book.unsaved())
        return QStringLiteral("the plans were not saved: ") + book.save_problem();
    QFile file(book.file_name());
    if (!file.exists())
        return book.plans().isEmpty() ? QString() : QStringLiteral("plans.json is not there");
    QVector<Dosing_Plan> kept;
    QJsonObject root;
    QString why;
    if (!file.open(QIODevice::ReadOnly) || !Plan_Store::parse(file.readAll(), &kept, &root, &why))
        return QStringLiteral("plans.json does not read: ") + why;
    if (Plan_Store::write(kept, root) != Plan_Store::write(book.plans(), root))
        return QStringLiteral("plans.json holds other plans than the window");
    return QString();
}

QString TestMonkey::broken_editor() const
{
    const auto *window = f.window->findChild<const Editor_Window *>(QStringLiteral("editor"));
    if (!window)
        return QString();
    const Catalogue_Editor &editor = window->model();
    const auto *list = window->findChild<QTreeWidget *>(QStringLiteral("editor_list"));
    int listed = 0;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget *>(list)); *it; ++it)
        listed += (*it)->childCount() == 0 && (*it)->data(0, Qt::UserRole).isValid();
    int named = 0;
    for (int kind = 0; kind < Catalogue_Editor::kinds; ++kind) {
        const auto made = Catalogue_Editor::Kind(kind);
        const QStringList names = editor.names(made);
        named += names.size();
        // The file holds the entries the editor lists, in its order.
        QFile file(User_Catalogues::folder() + QLatin1Char('/') +
                   Catalogue_Editor::file_name(made));
        if (!file.exists()) {
            if (!names.isEmpty())
                return file.fileName() + QStringLiteral(" is not there");
            continue;
        }
        if (!file.open(QIODevice::ReadOnly))
            return file.fileName() + QStringLiteral(" does not open");
        QStringList kept;
        for (const QJsonValue &entry : QJsonDocument::fromJson(file.readAll()).array())
            kept << entry[QLatin1String("name")].toString();
        if (kept != names)
            return QStringLiteral("%1 holds [%2], the editor lists [%3]")
                .arg(file.fileName(), kept.join(QLatin1Char(',')), names.join(QLatin1Char(',')));
    }
    if (listed < named)
        return QStringLiteral("editor_list shows %1 entries of %2").arg(listed).arg(named);
    return QString();
}

QString TestMonkey::broken_designer() const
{
    const auto *window = f.window->findChild<const Designer_Window *>(QStringLiteral("designer"));
    if (!window)
        return QString();
    const Recipe_Designer &designer = window->model();
    const auto rows = [window](const char *_table) {
        return window->findChild<QTableWidget *>(QLatin1String(_table))->rowCount();
    };
    if (rows("designer_targets") != designer.targets().size() ||
        rows("designer_salts") != designer.salts().size())
        return QStringLiteral(
                   "the designer's tables have %1 and %2 rows for %3 targets and %4 salts")
            .arg(rows("designer_targets"))
            .arg(rows("designer_salts"))
            .arg(designer.targets().size())
            .arg(designer.salts().size());
    return QString();
}

// Qt's offscreen platform says of every window shown that it cannot size or
// raise it: thousands of lines, after which the test's own would be dropped.
QtMessageHandler qt_handler = nullptr;
void quieter(QtMsgType _type, const QMessageLogContext &_context, const QString &_message)
{
    if (!_message.startsWith(QLatin1String("This plugin does not support")))
        qt_handler(_type, _context, _message);
}

void TestMonkey::random_actions_keep_every_window_sound()
{
    qt_handler = qInstallMessageHandler(quieter);
    const auto restored = qScopeGuard([] { qInstallMessageHandler(qt_handler); });
    const quint32 seed = monkey_seed();
    const int actions = monkey_actions();
    QRandomGenerator random(seed);
    QVERIFY(f.open(every_window_catalogues()));
    f.window->show();

    // Whatever a step opens and does not answer itself (a question, a name
    // asked for, a file dialog) is answered at random once it has stood for
    // a moment.
    QWidget *standing = nullptr;
    QTimer answer;
    connect(&answer, &QTimer::timeout, this, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal != standing) {
            standing = modal;
            return;
        }
        standing = nullptr;
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            const QList<QAbstractButton *> buttons = box->buttons();
            buttons.at(int(random.bounded(buttons.size())))->click();
        } else if (auto *input = qobject_cast<QInputDialog *>(modal)) {
            input->setTextValue(random.bounded(2) ? QStringLiteral("Второй") : QString());
            input->accept();
        } else if (auto *dialog = qobject_cast<QDialog *>(modal)) {
            dialog->reject();
        }
    });
    answer.start(20);

    QStringList history;
    QElapsedTimer took;
    took.start();
    for (int step = 0; step < actions; ++step) {
        const QString action = random_step(random);
        history << action;
        if (history.size() > 12)
            history.removeFirst();
        run({action});
        const QString broken =
            QTest::currentTestFailed() ? QStringLiteral("the step failed") : broken_windows();
        if (!broken.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3\nlast actions:\n  %4")
                                 .arg(seed)
                                 .arg(step)
                                 .arg(broken, history.join(QStringLiteral("\n  ")))));
    }
    qInfo("%d actions over every window in %lld ms", actions, took.elapsed());
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
