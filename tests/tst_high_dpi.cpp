// SPDX-License-Identifier: GPL-3.0-or-later

// At 96, 120 and 144 DPI (100 %, 125 %, 150 % scaling) every caption, field
// and list entry of the window fits its widget. Run on a real X server (Xvfb)
// whose Xft.dpi is ROVALIN_TEST_DPI, with the program's start-up settings.

#include "base/language.h"
#include "dosing/premix_fertilizer.h"
#include "window_fixture.h"

#include <QAction>
#include <QMessageBox>
#include <QScreen>
#include <QSpinBox>
#include <QStyleOptionComboBox>

namespace {

QByteArray shipped(const char *_file)
{
    QFile file(QStringLiteral(ROVALIN_SETTINGS_DIR "/") + QLatin1String(_file));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int advance(const QWidget *_widget, const QString &_text)
{
    return _widget->fontMetrics().horizontalAdvance(_text);
}

// The texts of _table, headers included, that do not fit their column.
QStringList cut_cells(const QTableWidget *_table)
{
    QStringList cut;
    const int margin = _table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, _table);
    for (int column = 0; column < _table->columnCount(); ++column) {
        const QTableWidgetItem *header = _table->horizontalHeaderItem(column);
        if (QFontMetrics(header->font()).horizontalAdvance(header->text()) >
            _table->columnWidth(column))
            cut << header->text();
        for (int row = 0; row < _table->rowCount(); ++row) {
            const QString text = _table->item(row, column)->text();
            if (advance(_table, text) + 2 * (margin + 1) > _table->columnWidth(column))
                cut << text;
        }
    }
    return cut;
}

// The labels of _window whose text does not fit: wider than a label on one
// line, taller than a label that wraps.
QStringList cut_labels(const QWidget *_window)
{
    QStringList cut;
    for (const QLabel *label : _window->findChildren<QLabel *>()) {
        // What the tab on show hides is looked at with its own tab.
        if (!label->isVisible())
            continue;
        if (label->wordWrap() ? label->heightForWidth(label->width()) > label->height()
                              : advance(label, label->text()) > label->contentsRect().width())
            cut << label->text();
    }
    return cut;
}

// The spin boxes of _window too narrow for their largest value, which they are
// left at.
QStringList narrow_spin_boxes(const QWidget *_window)
{
    QStringList narrow;
    for (QSpinBox *box : _window->findChildren<QSpinBox *>()) {
        box->setValue(box->maximum());
        if (box->sizeHint().width() > box->width())
            narrow << box->objectName();
    }
    return narrow;
}

} // namespace

class TestHighDpi : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void window_is_scaled_not_its_fonts();
    void captions_fit();
    void fields_fit_their_longest_value();
    void list_entries_fit();
    void table_texts_fit();
    void messages_fit();
    void build_up_window_fits();
    void plan_window_fits();
    void editor_window_fits();
    void designer_window_fits();

private:
    // Every kind, every entry, both methods; _check runs for each.
    template <typename Check>
    void for_each_entry(Check _check);

    Window_Fixture f;
};

void TestHighDpi::init()
{
    Catalogues catalogues;
    catalogues.products = shipped("commercial_products.json");
    catalogues.compounds = shipped("compounds.json");
    catalogues.recipes = shipped("recipes.json");
    catalogues.targets = shipped("targets.json");
    QVERIFY(!catalogues.products.isEmpty() && !catalogues.compounds.isEmpty() &&
            !catalogues.recipes.isEmpty());
    QVERIFY(f.open(catalogues));
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
}

void TestHighDpi::cleanup()
{
    f.close();
}

template <typename Check>
void TestHighDpi::for_each_entry(Check _check)
{
    for (QRadioButton *kind : {f.ui->rbpremix, f.ui->rbdiy, f.ui->rbdiysol}) {
        kind->click();
        for (int entry = 0; entry < f.ui->comboBox->count(); ++entry) {
            f.ui->comboBox->setCurrentIndex(entry);
            for (int method = 0; method < 2; ++method) {
                f.ui->calc_methods->setCurrentIndex(method);
                _check();
            }
        }
    }
}

void TestHighDpi::window_is_scaled_not_its_fonts()
{
    const double dpi = qEnvironmentVariableIntValue("ROVALIN_TEST_DPI");
    QVERIFY(dpi > 0);
    const QScreen *screen = f.window->screen();
    QCOMPARE(qRound(screen->logicalDotsPerInch()), 96);
    QVERIFY2(qAbs(f.window->devicePixelRatioF() - dpi / 96) < 0.01,
             qPrintable(QString::number(f.window->devicePixelRatioF())));
    QCOMPARE(f.window->size(), QSize(571, 618));
}

void TestHighDpi::captions_fit()
{
    const auto fits = [](QLabel *_label) {
        const int room = _label->contentsRect().width() - 2 * _label->margin();
        QVERIFY2(advance(_label, _label->text()) <= room,
                 qPrintable(_label->objectName() + QLatin1String(": ") + _label->text()));
        QVERIFY(_label->fontMetrics().height() <= _label->contentsRect().height());
    };
    for (QLabel *label : {f.ui->label, f.ui->label_3, f.ui->label_4, f.ui->linput_type_fert_2,
                          f.ui->linput_type_fert_3})
        fits(label);
    for (QAbstractButton *button : std::initializer_list<QAbstractButton *>{
             f.ui->rbpremix, f.ui->rbdiy, f.ui->rbdiysol, f.ui->pushButton})
        QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->text()));

    // Captions that change with the kind, the entry and the method.
    for_each_entry([&] {
        fits(f.ui->linput_type_fert);
        QVERIFY2(f.ui->ltarget_name->sizeHint().width() <= f.ui->ltarget_name->width(),
                 qPrintable(f.ui->ltarget_name->text()));
    });
}

void TestHighDpi::fields_fit_their_longest_value()
{
    const QList<QPair<QLineEdit *, QString>> fields{{f.ui->tank_vol, "10000"},
                                                    {f.ui->val_methods_3, "10000"},
                                                    {f.ui->val_methods, "999.99"},
                                                    {f.ui->val_methods_2, "9999.99"}};
    for (const auto &field : fields) {
        QLineEdit *edit = field.first;
        const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
        const QMargins margins = edit->textMargins();
        // QLineEdit keeps two more pixels on each side of its text.
        const int room = edit->width() - 2 * frame - margins.left() - margins.right() - 4;
        const QString text = Window_Fixture::typed(field.second);
        QVERIFY2(advance(edit, text) <= room,
                 qPrintable(edit->objectName() + QLatin1String(": ") + text));
    }
}

void TestHighDpi::list_entries_fit()
{
    QStringList too_long;
    const auto check = [&too_long](QComboBox *_box) {
        QStyleOptionComboBox option;
        option.initFrom(_box);
        option.editable = false;
        option.frame = _box->hasFrame();
        const QRect field = _box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxEditField, _box);
        for (int i = 0; i < _box->count(); ++i) {
            if (advance(_box, _box->itemText(i)) > field.width())
                too_long << _box->itemText(i);
        }
    };
    check(f.ui->calc_methods);
    for (QRadioButton *kind : {f.ui->rbpremix, f.ui->rbdiy, f.ui->rbdiysol}) {
        kind->click();
        check(f.ui->comboBox);
    }
    QVERIFY2(too_long.isEmpty(), qPrintable(too_long.join(QLatin1String(" | "))));
}

void TestHighDpi::table_texts_fit()
{
    QTableWidget *table = f.ui->tableWidget;
    const int margin = table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table);
    const auto fits = [&](const QString &_text, const QFont &_font, int _column) {
        QVERIFY2(QFontMetrics(_font).horizontalAdvance(_text) + 2 * (margin + 1) <=
                     table->columnWidth(_column),
                 qPrintable(_text));
    };
    Window_Fixture::type(f.ui->tank_vol, "1");
    for_each_entry([&] {
        Window_Fixture::type(f.ui->val_methods, "1000");
        f.calculate();
        for (int column = 0; column < 2; ++column)
            fits(table->horizontalHeaderItem(column)->text(),
                 table->horizontalHeaderItem(column)->font(), column);
        for (int row = 0; row < table->rowCount(); ++row)
            for (int column = 0; column < 2; ++column)
                fits(table->item(row, column)->text(), table->font(), column);
    });
}

void TestHighDpi::messages_fit()
{
    QLabel *info = f.ui->linfo;
    const auto fits = [&] {
        if (info->isVisible())
            QVERIFY2(info->heightForWidth(info->width()) <= info->height(),
                     qPrintable(info->text()));
    };
    Window_Fixture::type(f.ui->tank_vol, "10000");
    for_each_entry([&] {
        Window_Fixture::type(f.ui->val_methods, Window_Fixture::typed("0.01"));
        f.calculate();
        fits();
        if (f.ui->frsol->isHidden())
            return;
        // More compound than dissolves, in the least and the most water.
        Window_Fixture::type(f.ui->val_methods_2, Window_Fixture::typed("9999.99"));
        for (const char *water : {"1", "10000"}) {
            Window_Fixture::type(f.ui->val_methods_3, water);
            f.calculate();
            fits();
        }
        Window_Fixture::type(f.ui->val_methods_3, "1000");
        Window_Fixture::type(f.ui->val_methods_2, "1");
    });
}

// The build-up window at its own size, for the entry with the most elements,
// with the longest headers its inputs give.
void TestHighDpi::build_up_window_fits()
{
    Window_Fixture::type(f.ui->tank_vol, "100");
    Window_Fixture::type(f.ui->val_methods, "1");
    int most = 0;
    for (int entry = 0; entry < f.window->premix_fert->count_compounds(); ++entry) {
        if (f.window->premix_fert->compound_at(entry)->count_elements() >
            f.window->premix_fert->compound_at(most)->count_elements())
            most = entry;
    }
    f.ui->comboBox->setCurrentIndex(most);
    f.calculate();
    f.ui->action_dynamics->trigger();
    auto *window = f.window->findChild<QWidget *>(QStringLiteral("dynamics"));
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));

    QCOMPARE(cut_labels(window), QStringList());
    auto *table = window->findChild<QTableWidget *>(QStringLiteral("dynamics_table"));
    QCOMPARE(narrow_spin_boxes(window), QStringList());
    for (const int weeks : {1, 12, 22, 52}) {
        window->findChild<QSpinBox *>(QStringLiteral("dynamics_weeks"))->setValue(weeks);
        window->findChild<QSpinBox *>(QStringLiteral("dynamics_water_change"))->setValue(1);
        QCOMPARE(cut_cells(table), QStringList());
    }
}

// The plan window with the longest entry of each kind in it, new water with
// an ion and the hardness, read against a method and a livestock, and the
// longest figures its inputs give.
void TestHighDpi::plan_window_fits()
{
    Window_Fixture::type(f.ui->tank_vol, "1");
    Window_Fixture::type(f.ui->val_methods_3, "10000");
    Window_Fixture::type(f.ui->val_methods_2, Window_Fixture::typed("0.01"));
    auto *add = f.window->findChild<QAction *>(QStringLiteral("action_plan_add"));
    for (QRadioButton *kind : {f.ui->rbpremix, f.ui->rbdiy, f.ui->rbdiysol}) {
        kind->click();
        int longest = 0;
        for (int entry = 0; entry < f.ui->comboBox->count(); ++entry) {
            if (f.ui->comboBox->itemText(entry).size() > f.ui->comboBox->itemText(longest).size())
                longest = entry;
        }
        f.ui->comboBox->setCurrentIndex(longest);
        f.ui->calc_methods->setCurrentIndex(1);
        Window_Fixture::type(f.ui->val_methods, Window_Fixture::typed("999.99"));
        f.calculate();
        QVERIFY2(add->isEnabled(), qPrintable(f.ui->comboBox->currentText()));
        add->trigger();
    }
    auto *window = f.window->findChild<QWidget *>(QStringLiteral("plan"));
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto *water = window->findChild<QTableWidget *>(QStringLiteral("plan_water"));
    for (const auto &[key, figure] : {std::pair<const char *, const char *>{"NO3", "999.99"},
                                      {"Ca", "123.45"},
                                      {"Mg", "67.89"}}) {
        QVERIFY(Window_Fixture::edit(water, water->rowCount() - 1, 0, QLatin1String(key)));
        QVERIFY(Window_Fixture::edit(water, water->rowCount() - 2, 1,
                                     Window_Fixture::typed(QLatin1String(figure))));
    }

    // Read against the first method and livestock: the targets' column, the
    // colours and the warnings.
    for (const char *name : {"plan_method", "plan_livestock"}) {
        auto *list = window->findChild<QComboBox *>(QLatin1String(name));
        QVERIFY2(list->count() > 1, name);
        list->setCurrentIndex(1);
    }
    QCOMPARE(narrow_spin_boxes(window), QStringList());
    for (QComboBox *box : window->findChildren<QComboBox *>()) {
        QStyleOptionComboBox option;
        option.initFrom(box);
        option.frame = box->hasFrame();
        const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                         QStyle::SC_ComboBoxEditField, box);
        for (int i = 0; i < box->count(); ++i)
            QVERIFY2(advance(box, box->itemText(i)) <= field.width(), qPrintable(box->itemText(i)));
    }
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (button->isVisible() && !button->text().isEmpty())
            QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->text()));
    }
    QCOMPARE(cut_labels(window), QStringList());
    auto *pages = window->findChild<QTabWidget *>(QStringLiteral("plan_pages"));
    pages->setCurrentIndex(1);
    QCOMPARE(cut_labels(window), QStringList());
    pages->setCurrentIndex(0);
    // The figures at a change of 1 % a day, and none changed at all.
    auto *every = window->findChild<QSpinBox *>(QStringLiteral("plan_change_every"));
    auto *change = window->findChild<QSpinBox *>(QStringLiteral("plan_water_change"));
    every->setValue(1);
    for (const int percent : {1, 0}) {
        change->setValue(percent);
        for (const char *name : {"plan_items", "plan_totals", "plan_water"}) {
            auto *table = window->findChild<QTableWidget *>(QLatin1String(name));
            QVERIFY(table->rowCount() > 0);
            QCOMPARE(cut_cells(table), QStringList());
        }
    }
    QVERIFY(window->findChild<QLabel *>(QStringLiteral("plan_status"))->isHidden());
}

// The editor with a copy of the entry of each list with the longest name,
// and of the recipe with the most salts.
void TestHighDpi::editor_window_fits()
{
    f.window->findChild<QAction *>(QStringLiteral("action_editor"))->trigger();
    auto *window = f.window->findChild<QWidget *>(QStringLiteral("editor"));
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const auto longest = [&](const auto &_measure) {
        int best = 0;
        for (int entry = 0; entry < f.ui->comboBox->count(); ++entry)
            if (_measure(entry) > _measure(best))
                best = entry;
        return best;
    };
    for (QRadioButton *kind : {f.ui->rbpremix, f.ui->rbdiy}) {
        kind->click();
        const auto name = [&](int _entry) { return f.ui->comboBox->itemText(_entry).size(); };
        const auto salts = [&](int _entry) {
            return int(f.window->premix_fert->compound_at(_entry)->recipe().size());
        };
        QList<int> entries{longest(name)};
        if (kind == f.ui->rbpremix)
            entries << longest(salts);
        for (const int entry : entries) {
            f.ui->comboBox->setCurrentIndex(entry);
            // The copy before is not kept.
            QTimer::singleShot(0, window, [] {
                if (auto *ask = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                    ask->button(QMessageBox::Discard)->click();
            });
            QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("editor_copy")),
                              Qt::LeftButton);
            QCOMPARE(cut_labels(window), QStringList());
            for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
                if (button->isVisible() && !button->text().isEmpty())
                    QVERIFY2(button->sizeHint().width() <= button->width(),
                             qPrintable(button->text()));
            }
            for (const char *name : {"editor_elements", "editor_salts"}) {
                auto *table = window->findChild<QTableWidget *>(QLatin1String(name));
                if (table->isVisible())
                    QCOMPARE(cut_cells(table), QStringList());
            }
        }
    }
}

// The designer with targets for the macro and for iron and calcium, every
// salt that carries one ticked, so that the salts go into three bottles.
void TestHighDpi::designer_window_fits()
{
    f.window->findChild<QAction *>(QStringLiteral("action_designer"))->trigger();
    auto *window = f.window->findChild<QWidget *>(QStringLiteral("designer"));
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto *targets = window->findChild<QTableWidget *>(QStringLiteral("designer_targets"));
    for (const auto &[key, figure] : {std::pair<const char *, const char *>{"NO3", "999.99"},
                                      {"PO4", "3"},
                                      {"K", "30"},
                                      {"Fe", "0.1"},
                                      {"Ca", "10"}}) {
        const QList<QTableWidgetItem *> rows =
            targets->findItems(QLatin1String(key), Qt::MatchExactly);
        QVERIFY2(!rows.isEmpty(), key);
        QVERIFY(Window_Fixture::edit(targets, rows.first()->row(), 1,
                                     Window_Fixture::typed(QLatin1String(figure))));
    }
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("designer_suggest")),
                      Qt::LeftButton);
    QVERIFY(window->findChild<QLabel *>(QStringLiteral("designer_check"))->isVisible());
    QCOMPARE(narrow_spin_boxes(window), QStringList());
    // The layout makes room for the longer check once events are handled.
    QCoreApplication::processEvents();
    QCOMPARE(cut_labels(window).join(QLatin1Char('\n')), QString());
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (button->isVisible() && !button->text().isEmpty())
            QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->text()));
    }
    for (const char *name : {"designer_targets", "designer_salts"})
        QCOMPARE(cut_cells(window->findChild<QTableWidget *>(QLatin1String(name))), QStringList());
}

int main(int argc, char **argv)
{
    enable_high_dpi_scaling();
    QApplication application(argc, argv);
    // ROVALIN_TEST_LANGUAGE=en: every text in English, the translation's widths.
    if (qgetenv("ROVALIN_TEST_LANGUAGE") == "en" && !Language::apply(Language::english))
        return 1;
    TestHighDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_high_dpi.moc"
