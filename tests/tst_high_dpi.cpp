// SPDX-License-Identifier: GPL-3.0-or-later

// At 96, 120 and 144 DPI (100 %, 125 %, 150 % scaling) every caption, field
// and list entry of the window fits its widget. Run on a real X server (Xvfb)
// whose Xft.dpi is ROVALIN_TEST_DPI, with the program's start-up settings.

#include "premix_fertilizer.h"
#include "window_fixture.h"

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

    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (label->wordWrap())
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                     qPrintable(label->objectName()));
        else
            QVERIFY2(advance(label, label->text()) <= label->contentsRect().width(),
                     qPrintable(label->text()));
    }
    auto *table = window->findChild<QTableWidget *>(QStringLiteral("dynamics_table"));
    const int margin = table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table);
    for (QSpinBox *box : window->findChildren<QSpinBox *>()) {
        box->setValue(box->maximum());
        QVERIFY2(box->sizeHint().width() <= box->width(), qPrintable(box->objectName()));
    }
    for (const int weeks : {1, 12, 22, 52}) {
        window->findChild<QSpinBox *>(QStringLiteral("dynamics_weeks"))->setValue(weeks);
        window->findChild<QSpinBox *>(QStringLiteral("dynamics_water_change"))->setValue(1);
        for (int column = 0; column < table->columnCount(); ++column) {
            const QTableWidgetItem *header = table->horizontalHeaderItem(column);
            QVERIFY2(QFontMetrics(header->font()).horizontalAdvance(header->text()) <=
                         table->columnWidth(column),
                     qPrintable(header->text()));
            for (int row = 0; row < table->rowCount(); ++row)
                QVERIFY2(advance(table, table->item(row, column)->text()) + 2 * (margin + 1) <=
                             table->columnWidth(column),
                         qPrintable(table->item(row, column)->text()));
        }
    }
}

int main(int argc, char **argv)
{
    enable_high_dpi_scaling();
    QApplication application(argc, argv);
    TestHighDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_high_dpi.moc"
