// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_WINDOW_FIXTURE_H
#define ROVALIN_WINDOW_FIXTURE_H

// Shared by the GUI tests: builds the real MainWindow, the way the program
// does, over catalogues written into a temporary working directory, and reads
// back what the user sees.

#include "app/mainwindow.h"
#include "app/startup.h"
#include "base/language.h"
#include "ui_mainwindow.h"

#include <QtTest>

#include <memory>

// The catalogues a window is built over. A null QByteArray leaves that file out.
struct Catalogues
{
    QByteArray products;
    QByteArray compounds;
    QByteArray recipes;
    QByteArray targets;
    bool settings_folder = true;
};

// Products: a target that is not first in element order, a target that names
// no element (and a name that needs escaping), no target with "sol", a
// reference element whose content is 0, and an element key that needs escaping;
// then a recipe of three salts in which calcium meets sulfate; a method and a
// livestock to read plans against.
inline Catalogues test_catalogues()
{
    Catalogues catalogues;
    catalogues.products = R"([
        {"name": "Alpha", "target": "K", "Fe": 1, "K": 5},
        {"name": "Beta <b>&", "target": "Mg", "N": 2, "P": 0.5},
        {"name": "Gamma", "N": 3, "sol": 10, "P": 1},
        {"name": "Zero", "target": "Fe", "Fe": 0, "K": 1},
        {"name": "Tagged", "target": "<i>", "<i>": 2}
    ])";
    catalogues.compounds = R"([
        {"name": "K2SO4", "target": "K", "K": 0.5, "S": 0.1, "sol": 111,
         "teaspoon": {"g": 6, "source": "a test's figure"}},
        {"name": "Urea", "target": "N", "N": 0.4665}
    ])";
    catalogues.recipes = R"([
        {"name": "Bottle", "water_ml": 1000, "target": "K",
         "compounds": {"CaCl2": 1, "K2SO4": 10, "Na2SO4": 1}, "source": "a test of its own"}
    ])";
    catalogues.targets = R"({
        "methods": [{"name": "Method", "water_change": {"percent": 30, "every_days": 14},
                     "ranges": {"Fe": [0.5, 1], "K": [1.5, 3], "NO3": [0.1, 0.5],
                                "P": [0.01, 0.2]},
                     "source": "made up for the tests"}],
        "livestock": [{"name": "Shrimp", "ceilings": {"Fe": 0.3}, "source": "made up too"}]
    })";
    return catalogues;
}

class Window_Fixture
{
public:
    ~Window_Fixture() { close(); }

    // Writes the catalogues, makes the folder the working directory, builds
    // the window and runs the program's start-up steps. Fails the test (and
    // returns false) when the folder cannot be prepared.
    bool open(const Catalogues &_catalogues = test_catalogues())
    {
        close();
        dir = std::make_unique<QTemporaryDir>();
        if (!dir->isValid())
            return false;
        if (_catalogues.settings_folder) {
            if (!QDir(dir->path()).mkdir(QStringLiteral("settings")))
                return false;
            if (!write(QStringLiteral("commercial_products.json"), _catalogues.products) ||
                !write(QStringLiteral("compounds.json"), _catalogues.compounds) ||
                !write(QStringLiteral("recipes.json"), _catalogues.recipes) ||
                !write(QStringLiteral("targets.json"), _catalogues.targets))
                return false;
        }
        // What the program keeps (the plans) goes to the temporary folder too,
        // never to the real home.
#ifdef Q_OS_WIN
        QStandardPaths::setTestModeEnabled(true);
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
#else
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir->filePath(QStringLiteral("data"))));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir->filePath(QStringLiteral("config"))));
#endif
        previous_dir = QDir::currentPath();
        if (!QDir::setCurrent(dir->path()))
            return false;
        set_desktop_identity();
        use_narrow_font();
        // The language in use taken up as the program takes up its own at
        // start: in Russian, Qt's own texts are Russian too.
        Language::apply(Language::current());
        window = std::make_unique<MainWindow>();
        ui = window->ui;
        start_main_window(*window);
        return true;
    }

    // The window again over the same folder and catalogues, as a program
    // started anew.
    bool reopen()
    {
        window.reset();
        set_desktop_identity();
        window = std::make_unique<MainWindow>();
        ui = window->ui;
        start_main_window(*window);
        return true;
    }

    void close()
    {
        window.reset();
        ui = nullptr;
#ifdef Q_OS_WIN
        if (dir)
            QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                .removeRecursively();
#endif
        if (!previous_dir.isEmpty())
            QDir::setCurrent(previous_dir);
        previous_dir.clear();
        dir.reset();
    }

    // Each table row as "name=value".
    QStringList rows() const
    {
        QStringList result;
        for (int row = 0; row < ui->tableWidget->rowCount(); ++row)
            result << cell(row, 0) + QLatin1Char('=') + cell(row, 1);
        return result;
    }

    QString cell(int _row, int _column) const
    {
        const QTableWidgetItem *item = ui->tableWidget->item(_row, _column);
        return item ? item->text() : QStringLiteral("<none>");
    }

    QString header(int _column) const
    {
        return ui->tableWidget->horizontalHeaderItem(_column)->text();
    }

    QStringList items(const QComboBox *_box) const
    {
        QStringList result;
        for (int i = 0; i < _box->count(); ++i)
            result << _box->itemText(i);
        return result;
    }

    // What a user does.
    static void type(QLineEdit *_edit, const QString &_text)
    {
        _edit->setFocus();
        QTest::keyClick(_edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(_edit, Qt::Key_Backspace);
        keys(_edit, _text);
    }

    // _text key by key into _widget.
    static void keys(QWidget *_widget, const QString &_text)
    {
        for (const QChar c : _text) {
            // QTest maps only ASCII to keys; other characters come as text.
            if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
                QTest::keyClick(_widget, char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, _widget, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
        }
    }

    static void choose(QComboBox *_box, int _index)
    {
        _box->setFocus();
        QTest::keyClick(_box, Qt::Key_Home);
        for (int i = 0; i < _index; ++i)
            QTest::keyClick(_box, Qt::Key_Down);
    }

    // Clicks next to the indicator, where a click toggles the button.
    static void click_radio(QRadioButton *_button)
    {
        QTest::mouseClick(_button, Qt::LeftButton, Qt::NoModifier,
                          QPoint(6, _button->height() / 2));
    }

    // Types _text into a table cell's editor and presses Return.
    static bool edit(QTableWidget *_table, int _row, int _column, const QString &_text)
    {
        _table->setCurrentCell(_row, _column);
        _table->editItem(_table->item(_row, _column));
        QLineEdit *editor = nullptr;
        for (QLineEdit *each : _table->viewport()->findChildren<QLineEdit *>())
            if (each->isVisible())
                editor = each;
        if (!editor)
            return false;
        editor->selectAll();
        keys(editor, _text);
        QTest::keyClick(editor, Qt::Key_Return);
        // The view commits what was typed once the event loop comes round.
        QCoreApplication::processEvents();
        return true;
    }

    void calculate() const
    {
        QTest::mouseClick(ui->pushButton, Qt::LeftButton);
    }

    // A decimal number as the user types it in the system's locale; "_"
    // stands for the system's group separator.
    static QString typed(const QString &_number_with_point)
    {
        QString text = _number_with_point;
        text.replace(QLatin1Char('_'), QLocale::system().groupSeparator());
        return text.replace(QLatin1Char('.'), QLocale::system().decimalPoint());
    }

    std::unique_ptr<MainWindow> window;
    Ui_MainWindow *ui = nullptr;

private:
    bool write(const QString &_name, const QByteArray &_content)
    {
        if (_content.isNull())
            return true;
        QFile file(dir->filePath(QStringLiteral("settings/") + _name));
        return file.open(QIODevice::WriteOnly) && file.write(_content) == _content.size();
    }

    std::unique_ptr<QTemporaryDir> dir;
    QString previous_dir;
};

#endif // ROVALIN_WINDOW_FIXTURE_H
