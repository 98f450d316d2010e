// SPDX-License-Identifier: GPL-3.0-or-later

// The main window end to end: start-up, kinds, entries and methods,
// calculations, input checks, the order in which signals reach the slots,
// catalogues, validators, the decimal separator, the About box, what the
// program tells the desktop, the build-up window, and saves whose writes fail.
// Run once in the C locale and once in ru_RU, where the decimal separator is a
// comma and blanks group digits.

#include "window_steps.h"

#include "base/message_text.h"
#include "catalogue/user_catalogues.h"

#include <QtCore/private/qobject_p.h>

#include <QFileDialog>
#include <QIcon>
#include <QJsonDocument>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSaveFile>
#include <QScopeGuard>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTextDocument>
#include <QTimer>

#include <cstdio>

#include <unistd.h>

namespace {

const char *const tank_message = HEAD "Объём аквариума должен находится в диапазоне <br>" G
                                      "от 1 до 10000 литров </span><br> включительно" TAIL;
const char *const water_message = HEAD "Объём воды должен находится в диапазоне <br>" G
                                       "от 1 до 10000 мл </span><br> включительно" TAIL;
const char *const substance_message =
    HEAD "Количество хим.вещества должно находится в диапазоне <br>" G
         "от 0.01 до 10000 г</span><br> включительно" TAIL;

// Slots of the window as signals reach them, with their int argument.
QStringList *recorded_slots = nullptr;

void record_slot(QObject *_receiver, int _index, void **_argv)
{
    if (!recorded_slots || !qobject_cast<MainWindow *>(_receiver))
        return;
    const QMetaMethod method = _receiver->metaObject()->method(_index);
    QString call = QString::fromLatin1(method.name()) + QLatin1Char('(');
    if (method.parameterCount() == 1 && method.parameterType(0) == QMetaType::Int)
        call += QString::number(*static_cast<int *>(_argv[1]));
    recorded_slots->append(call + QLatin1Char(')'));
}

QSignalSpyCallbackSet slot_spy{nullptr, record_slot, nullptr, nullptr};

// The lines the program writes to standard error while this lives, its own
// ("rovalin: ..."), not Qt's.
class Stderr_Capture
{
public:
    Stderr_Capture()
    {
        std::fflush(stderr);
        if (file.open()) {
            saved = ::dup(2);
            ::dup2(file.handle(), 2);
        }
    }
    ~Stderr_Capture() { restore(); }

    QStringList lines()
    {
        restore();
        file.seek(0);
        QStringList own;
        for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')))
            if (line.startsWith(QLatin1String("rovalin: ")))
                own << line;
        return own;
    }

private:
    void restore()
    {
        if (saved == -1)
            return;
        std::fflush(stderr);
        ::dup2(saved, 2);
        ::close(saved);
        saved = -1;
    }

    QTemporaryFile file;
    int saved = -1;
};

// Whether the picture shows anything: an icon whose SVG could not be rendered
// (no resource, no SVG plugin) gives a null or fully transparent pixmap.
bool shows_something(const QPixmap &_pixmap)
{
    const QImage image = _pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 255)
                return true;
    return false;
}

// Makes write(2) fail in this process, or work again, through the remote
// control of libfiu's fault injector, which `fiu-run -x` preloads: "write"
// fails every write, a function's name those made inside it, "" none.
// fiu-ctrl runs without the preload; a file saved afterwards tells whether
// it took.
bool make_writes_fail(const QString &_fault)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LD_PRELOAD", "FIU_CTRL_FIFO", "FIU_ENABLE"})
        environment.remove(QLatin1String(name));
    const QMap<QString, QString> mangled{{"QFileDevice::flush", "_ZN11QFileDevice5flushEv"},
                                         {"QSaveFile::commit", "_ZN9QSaveFile6commitEv"}};
    const QString point = QStringLiteral("name=posix/io/rw/write");
    QProcess control;
    control.setProcessEnvironment(environment);
    control.start(
        qEnvironmentVariable("ROVALIN_FIU_CTRL", QStringLiteral("fiu-ctrl")),
        {QStringLiteral("-f"), qEnvironmentVariable("FIU_CTRL_FIFO"), QStringLiteral("-c"),
         _fault.isEmpty()                   ? QStringLiteral("disable ") + point
         : _fault == QLatin1String("write") ? QStringLiteral("enable ") + point
                                            : QStringLiteral("enable_stack_by_name %1,func_name=%2")
                                                  .arg(point, mangled.value(_fault)),
         QString::number(QCoreApplication::applicationPid())});
    if (!control.waitForFinished(10000) || control.exitCode() != 0)
        return false;
    QTemporaryDir folder;
    QFile probe(folder.filePath(QStringLiteral("probe")));
    if (!folder.isValid() || !probe.open(QIODevice::WriteOnly))
        return false;
    probe.close();
    QSaveFile save(probe.fileName());
    if (save.open(QIODevice::WriteOnly)) {
        save.write("x", 1);
        save.commit();
    }
    return probe.open(QIODevice::ReadOnly) && (probe.readAll() == "x") == _fault.isEmpty();
}

} // namespace

class TestMainWindow : public QObject, public Window_Steps
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void start_up_state();
    void slot_order_data();
    void slot_order();
    void kind_switch_data();
    void kind_switch();
    void clicking_current_kind_only_rewrites_caption();
    void choosing_entry_redraws_table_and_hides_message();
    void method_caption_data();
    void method_caption();
    void calculate_data();
    void calculate();
    void input_checks_data();
    void input_checks();
    void solubility_check_data();
    void solubility_check();
    void table_has_exactly_the_shown_rows();
    void catalogues_data();
    void catalogues();
    void validators_data();
    void validators();
    void decimal_separator_follows_system_locale();
    void about_box();
    void desktop_identity_data();
    void desktop_identity();
    void dynamics_action_data();
    void dynamics_action();
    void dynamics_window_data();
    void dynamics_window();
    void failed_write_data();
    void failed_write();
    void meta_object();

private:
    // Chooses kind, entry and method as a user would, then types the inputs.
    void prepare(const QString &_kind, int _entry, int _method);

    QStringList slots_seen;
};

void TestMainWindow::initTestCase()
{
    check_system_locale();
    qt_register_signal_spy_callbacks(&slot_spy);
}

void TestMainWindow::cleanupTestCase()
{
    qt_register_signal_spy_callbacks(nullptr);
}

void TestMainWindow::init()
{
    slots_seen.clear();
    QVERIFY(f.open());
}

void TestMainWindow::cleanup()
{
    recorded_slots = nullptr;
    f.close();
}

void TestMainWindow::prepare(const QString &_kind, int _entry, int _method)
{
    QRadioButton *button = kind_button(f.ui, _kind);
    if (!button->isChecked())
        Window_Fixture::click_radio(button);
    Window_Fixture::choose(f.ui->comboBox, _entry);
    Window_Fixture::choose(f.ui->calc_methods, _method);
}

void TestMainWindow::start_up_state()
{
    Ui_MainWindow *ui = f.ui;
    QVERIFY(f.window->isVisible());
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Ровалин"));
    QVERIFY(ui->rbpremix->isChecked());
    QVERIFY(!ui->linfo->isVisible());
    QVERIFY(!ui->frsol->isVisible());
    QVERIFY(ui->frcalculation->isVisible());
    QVERIFY(ui->ltarget_name->isVisible());

    QCOMPARE(f.items(ui->calc_methods),
             (QStringList{"Итоговая концентрация, мг/л", "Вносимое количество"}));
    for (int i = 0; i < 2; ++i) {
        QVERIFY(ui->calc_methods->itemIcon(i).isNull());
        QVERIFY(!ui->calc_methods->itemData(i).isValid());
    }
    QCOMPARE(ui->calc_methods->currentIndex(), 0);

    QCOMPARE(f.items(ui->comboBox),
             (QStringList{"Alpha", "Beta <b>&", "Gamma", "Zero", "Tagged", "Bottle"}));
    // Resting the mouse on the recipe warns of what it precipitates.
    QCOMPARE(ui->comboBox->itemData(5, Qt::ToolTipRole).toString(),
             QStringLiteral("Выпадет осадок: кальций и сульфат"));
    QCOMPARE(ui->comboBox->currentIndex(), 0);
    QCOMPARE(ui->linput_type_fert->text(), QStringLiteral("Выберите название УДО :"));
    QCOMPARE(f.header(0), QStringLiteral("Название элемента"));
    QCOMPARE(f.header(1), QStringLiteral("Концентрация, мг/мл"));
    QCOMPARE(f.rows(), (QStringList{"K=5", "Fe=1"}));
    QCOMPARE(ui->ltarget_name->text(), caption("K"));

    QCOMPARE(ui->tank_vol->text(), QStringLiteral("10"));
    QCOMPARE(ui->val_methods->text(), QStringLiteral("1"));
    QCOMPARE(ui->val_methods_3->text(), QStringLiteral("1000"));
    QCOMPARE(ui->val_methods_2->text(), QStringLiteral("1"));
    // Qt adds the title and system-menu hints itself; no minimise or maximise button.
    const Qt::WindowFlags flags = f.window->windowFlags();
    QCOMPARE(f.window->windowType(), Qt::Window);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    // The narrow font the form is laid out for: the system's, or on Windows
    // the one the build brings along in fonts/.
    QCOMPARE(QApplication::font().family(), QStringLiteral("Liberation Sans Narrow"));
}

void TestMainWindow::slot_order_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("calls");

    QTest::newRow("start-up") << "start-up"
                              << QStringList{"change_compound(0)", "hide_widgets(0)",
                                             "hide_widgets(0)", "change_calc_methods(0)"};
    QTest::newRow("choose entry") << "entry"
                                  << QStringList{"change_compound(1)", "hide_widgets(1)"};
    QTest::newRow("choose method")
        << "method" << QStringList{"hide_widgets(1)", "change_calc_methods(1)"};
    QTest::newRow("switch kind") << "kind"
                                 << QStringList{"handler_type_fert()", "change_compound(-1)",
                                                "hide_widgets(-1)", "change_compound(0)",
                                                "hide_widgets(0)"};
    QTest::newRow("click current kind") << "same kind" << QStringList{"handler_type_fert()"};
    QTest::newRow("press calculate") << "calculate" << QStringList{"counting_compound()"};
}

void TestMainWindow::slot_order()
{
    QFETCH(QString, action);
    QFETCH(QStringList, calls);

    recorded_slots = &slots_seen;
    if (action == QLatin1String("start-up"))
        QVERIFY(f.open());
    else if (action == QLatin1String("entry"))
        Window_Fixture::choose(f.ui->comboBox, 1);
    else if (action == QLatin1String("method"))
        Window_Fixture::choose(f.ui->calc_methods, 1);
    else if (action == QLatin1String("kind"))
        Window_Fixture::click_radio(f.ui->rbdiy);
    else if (action == QLatin1String("same kind"))
        Window_Fixture::click_radio(f.ui->rbpremix);
    else
        f.calculate();
    QCOMPARE(slots_seen, calls);
}

void TestMainWindow::kind_switch_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<bool>("solution_inputs");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("choose_caption");
    QTest::addColumn<QString>("value_title");
    QTest::addColumn<QStringList>("rows");

    const QStringList compounds{"K2SO4", "Urea"};
    const QStringList products{"Alpha", "Beta <b>&", "Gamma", "Zero", "Tagged", "Bottle"};
    QTest::newRow("to solution") << QStringList{"rbdiysol"} << true << compounds
                                 << "Выберите хим.вещество :"
                                 << "Массовая доля" << QStringList{"K=0.5", "S=0.1"};
    QTest::newRow("to dry compound")
        << QStringList{"rbdiy"} << false << compounds << "Выберите хим.вещество :"
        << "Массовая доля" << QStringList{"K=0.5", "S=0.1"};
    QTest::newRow("solution to dry compound")
        << QStringList{"rbdiysol", "rbdiy"} << false << compounds << "Выберите хим.вещество :"
        << "Массовая доля" << QStringList{"K=0.5", "S=0.1"};
    QTest::newRow("solution back to products")
        << QStringList{"rbdiysol", "rbpremix"} << false << products << "Выберите название УДО :"
        << "Концентрация, мг/мл" << QStringList{"K=5", "Fe=1"};
}

void TestMainWindow::kind_switch()
{
    QFETCH(QStringList, clicks);
    QFETCH(bool, solution_inputs);
    QFETCH(QStringList, entries);
    QFETCH(QString, choose_caption);
    QFETCH(QString, value_title);
    QFETCH(QStringList, rows);

    Window_Fixture::choose(f.ui->comboBox, 2);
    for (const QString &name : clicks) {
        QRadioButton *button = kind_button(f.ui, name);
        Window_Fixture::click_radio(button);
        QVERIFY(button->isChecked());
        QCOMPARE(f.ui->frsol->isVisible(), name == QLatin1String("rbdiysol"));
    }
    QCOMPARE(f.ui->frsol->isVisible(), solution_inputs);
    QCOMPARE(f.items(f.ui->comboBox), entries);
    QCOMPARE(f.ui->comboBox->currentIndex(), 0);
    QCOMPARE(f.ui->linput_type_fert->text(), choose_caption);
    QCOMPARE(f.header(1), value_title);
    QCOMPARE(f.rows(), rows);
    QVERIFY(f.ui->frcalculation->isVisible());
    QCOMPARE(f.ui->ltarget_name->text(), caption(rows.first().section('=', 0, 0)));
}

void TestMainWindow::clicking_current_kind_only_rewrites_caption()
{
    // Gamma has no reference element: choosing it keeps Alpha's caption.
    Window_Fixture::choose(f.ui->comboBox, 2);
    QCOMPARE(f.ui->ltarget_name->text(), caption("K"));
    const QStringList rows = f.rows();

    Window_Fixture::click_radio(f.ui->rbpremix);
    QCOMPARE(f.ui->comboBox->currentIndex(), 2);
    QCOMPARE(f.items(f.ui->comboBox).size(), 6);
    QCOMPARE(f.rows(), rows);
    QCOMPARE(f.ui->ltarget_name->text(), caption(""));
    QVERIFY(f.ui->ltarget_name->isVisible());
}

void TestMainWindow::choosing_entry_redraws_table_and_hides_message()
{
    f.calculate();
    QVERIFY(f.ui->linfo->isVisible());
    Window_Fixture::choose(f.ui->comboBox, 3);
    QVERIFY(!f.ui->linfo->isVisible());
    QCOMPARE(f.header(1), QStringLiteral("Концентрация, мг/мл"));
    QCOMPARE(f.rows(), (QStringList{"Fe=0", "K=1"}));
    QCOMPARE(f.ui->ltarget_name->text(), caption("Fe"));

    f.calculate();
    Window_Fixture::choose(f.ui->calc_methods, 1);
    QVERIFY(!f.ui->linfo->isVisible());
}

void TestMainWindow::method_caption_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("text");

    QTest::newRow("products, reference element") << "rbpremix" << 0 << 0 << caption("K");
    QTest::newRow("products, quantity") << "rbpremix" << 0 << 1 << caption("Вносим, мл");
    QTest::newRow("quantity without reference") << "rbpremix" << 2 << 1 << caption("Вносим, мл");
    QTest::newRow("target naming no element") << "rbpremix" << 1 << 0 << caption("");
    QTest::newRow("no target") << "rbpremix" << 2 << 0 << caption("");
    QTest::newRow("element key escaped") << "rbpremix" << 4 << 0 << caption("&lt;i&gt;");
    QTest::newRow("dry compound, quantity") << "rbdiy" << 1 << 1 << caption("Вносим, мг");
    QTest::newRow("dry compound, reference") << "rbdiy" << 1 << 0 << caption("N");
    QTest::newRow("solution, quantity") << "rbdiysol" << 0 << 1 << caption("Вносим, мл");
}

void TestMainWindow::method_caption()
{
    QFETCH(QString, kind);
    QFETCH(int, entry);
    QFETCH(int, method);
    QFETCH(QString, text);

    // Leave the method and come back so that the caption is built afresh.
    prepare(kind, entry, 1 - method);
    Window_Fixture::choose(f.ui->calc_methods, method);
    QVERIFY(f.ui->ltarget_name->isVisible());
    QCOMPARE(f.ui->ltarget_name->text(), text);
}

void TestMainWindow::calculate_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("tank");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("water");
    QTest::addColumn<QString>("grams");
    QTest::addColumn<QString>("message"); // empty: no message
    QTest::addColumn<QString>("value_title");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<bool>("green_first_row");

    const QString computed = QStringLiteral("Концентрация, мг/л");
    QTest::newRow("product dose") << "rbpremix" << 0 << 0 << "100"
                                  << "0.5"
                                  << ""
                                  << ""
                                  << HEAD " Для достижения недельной концентрации " G
                                          "K</span> равной<br>0.5 мг/л необходимо вносить <br>" B
                                          "10 мл</span><br> УДО в неделю" TAIL
                                  << computed << QStringList{"K=0.5", "Fe=0.1"} << true;
    QTest::newRow("product concentrations")
        << "rbpremix" << 0 << 1 << "100"
        << "20"
        << ""
        << ""
        << HEAD " При недельном внесении 20 мл УДО <br> концентрация " G
                "K</span> станет равной<br>" B "1 мг/л </span>" TAIL
        << computed << QStringList{"K=1", "Fe=0.2"} << true;
    QTest::newRow("product without target, quantity")
        << "rbpremix" << 2 << 1 << "50"
        << "10"
        << ""
        << ""
        << "" << computed << QStringList{"N=0.6", "P=0.2"} << false;
    QTest::newRow("target naming no element, quantity")
        << "rbpremix" << 1 << 1 << "100"
        << "10"
        << ""
        << ""
        << "" << computed << QStringList{"N=0.2", "P=0.05"} << false;
    QTest::newRow("zero reference content, quantity")
        << "rbpremix" << 3 << 1 << "10"
        << "5"
        << ""
        << ""
        << HEAD " При недельном внесении 5 мл УДО <br> концентрация " G
                "Fe</span> станет равной<br>" B "0 мг/л </span>" TAIL
        << computed << QStringList{"Fe=0", "K=0.5"} << true;
    // Calcium from CaCl2 and sulfate from Na2SO4 in one bottle: the dose, and
    // the precipitate named after it.
    QTest::newRow("recipe dose, with what precipitates")
        << "rbpremix" << 5 << 0 << "100"
        << "1"
        << ""
        << ""
        << HEAD " Для достижения недельной концентрации " G
                "K</span> равной<br>1 мг/л необходимо вносить <br>" B
                "20 мл</span><br> УДО в неделю<br>Выпадет осадок: кальций и сульфат" TAIL
        << computed
        << QStringList{"K=1", "Ca=0.0722269", "Cl=0.127773", "Na=0.0647441", "S=0.245143"} << true;

    // No dose can exist: a message instead of inf or nan, the table as it was.
    const QString only_quantity = QStringLiteral(",<br>расчет возможен только по условию<br>" G
                                                 "Вносимое количество</span>" TAIL);
    const QString catalogue = QStringLiteral("Концентрация, мг/мл");
    QTest::newRow("dose without target")
        << "rbpremix" << 2 << 0 << "100"
        << "1"
        << ""
        << "" << HEAD "У " G "Gamma</span> нет опорного элемента" + only_quantity << catalogue
        << QStringList{"N=3", "P=1"} << false;
    QTest::newRow("dose with target naming no element")
        << "rbpremix" << 1 << 0 << "100"
        << "1"
        << ""
        << "" << HEAD "У " G "Beta &lt;b&gt;&amp;</span> нет опорного элемента" + only_quantity
        << catalogue << QStringList{"N=2", "P=0.5"} << false;
    QTest::newRow("dose with zero reference content")
        << "rbpremix" << 3 << 0 << "100"
        << "1"
        << ""
        << ""
        << HEAD "Содержание элемента " G "Fe</span> в " G "Zero</span> равно нулю" + only_quantity
        << catalogue << QStringList{"Fe=0", "K=1"} << true;

    QTest::newRow("dry compound dose") << "rbdiy" << 0 << 0 << "100"
                                       << "2"
                                       << ""
                                       << ""
                                       << HEAD "Для достижения недельной концентрации " G
                                               "K</span> равной<br>2 мг/л необходимо вносить <br>" B
                                               "400 мг</span><br>K2SO4 в неделю" TAIL
                                       << computed << QStringList{"K=2", "S=0.4"} << true;
    QTest::newRow("dry compound rounding")
        << "rbdiy" << 1 << 0 << "200"
        << "10"
        << ""
        << ""
        << HEAD "Для достижения недельной концентрации " G
                "N</span> равной<br>10 мг/л необходимо вносить <br>" B
                "4287.25 мг</span><br>Urea в неделю" TAIL
        << computed << QStringList{"N=10"} << true;
    QTest::newRow("dry compound concentrations")
        << "rbdiy" << 0 << 1 << "100"
        << "400"
        << ""
        << ""
        << HEAD " При недельном внесении 400 мг K2SO4<br>концентрация " G
                "K</span> станет равна<br>" B "2 мг/л </span>" TAIL
        << computed << QStringList{"K=2", "S=0.4"} << true;

    QTest::newRow("solution dose") << "rbdiysol" << 0 << 0 << "100"
                                   << "2"
                                   << "1000"
                                   << "50"
                                   << HEAD "Для достижения недельной концентрации " G
                                           "K</span> равной<br>2 мг/л необходимо вносить <br>" B
                                           "8 мл</span><br> водного раствора K2SO4 в неделю" TAIL
                                   << computed << QStringList{"K=2", "S=0.4"} << true;
    QTest::newRow("solution concentrations")
        << "rbdiysol" << 0 << 1 << "100"
        << "8"
        << "1000"
        << "50"
        << HEAD "При недельном внесении 8 мл водного раствора K2SO4<br>концентрация " G
                "K</span> станет равна<br>" B "2 мг/л </span>" TAIL
        << computed << QStringList{"K=2", "S=0.4"} << true;
    QTest::newRow("solution with decimals")
        << "rbdiysol" << 0 << 0 << "60"
        << "1.5"
        << "500"
        << "2.5"
        << HEAD "Для достижения недельной концентрации " G
                "K</span> равной<br>1.5 мг/л необходимо вносить <br>" B
                "36 мл</span><br> водного раствора K2SO4 в неделю" TAIL
        << computed << QStringList{"K=1.5", "S=0.3"} << true;
    // In C the blank is refused while typing, in ru_RU it groups digits: 1000 either way.
    QTest::newRow("solution water with digit group")
        << "rbdiysol" << 0 << 1 << "100"
        << "8"
        << "1 000"
        << "50"
        << HEAD "При недельном внесении 8 мл водного раствора K2SO4<br>концентрация " G
                "K</span> станет равна<br>" B "2 мг/л </span>" TAIL
        << computed << QStringList{"K=2", "S=0.4"} << true;
}

void TestMainWindow::calculate()
{
    QFETCH(QString, kind);
    QFETCH(int, entry);
    QFETCH(int, method);
    QFETCH(QString, tank);
    QFETCH(QString, value);
    QFETCH(QString, water);
    QFETCH(QString, grams);
    QFETCH(QString, message);
    QFETCH(QString, value_title);
    QFETCH(QStringList, rows);
    QFETCH(bool, green_first_row);

    prepare(kind, entry, method);
    Window_Fixture::type(f.ui->tank_vol, tank);
    Window_Fixture::type(f.ui->val_methods, Window_Fixture::typed(value));
    if (kind == QLatin1String("rbdiysol")) {
        Window_Fixture::type(f.ui->val_methods_3, water);
        Window_Fixture::type(f.ui->val_methods_2, Window_Fixture::typed(grams));
    }
    f.calculate();

    QCOMPARE(f.ui->linfo->isVisible(), !message.isEmpty());
    if (!message.isEmpty())
        QCOMPARE(f.ui->linfo->text(), message);
    QCOMPARE(f.header(0), QStringLiteral("Название элемента"));
    QCOMPARE(f.header(1), value_title);
    QCOMPARE(f.rows(), rows);

    const QColor green(85, 170, 127, 255);
    for (int row = 0; row < f.ui->tableWidget->rowCount(); ++row) {
        for (int column = 0; column < 2; ++column) {
            const QVariant foreground =
                f.ui->tableWidget->item(row, column)->data(Qt::ForegroundRole);
            if (row == 0 && green_first_row) {
                QCOMPARE(foreground.value<QBrush>().color(), green);
                QCOMPARE(foreground.value<QBrush>().style(), Qt::SolidPattern);
            } else {
                QVERIFY2(!foreground.isValid(), qPrintable(f.cell(row, column)));
            }
        }
    }
}

void TestMainWindow::input_checks_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("tank");
    QTest::addColumn<QString>("water");
    QTest::addColumn<QString>("grams");
    QTest::addColumn<QString>("value"); // set as pasted text, unfiltered
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("value_title");
    QTest::addColumn<QStringList>("rows");

    const QString catalogue = QStringLiteral("Концентрация, мг/мл");
    const QStringList alpha{"K=5", "Fe=1"};
    const QStringList k2so4{"K=0.5", "S=0.1"};
    QTest::newRow("tank empty") << "rbpremix" << 0 << 0 << ""
                                << "1000"
                                << "1"
                                << "1" << tank_message << catalogue << alpha;
    QTest::newRow("tank zero") << "rbpremix" << 0 << 0 << "0"
                               << "1000"
                               << "1"
                               << "1" << tank_message << catalogue << alpha;
    QTest::newRow("solution: tank before water") << "rbdiysol" << 0 << 0 << "0"
                                                 << "0"
                                                 << "0"
                                                 << "1" << tank_message << "Массовая доля" << k2so4;
    QTest::newRow("solution: water before quantity")
        << "rbdiysol" << 0 << 0 << "10"
        << "0"
        << "0"
        << "1" << water_message << "Массовая доля" << k2so4;
    QTest::newRow("solution: no quantity") << "rbdiysol" << 0 << 0 << "10"
                                           << "100"
                                           << ""
                                           << "1" << substance_message << "Массовая доля" << k2so4;
    QTest::newRow("solution: quantity above range")
        << "rbdiysol" << 0 << 0 << "10"
        << "100"
        << "20000"
        << "1" << substance_message << "Массовая доля" << k2so4;
    QTest::newRow("products ignore the solution fields") << "rbpremix" << 0 << 1 << "100"
                                                         << ""
                                                         << "0"
                                                         << "20"
                                                         << HEAD
        " При недельном внесении 20 мл УДО <br> концентрация " G "K</span> станет равной<br>" B
        "1 мг/л </span>" TAIL << "Концентрация, мг/л" << QStringList{"K=1", "Fe=0.2"};

    // Out-of-range value with a reference element: header and row 0's name are
    // rewritten, the numbers stay.
    const QString wanted_k = QStringLiteral(
        HEAD "Необходимая концентрация элемента " G "K</span> должна находиться в диапазоне <br>" G
             "от 0.01 до 1000   мг/л</span><br> включительно" TAIL);
    QTest::newRow("value zero") << "rbpremix" << 0 << 0 << "100"
                                << ""
                                << ""
                                << "0" << wanted_k << "Концентрация, мг/л" << alpha;
    QTest::newRow("value above range") << "rbpremix" << 0 << 0 << "100"
                                       << ""
                                       << ""
                                       << "2000" << wanted_k << "Концентрация, мг/л" << alpha;
    QTest::newRow("value with a group separator, pasted")
        << "rbpremix" << 0 << 0 << "100"
        << ""
        << ""
        << "1_000" << wanted_k << "Концентрация, мг/л" << alpha;
    QTest::newRow("value with three decimals")
        << "rbpremix" << 0 << 0 << "100"
        << ""
        << ""
        << "1.234" << wanted_k << "Концентрация, мг/л" << alpha;
    QTest::newRow("quantity empty")
        << "rbdiy" << 0 << 1 << "100"
        << ""
        << ""
        << ""
        << HEAD "Дозировка вещества должна находиться в диапазоне <br>" G
                "от 0.01 до 1000   мг</span><br> включительно" TAIL
        << "Концентрация, мг/л" << k2so4;
    // Without a reference element the value is checked all the same, and the
    // table stays as it was.
    QTest::newRow("quantity empty without target")
        << "rbpremix" << 2 << 1 << "100"
        << ""
        << ""
        << ""
        << HEAD "Дозировка УДО должна находиться в диапазоне <br>" G
                "от 0.01 до 1000   мл</span><br> включительно" TAIL
        << catalogue << QStringList{"N=3", "P=1"};
    QTest::newRow("value zero, target naming no element")
        << "rbpremix" << 1 << 0 << "100"
        << ""
        << ""
        << "0"
        << HEAD "Необходимая концентрация элемента " G
                "Mg</span> должна находиться в диапазоне <br>" G
                "от 0.01 до 1000   мг/л</span><br> включительно" TAIL
        << catalogue << QStringList{"N=2", "P=0.5"};
    QTest::newRow("solution quantity above range")
        << "rbdiysol" << 0 << 1 << "100"
        << "1000"
        << "1"
        << "1000.5"
        << HEAD "Дозировка водного раствора вещества должна находиться в диапазоне <br>" G
                "от 0.01 до 1000   мл</span><br> включительно" TAIL
        << "Концентрация, мг/л" << k2so4;
}

void TestMainWindow::input_checks()
{
    QFETCH(QString, kind);
    QFETCH(int, entry);
    QFETCH(int, method);
    QFETCH(QString, tank);
    QFETCH(QString, water);
    QFETCH(QString, grams);
    QFETCH(QString, value);
    QFETCH(QString, message);
    QFETCH(QString, value_title);
    QFETCH(QStringList, rows);

    prepare(kind, entry, method);
    const QString caption_before = f.ui->ltarget_name->text();
    Window_Fixture::type(f.ui->tank_vol, tank);
    Window_Fixture::type(f.ui->val_methods_3, water);
    Window_Fixture::type(f.ui->val_methods_2, grams);
    f.ui->val_methods->setText(Window_Fixture::typed(value));
    f.calculate();

    QVERIFY(f.ui->linfo->isVisible());
    QCOMPARE(f.ui->linfo->text(), message);
    QCOMPARE(f.header(1), value_title);
    QCOMPARE(f.rows(), rows);
    QCOMPARE(f.ui->ltarget_name->text(), caption_before);
}

void TestMainWindow::solubility_check_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("water");
    QTest::addColumn<QString>("grams");
    QTest::addColumn<QString>("refusal"); // empty: the request is calculated

    const auto refusal = [](const QString &_water, const QString &_most) {
        return QStringLiteral(HEAD "Столько вещества не растворится:<br>") + _water +
               QStringLiteral(" мл воды<br>растворяется не больше " G) + _most +
               QStringLiteral(" г</span>" TAIL);
    };
    const auto recipe_refusal = [](const QString &_key, const QString &_water,
                                   const QString &_most) {
        return QStringLiteral(HEAD "Столько вещества не растворится:<br>" G) + _key +
               QStringLiteral("</span><br>") + _water +
               QStringLiteral(" мл воды<br>растворяется не больше " G) + _most +
               QStringLiteral(" г</span>" TAIL);
    };
    // Entries: 0 KNO3 316 g/l at 20 °C, 1 60 g/l at no temperature, 2 60 g/l at
    // a temperature that is text, 3 zero, 4 negative, 5 text, 6 none, 7 "sol" 60.
    QTest::newRow("below the limit") << "rbdiysol" << 0 << 0 << "1000"
                                     << "300" << QString();
    QTest::newRow("at the limit: 31.6 g in 100 ml for 316 g/l") << "rbdiysol" << 0 << 0 << "100"
                                                                << "31.6" << QString();
    // 257.54 * 1000 / 815 comes out a hair above 316 in doubles.
    QTest::newRow("at the limit within rounding: 257.54 g in 815 ml")
        << "rbdiysol" << 0 << 1 << "815"
        << "257.54" << QString();
    QTest::newRow("above the limit") << "rbdiysol" << 0 << 0 << "1000"
                                     << "500" << refusal("при 20 °C в 1000", "316");
    QTest::newRow("just above the limit, decimals typed as the system writes them")
        << "rbdiysol" << 0 << 0 << "100"
        << "31.61" << refusal("при 20 °C в 100", "31.6");
    QTest::newRow("above the limit, given dose") << "rbdiysol" << 0 << 1 << "7"
                                                 << "3" << refusal("при 20 °C в 7", "2.212");
    QTest::newRow("no temperature") << "rbdiysol" << 1 << 0 << "1000"
                                    << "61" << refusal("в 1000", "60");
    QTest::newRow("temperature not a number") << "rbdiysol" << 2 << 1 << "1000"
                                              << "61" << refusal("в 1000", "60");
    QTest::newRow("zero solubility is no figure") << "rbdiysol" << 3 << 0 << "1000"
                                                  << "9999" << QString();
    QTest::newRow("negative solubility is no figure") << "rbdiysol" << 4 << 0 << "1000"
                                                      << "9999" << QString();
    QTest::newRow("solubility as text is no figure") << "rbdiysol" << 5 << 0 << "1000"
                                                     << "9999" << QString();
    QTest::newRow("no solubility") << "rbdiysol" << 6 << 0 << "1000"
                                   << "9999" << QString();
    QTest::newRow("sol is never read") << "rbdiysol" << 7 << 0 << "1000"
                                       << "9999" << QString();
    QTest::newRow("dry compound never checked") << "rbdiy" << 0 << 0 << "1000"
                                                << "500" << QString();
    // Recipes, after the five products: 31.6 g of KNO3 in 100 ml; 31.7 g of it
    // and 6.1 g of "K&Na" in 100 ml, both over, "K&Na" first in code-unit order.
    QTest::newRow("recipe at the limit") << "rbpremix" << 5 << 0 << ""
                                         << "" << QString();
    QTest::newRow("recipe over the limit, wanted concentration")
        << "rbpremix" << 6 << 0 << ""
        << "" << recipe_refusal("K&amp;Na", "в 100", "6");
    QTest::newRow("recipe over the limit, given dose")
        << "rbpremix" << 6 << 1 << ""
        << "" << recipe_refusal("K&amp;Na", "в 100", "6");
}

void TestMainWindow::solubility_check()
{
    QFETCH(QString, kind);
    QFETCH(int, entry);
    QFETCH(int, method);
    QFETCH(QString, water);
    QFETCH(QString, grams);
    QFETCH(QString, refusal);

    Catalogues catalogues = test_catalogues();
    catalogues.compounds = R"([
        {"name": "KNO3", "target": "N", "K": 0.3867, "N": 0.1385,
         "solubility": {"g_per_l": 316, "at_c": 20, "source": "s"}},
        {"name": "No temperature", "target": "K", "K": 0.5, "solubility": {"g_per_l": 60}},
        {"name": "Text temperature", "target": "K", "K": 0.5,
         "solubility": {"g_per_l": 60, "at_c": "20"}},
        {"name": "Zero", "target": "K", "K": 0.5, "solubility": {"g_per_l": 0, "at_c": 20}},
        {"name": "Negative", "target": "K", "K": 0.5,
         "solubility": {"g_per_l": -60, "at_c": 20}},
        {"name": "Text", "target": "K", "K": 0.5, "solubility": {"g_per_l": "60", "at_c": 20}},
        {"name": "None", "target": "K", "K": 0.5},
        {"name": "Sol", "target": "K", "K": 0.5, "sol": 60},
        {"name": "K&Na", "target": "K", "K": 0.5, "solubility": {"g_per_l": 60}}
    ])";
    catalogues.recipes = R"([
        {"name": "At the limit", "water_ml": 100, "target": "N", "compounds": {"KNO3": 31.6}},
        {"name": "Over", "water_ml": 100, "target": "N", "compounds": {"KNO3": 31.7, "K&Na": 6.1}}
    ])";
    QVERIFY(f.open(catalogues));
    prepare(kind, entry, method);
    Window_Fixture::type(f.ui->tank_vol, "100");
    Window_Fixture::type(f.ui->val_methods, Window_Fixture::typed("2.5"));
    Window_Fixture::type(f.ui->val_methods_3, water);
    Window_Fixture::type(f.ui->val_methods_2, Window_Fixture::typed(grams));
    const QString caption_before = f.ui->ltarget_name->text();
    const QStringList rows_before = f.rows();
    const QString header_before = f.header(1);
    f.calculate();

    if (refusal.isEmpty()) {
        QVERIFY2(!f.ui->linfo->text().contains(QLatin1String("не растворится")),
                 qPrintable(f.ui->linfo->text()));
        QCOMPARE(f.header(1), QStringLiteral("Концентрация, мг/л"));
        return;
    }
    // Nothing is worked out: the message, and the table and caption as they were.
    QVERIFY(f.ui->linfo->isVisible());
    QCOMPARE(f.ui->linfo->text(), refusal);
    QCOMPARE(f.header(1), header_before);
    QCOMPARE(f.rows(), rows_before);
    QCOMPARE(f.ui->ltarget_name->text(), caption_before);
}

void TestMainWindow::table_has_exactly_the_shown_rows()
{
    Catalogues catalogues = test_catalogues();
    catalogues.products = R"([
        {"name": "Many", "target": "K", "K": 1, "N": 2, "P": 3, "S": 4},
        {"name": "Odd", "": 5, "K": 2, "sol": 1},
        {"name": "WithSol", "target": "Fe", "Fe": 1, "N": 1, "sol": 1},
        {"name": "Empty"}
    ])";
    QVERIFY(f.open(catalogues));
    QCOMPARE(f.rows(), (QStringList{"K=1", "N=2", "P=3", "S=4"}));

    // An empty key and "sol" take no row: no row of "Many" may stay behind.
    Window_Fixture::choose(f.ui->comboBox, 1);
    QCOMPARE(f.rows(), (QStringList{"K=2"}));
    Window_Fixture::choose(f.ui->comboBox, 2);
    QCOMPARE(f.rows(), (QStringList{"Fe=1", "N=1"}));
    Window_Fixture::type(f.ui->tank_vol, "10");
    f.calculate();
    QCOMPARE(f.rows(), (QStringList{"Fe=1", "N=1"}));
    Window_Fixture::choose(f.ui->comboBox, 3);
    QCOMPARE(f.ui->tableWidget->rowCount(), 0);
}

void TestMainWindow::catalogues_data()
{
    QTest::addColumn<bool>("folder");
    QTest::addColumn<QByteArray>("products");
    QTest::addColumn<QByteArray>("compounds");
    QTest::addColumn<QByteArray>("recipes"); // null: no recipes.json, which is no problem
    QTest::addColumn<QStringList>("product_entries");
    QTest::addColumn<QStringList>("compound_entries");
    // What is wrong with each file, "%1" standing for the settings folder.
    QTest::addColumn<QStringList>("product_problems");
    QTest::addColumn<QStringList>("compound_problems");

    const Catalogues good = test_catalogues();
    const QStringList no_products{"Список производителей пуст"};
    const QStringList no_compounds{"Список хим.веществ пуст"};
    const QStringList products{"Alpha", "Beta <b>&", "Gamma", "Zero", "Tagged"};
    const QStringList compounds{"K2SO4", "Urea"};

    const QString products_file = QStringLiteral("%1/commercial_products.json");
    const QString compounds_file = QStringLiteral("%1/compounds.json");
    const QString no_entry = QStringLiteral(": в массиве нет ни одной записи");

    QTest::newRow("catalogues fine") << true << good.products << good.compounds << QByteArray()
                                     << products << compounds << QStringList() << QStringList();
    QTest::newRow("no settings folder")
        << false << QByteArray() << QByteArray() << QByteArray() << no_products << no_compounds
        << QStringList{products_file + ": нет папки %1"}
        << QStringList{compounds_file + ": нет папки %1"};
    QTest::newRow("products missing")
        << true << QByteArray() << good.compounds << QByteArray() << no_products << compounds
        << QStringList{products_file + ": нет такого файла"} << QStringList();
    QTest::newRow("products not JSON")
        << true << QByteArray("[{\"name\": ") << good.compounds << QByteArray() << no_products
        << compounds
        << QStringList{products_file + ":1:10: файл обрывается: объект не закрыт, не хватает }"}
        << QStringList();
    QTest::newRow("compounds with a trailing comma")
        << true << good.products << QByteArray("[\n  {\"name\": \"A\", \"K\": 1},\n]\n")
        << QByteArray() << products << no_compounds << QStringList()
        << QStringList{compounds_file + ":3:1: здесь «]» сразу после запятой (лишняя запятая?)"};
    QTest::newRow("compounds an object, products fine")
        << true << good.products << QByteArray(R"({"name": "A", "K": 1})") << QByteArray()
        << products << no_compounds << QStringList()
        << QStringList{compounds_file + ": в файле объект { … }, а должен быть массив [ … ]"};
    QTest::newRow("products with nothing usable")
        << true << QByteArray(R"([1, {"K": 1}])") << good.compounds << QByteArray() << no_products
        << compounds
        << QStringList{products_file + ": элемент массива № 1 пропущен: это не объект { … }",
                       products_file + ": объект № 2 пропущен: у него нет \"name\""}
        << QStringList();
    QTest::newRow("both empty arrays")
        << true << QByteArray("[]") << QByteArray("[]") << QByteArray() << no_products
        << no_compounds << QStringList{products_file + no_entry}
        << QStringList{compounds_file + no_entry};

    const QString recipes_file = QStringLiteral("%1/recipes.json");
    const QByteArray recipe = R"([{"name": "Bottle", "water_ml": 500, "compounds": {"KCl": 1}}])";
    QTest::newRow("recipes after the products")
        << true << good.products << good.compounds << recipe << products + QStringList{"Bottle"}
        << compounds << QStringList() << QStringList();
    QTest::newRow("recipes broken, products fine")
        << true << good.products << good.compounds << QByteArray("[{]") << products << compounds
        << QStringList{recipes_file + ":1:3: здесь «]», а объект перед ним не закрыт: не хватает }"}
        << QStringList();
    QTest::newRow("recipes without products")
        << true << QByteArray() << good.compounds << recipe << QStringList{"Bottle"} << compounds
        << QStringList{products_file + ": нет такого файла"} << QStringList();
    QTest::newRow("neither: the placeholder tells of both")
        << true << QByteArray() << good.compounds
        << QByteArray(R"([{"name": "Bottle", "water_ml": 0, "compounds": {"KCl": 1}}])")
        << no_products << compounds
        << QStringList{products_file + ": нет такого файла",
                       recipes_file + ": «Bottle»: \"water_ml\" должно быть числом больше 0, "
                                      "рецепт пропущен"}
        << QStringList();
}

void TestMainWindow::catalogues()
{
    QFETCH(bool, folder);
    QFETCH(QByteArray, products);
    QFETCH(QByteArray, compounds);
    QFETCH(QByteArray, recipes);
    QFETCH(QStringList, product_entries);
    QFETCH(QStringList, compound_entries);

    QFETCH(QStringList, product_problems);
    QFETCH(QStringList, compound_problems);

    Catalogues catalogues;
    catalogues.settings_folder = folder;
    catalogues.products = products;
    catalogues.compounds = compounds;
    catalogues.recipes = recipes;
    Stderr_Capture output;
    QVERIFY(f.open(catalogues));

    // Each problem once on standard error; the placeholder of a list the file
    // left empty says the same when the mouse rests on it.
    const QString settings = QDir::currentPath() + QStringLiteral("/settings");
    for (QString &line : product_problems)
        line = line.arg(settings);
    for (QString &line : compound_problems)
        line = line.arg(settings);
    QStringList expected_output;
    for (const QString &line : product_problems + compound_problems)
        expected_output << QStringLiteral("rovalin: ") + line;
    QCOMPARE(output.lines(), expected_output);

    const QList<QPair<QRadioButton *, QStringList>> kinds{{f.ui->rbpremix, product_entries},
                                                          {f.ui->rbdiy, compound_entries},
                                                          {f.ui->rbdiysol, compound_entries},
                                                          {f.ui->rbpremix, product_entries}};
    for (const auto &kind : kinds) {
        Window_Fixture::click_radio(kind.first);
        QCOMPARE(f.items(f.ui->comboBox), kind.second);
        const bool empty = kind.second.size() == 1 && kind.second.first().endsWith(" пуст");
        const QStringList &problems =
            kind.first == f.ui->rbpremix ? product_problems : compound_problems;
        QCOMPARE(f.ui->comboBox->itemData(0, Qt::ToolTipRole).toString(),
                 empty ? problems.join(QLatin1Char('\n')) : QString());
        QVERIFY(!f.ui->comboBox->itemData(0, Qt::UserRole).isValid());
        QVERIFY(f.ui->comboBox->itemIcon(0).isNull());
        QCOMPARE(f.ui->frcalculation->isVisible(), !empty);
        QCOMPARE(f.ui->linput_type_fert->text(), kind.first == f.ui->rbpremix
                                                     ? QStringLiteral("Выберите название УДО :")
                                                     : QStringLiteral("Выберите хим.вещество :"));
        if (empty) {
            QCOMPARE(f.ui->tableWidget->rowCount(), 0);
            // Redrawing the table for the placeholder changes nothing.
            f.window->show_data(false);
            QVERIFY(!f.ui->frcalculation->isVisible());
        }
    }
    QCOMPARE(f.ui->calc_methods->count(), 2);

    // Pressing the button with an empty list asks for nothing.
    f.calculate();
    if (product_entries.first().endsWith(" пуст"))
        QVERIFY(!f.ui->linfo->isVisible());
}

void TestMainWindow::validators_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("keys"); // typed key by key
    QTest::addColumn<QString>("text"); // what the field then holds
    QTest::addColumn<bool>("acceptable");

    QTest::newRow("tank whole litres") << "tank_vol"
                                       << "250"
                                       << "250" << true;
    QTest::newRow("tank refuses a fraction") << "tank_vol"
                                             << "10.5"
                                             << "105" << true;
    QTest::newRow("tank top") << "tank_vol"
                              << "10000"
                              << "10000" << true;
    QTest::newRow("tank above top") << "tank_vol"
                                    << "100001"
                                    << "10000" << true;
    QTest::newRow("tank zero") << "tank_vol"
                               << "0"
                               << "0" << false;
    // The system's group separator is refused as a letter is, never read as
    // thousands.
    QTest::newRow("tank refuses a group separator") << "tank_vol"
                                                    << "1_000"
                                                    << "1000" << true;
    QTest::newRow("value refuses a group separator") << "val_methods"
                                                     << "1_000"
                                                     << "1000" << true;
    QTest::newRow("tank minus") << "tank_vol"
                                << "-5"
                                << "5" << true;
    QTest::newRow("water whole ml") << "val_methods_3"
                                    << "10.5"
                                    << "105" << true;
    QTest::newRow("value two decimals") << "val_methods"
                                        << "1.234"
                                        << "1.23" << true;
    QTest::newRow("value bottom") << "val_methods"
                                  << "0.01"
                                  << "0.01" << true;
    QTest::newRow("value below bottom") << "val_methods"
                                        << "0.001"
                                        << "0.00" << false;
    QTest::newRow("value top") << "val_methods"
                               << "1000"
                               << "1000" << true;
    QTest::newRow("value no exponent") << "val_methods"
                                       << "1e3"
                                       << "13" << true;
    QTest::newRow("value no letters") << "val_methods"
                                      << "abc"
                                      << "" << false;
    QTest::newRow("quantity top") << "val_methods_2"
                                  << "10000"
                                  << "10000" << true;
    QTest::newRow("quantity two decimals") << "val_methods_2"
                                           << "2.555"
                                           << "2.55" << true;
}

void TestMainWindow::validators()
{
    QFETCH(QString, field);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(bool, acceptable);

    auto *edit = f.window->findChild<QLineEdit *>(field);
    QVERIFY(edit);
    Window_Fixture::type(edit, Window_Fixture::typed(keys));
    QCOMPARE(edit->text(), Window_Fixture::typed(text));
    QCOMPARE(edit->hasAcceptableInput(), acceptable);
}

void TestMainWindow::decimal_separator_follows_system_locale()
{
    const bool comma = QLocale::system().decimalPoint() == QLatin1Char(',');
    Window_Fixture::choose(f.ui->calc_methods, 1);

    // The validator drops the keystroke that the locale does not know.
    Window_Fixture::type(f.ui->val_methods, "1.5");
    QCOMPARE(f.ui->val_methods->text(), comma ? QStringLiteral("15") : QStringLiteral("1.5"));

    Window_Fixture::type(f.ui->tank_vol, "100");
    Window_Fixture::type(f.ui->val_methods, Window_Fixture::typed("1.5"));
    f.calculate();
    // Whatever the locale, the window prints points.
    QCOMPARE(f.rows(), (QStringList{"K=0.075", "Fe=0.015"}));
    QVERIFY(f.ui->linfo->text().contains(QStringLiteral("внесении 1.5 мл")));
}

void TestMainWindow::about_box()
{
    QString title;
    QString text;
    QPixmap icon;
    bool rich = false;
    // The box is modal: read and close it from inside its own event loop.
    QTimer poll;
    poll.setInterval(10);
    int attempts = 0;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            if (++attempts > 300)
                poll.stop();
            return;
        }
        poll.stop();
        title = box->windowTitle();
        text = box->text();
        rich = Qt::mightBeRichText(text);
        icon = box->iconPixmap();
        box->accept();
    });
    poll.start();
    f.ui->menu->actions().value(0)->trigger();

    QCOMPARE(title, QStringLiteral("О программе \"Ровалин\""));
    QVERIFY(rich);
    QVERIFY(text.startsWith(QStringLiteral(
        "<h2>Ровалин версия 2.0</h2><p><b>Ровалин</b> - это небольшое приложение облегчающее "
        "трудобудни начинающих, и не только аквариумистов.<br>Служит для расчета дозировки "
        "удобрений, вносимых в аквариум, с целью обеспечить питанием водные растения или "
        "водоросли, кому как нравится.<br>Список производителей УДО со временем будет "
        "пополняться.</p>")));
    QVERIFY(text.endsWith(QStringLiteral("<p>© 2026 Разработчики программы «Ровалин»</p>")));
    // No invented addresses: the links lead to the project's README.
    QVERIFY(!text.contains(QLatin1String("mailto:")));
    QCOMPARE(text.count(QLatin1String("<a href=\"file://")), 2);
    QCOMPARE(text.count(QLatin1String("README.md\">")), 2);
    QVERIFY(text.contains(QLatin1String("</a></b><br><br>")));
    // The box shows the program's icon, not the generic information sign.
    QVERIFY(shows_something(icon));
}

void TestMainWindow::desktop_identity_data()
{
    QTest::addColumn<QString>("theme");
    QTest::addColumn<bool>("in_theme");
    QTest::addColumn<bool>("themed");
    QTest::newRow("hicolor holds the icon: the built-in one all the same")
        << "hicolor" << true << false;
    QTest::newRow("a desktop's theme holds it: the theme's after the first paint")
        << "desktop" << true << true;
    QTest::newRow("a desktop's theme without it: the built-in one") << "desktop" << false << false;
}

void TestMainWindow::desktop_identity()
{
    QFETCH(QString, theme);
    QFETCH(bool, in_theme);
    QFETCH(bool, themed);
    const QString id = QStringLiteral(ROVALIN_APP_ID);

    // A theme of its own, holding the icon as an installation does.
    QTemporaryDir themes;
    QVERIFY(themes.isValid());
    const QDir folder(themes.filePath(theme));
    QVERIFY(folder.mkpath(QStringLiteral("scalable/apps")));
    QFile index(folder.filePath(QStringLiteral("index.theme")));
    QVERIFY(index.open(QIODevice::WriteOnly));
    index.write("[Icon Theme]\nName=" + theme.toUtf8() +
                "\nDirectories=scalable/apps\n\n"
                "[scalable/apps]\nSize=128\nMinSize=8\nMaxSize=512\nType=Scalable\n");
    index.close();
    if (in_theme)
        QVERIFY(QFile::copy(QStringLiteral(":/rovalin/icon.svg"),
                            folder.filePath(QStringLiteral("scalable/apps/") + id + ".svg")));

    const QStringList search_paths = QIcon::themeSearchPaths();
    const QString theme_in_use = QIcon::themeName();
    const auto restore = qScopeGuard([&] {
        QIcon::setThemeSearchPaths(search_paths);
        QIcon::setThemeName(theme_in_use);
        set_desktop_identity();
    });
    QIcon::setThemeSearchPaths({themes.path()});
    QIcon::setThemeName(theme);
    set_desktop_identity();

    // The first frame has the built-in icon; the theme's comes after it.
    QCOMPARE(QGuiApplication::desktopFileName(), id);
    QCOMPARE(f.window->windowIcon().name(), QString());
    f.window->update();
    QTest::qWait(50);
    // On a busy machine the first paint may come later.
    if (themed)
        QTRY_COMPARE_WITH_TIMEOUT(f.window->windowIcon().name(), id, 5000);
    const QIcon icon = f.window->windowIcon();
    QCOMPARE(icon.name(), themed ? id : QString());
    QVERIFY(shows_something(icon.pixmap(64)));

    // The built-in pictures are the SVG's, as it draws itself at their sizes.
    const QIcon drawing(QStringLiteral(":/rovalin/icon.svg"));
    for (const int size : {16, 32, 48}) {
        const QImage picture = QImage(QStringLiteral(":/rovalin/icon-%1.png").arg(size))
                                   .convertToFormat(QImage::Format_ARGB32);
        const QImage drawn = drawing.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(picture.size(), drawn.size());
        int differ = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                differ += qAbs(qGray(picture.pixel(x, y)) - qGray(drawn.pixel(x, y))) > 16 ||
                          qAbs(qAlpha(picture.pixel(x, y)) - qAlpha(drawn.pixel(x, y))) > 16;
        QVERIFY2(differ <= size * size / 50, qPrintable(QString::number(differ)));
    }
}

void TestMainWindow::dynamics_action_data()
{
    // Steps a user takes, in order: "kind NAME", "entry N", "method N",
    // "tank|value|water|grams TEXT", "calculate", "open" (the menu action);
    // in the plan window, "plan ..." (see plan_step).
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("shown"); // the build-up window

    const QStringList good{"tank 100", "value 1", "calculate"};
    QTest::newRow("at start") << QStringList() << false << false;
    QTest::newRow("after a dose") << good << true << false;
    QTest::newRow("after concentrations") << QStringList{"method 1"} + good << true << false;
    QTest::newRow("opened") << good + QStringList{"open"} << true << true;
    QTest::newRow("another tank volume keeps the figures")
        << good + QStringList{"open", "tank 50"} << true << true;
    QTest::newRow("clicking the chosen kind keeps them")
        << good + QStringList{"open", "kind rbpremix"} << true << true;
    QTest::newRow("another entry") << good + QStringList{"open", "entry 1"} << false << false;
    QTest::newRow("another method") << good + QStringList{"open", "method 1"} << false << false;
    QTest::newRow("another kind") << good + QStringList{"open", "kind rbdiy"} << false << false;
    QTest::newRow("hidden stays hidden after the next calculation")
        << good + QStringList{"open", "entry 1", "entry 0", "calculate"} << true << false;
    QTest::newRow("value out of range")
        << good + QStringList{"open", "value 0", "calculate"} << false << false;
    QTest::newRow("no reference element")
        << good + QStringList{"entry 2", "calculate"} << false << false;
    QTest::newRow("zero reference content")
        << good + QStringList{"entry 3", "calculate"} << false << false;
    QTest::newRow("result beyond a double")
        << good + QStringList{"entry 5", "calculate"} << false << false;
    QTest::newRow("solution that cannot dissolve")
        << QStringList{"kind rbdiysol", "entry 2", "water 100", "grams 5"} + good << false << false;
    QTest::newRow("solution that dissolves")
        << QStringList{"kind rbdiysol", "entry 2", "water 1000", "grams 5"} + good << true << false;
}

void TestMainWindow::dynamics_action()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, enabled);
    QFETCH(bool, shown);

    Catalogues catalogues = test_catalogues();
    catalogues.products.replace("\n    ]", R"(,
        {"name": "Tiny", "target": "K", "K": 5e-324, "N": 1}])");
    catalogues.compounds.replace("\n    ]", R"(,
        {"name": "Limited", "target": "K", "K": 0.5, "solubility": {"g_per_l": 10}}])");
    QVERIFY(f.open(catalogues));
    QCOMPARE(f.ui->comboBox->count(), 7);
    run(steps);
    QCOMPARE(f.ui->action_dynamics->isEnabled(), enabled);
    // A calculation that can be shown built up can go into the plan.
    QCOMPARE(f.window->findChild<QAction *>(QStringLiteral("action_plan_add"))->isEnabled(),
             enabled);
    const QWidget *window = f.window->findChild<QWidget *>(QStringLiteral("dynamics"));
    QCOMPARE(window && window->isVisible(), shown);
}

void TestMainWindow::dynamics_window_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("change"); // % of the water a week
    QTest::addColumn<int>("weeks");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("after");    // the third column's header
    QTest::addColumn<QStringList>("rows"); // element, a week, after the weeks, limit
    QTest::addColumn<bool>("reference");
    QTest::addColumn<QString>("summary");

    // Worked out apart: w (1 − (1 − f)^n) ÷ f and w ÷ f.
    QTest::newRow("product, the defaults")
        << "rbpremix" << 0 << 0 << "0.5" << 50 << 12 << "Динамика: Alpha"
        << "Через 12 недель, мг/л" << QStringList{"K|0.5|1|1", "Fe|0.1|0.2|0.2"} << true
        << "При подмене 50 % воды в неделю уровень K установится "
           "около 1 мг/л — вдвое выше недельной дозы.";
    QTest::newRow("dry compound, 30 % for 3 weeks")
        << "rbdiy" << 0 << 0 << "2" << 30 << 3 << "Динамика: K2SO4"
        << "Через 3 недели, мг/л" << QStringList{"K|2|4.38|6.67", "S|0.4|0.876|1.33"} << true
        << "При подмене 30 % воды в неделю уровень K установится около 6.67 мг/л — в 3.3 раза "
           "выше недельной дозы.";
    QTest::newRow("solution, all the water for 1 week")
        << "rbdiysol" << 0 << 0 << "2" << 100 << 1 << "Динамика: K2SO4"
        << "Через 1 неделю, мг/л" << QStringList{"K|2|2|2", "S|0.4|0.4|0.4"} << true
        << "При подмене 100 % воды в неделю уровень K остаётся равным недельной дозе, 2 мг/л.";
    QTest::newRow("no reference element, 10 % for 22 weeks")
        << "rbpremix" << 2 << 1 << "10" << 10 << 22 << "Динамика: Gamma"
        << "Через 22 недели, мг/л" << QStringList{"N|0.6|5.41|6", "P|0.2|1.8|2"} << false
        << "При подмене 10 % воды в неделю уровень каждого элемента установится в 10 раз выше "
           "его недельной дозы.";
}

void TestMainWindow::dynamics_window()
{
    QFETCH(QString, kind);
    QFETCH(int, entry);
    QFETCH(int, method);
    QFETCH(QString, value);
    QFETCH(int, change);
    QFETCH(int, weeks);
    QFETCH(QString, title);
    QFETCH(QString, after);
    QFETCH(QStringList, rows);
    QFETCH(bool, reference);
    QFETCH(QString, summary);

    prepare(kind, entry, method);
    Window_Fixture::type(f.ui->tank_vol, entry == 2 ? "50" : "100");
    Window_Fixture::type(f.ui->val_methods, Window_Fixture::typed(value));
    Window_Fixture::type(f.ui->val_methods_3, "1000");
    Window_Fixture::type(f.ui->val_methods_2, "50");
    f.calculate();
    f.ui->action_dynamics->trigger();

    auto *window = f.window->findChild<QWidget *>(QStringLiteral("dynamics"));
    QVERIFY(window && window->isVisible());
    QVERIFY(!window->isModal());
    window->findChild<QSpinBox *>(QStringLiteral("dynamics_water_change"))->setValue(change);
    window->findChild<QSpinBox *>(QStringLiteral("dynamics_weeks"))->setValue(weeks);
    QCOMPARE(window->windowTitle(), title);

    const auto *table = window->findChild<QTableWidget *>(QStringLiteral("dynamics_table"));
    QVERIFY(table);
    QStringList headers;
    for (int column = 0; column < table->columnCount(); ++column)
        headers << table->horizontalHeaderItem(column)->text();
    QCOMPARE(headers, (QStringList{"Элемент", "За неделю, мг/л", after, "Предел, мг/л"}));
    QStringList shown;
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column) {
            cells << table->item(row, column)->text();
            QCOMPARE(table->item(row, column)->data(Qt::ForegroundRole).isValid(),
                     reference && row == 0);
        }
        shown << cells.join(QLatin1Char('|'));
    }
    QCOMPARE(shown, rows);
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("dynamics_summary"))->text(), summary);
    QVERIFY(window->findChild<QWidget *>(QStringLiteral("dynamics_chart")));
    // Drawn again at each change: what it shows is what stays once Qt has
    // deleted what it let go.
    const QStringList drawn = chart_texts(window);
    QCOMPARE(drawn, chart_texts(window, true));

    // Its names cannot be taken for the main form's.
    QCOMPARE(misnamed(window, "dynamics"), QString());
    // Closing only hides it.
    QVERIFY(window->close());
    QCOMPARE(f.window->findChild<QWidget *>(QStringLiteral("dynamics")), window);
}

void TestMainWindow::failed_write_data()
{
    if (qEnvironmentVariableIsEmpty("FIU_CTRL_FIFO"))
        QSKIP("needs libfiu's fault injector: runs as tst_main_window_failed_writes, under "
              "fiu-run -x");
    // Steps as in run(), and "settings <rovalin.ini>", "language en", "pdf"
    // and "quit" (the main window closed: what a save could not write is
    // asked about, and saved when the user says so); then the steps taken
    // while writes fail, and those taken once they work again.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("fault"); // as make_writes_fail() takes it
    QTest::addColumn<QStringList>("failing");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("file");  // plans, products, recipes, settings, sheet or log
    QTest::addColumn<QString>("said");  // what the window says meanwhile: a regular expression
    QTest::addColumn<QString>("saved"); // what the file holds in the end

    QTest::newRow("a plan's edits, saved with the next one")
        << QStringList{"plan stored", "plan open"} << "write"
        << QStringList{"plan dose 0 12.5", "plan day 0 Пн", "quit"}
        << QStringList{"plan day 0 Ср", "quit"} << "plans"
        << "^Не удалось сохранить планы в .*plans\\.json: .+\\. Изменения остались в окне\\.$"
        << "Alpha 12.5 1,3,6|Gone 5 6";
    QTest::newRow("a reading in the log, saved on quitting")
        << QStringList{"plan stored", "plan open", "plan log-tab"} << "write"
        << QStringList{"plan log 2026-12-01 K 5 API", "quit"} << QStringList{"quit"} << "plans"
        << "^Не удалось сохранить планы в .*plans\\.json: .+\\. Изменения остались в окне\\.$"
        << "Alpha 20 6|Gone 5 6|2026-12-01 K 5";
    QTest::newRow("an entry of the user's, saved on a retry")
        << QStringList{"editor file [{\"name\": \"Mine\", \"target\": \"K\", \"K\": 5}]",
                       "editor open",
                       "editor new product",
                       "editor name Second",
                       "editor element K 2",
                       "editor target K"}
        << "write" << QStringList{"editor save", "quit"} << QStringList{"quit"} << "products"
        << "^Не удалось сохранить .*commercial_products\\.json: .+\\.$"
        << "commercial_products.json: Mine, Second";
    QTest::newRow("the designer's bottles, saved on quitting")
        << QStringList{"compounds [{\"name\": \"KNO3\", \"formula\": \"KNO3\", \"target\": \"N\"}, "
                       "{\"name\": \"KH2PO4\", \"formula\": \"KH2PO4\", \"target\": \"P\"}]",
                       "designer open",
                       "designer want NO3 20",
                       "designer want PO4 3",
                       "designer suggest",
                       "designer name Макро",
                       "designer save",
                       "designer want NO3 10"}
        << "write" << QStringList{"designer save", "quit"} << QStringList{"quit"} << "recipes"
        << "^Не удалось сохранить .*recipes\\.json: .+\\.$"
        << "recipes.json: Макро";
    QTest::newRow("the log exported, again on a retry")
        << QStringList{"plan stored", "plan open", "plan log-tab", "plan log 2026-12-01 K 5",
                       "plan log-export"}
        << "write" << QStringList{"plan log-export"} << QStringList{"plan log-export"} << "log"
        << "^Не удалось записать .*exported\\.csv: .+\\.$"
        << "date,what,key,value,note|2026-12-01,reading,K,5,";
    // QSettings takes a lock file first: where that cannot be written, it
    // writes nothing. Where only the bytes of a file fail, or only those of
    // the one QSettings writes, the settings are checked before they are
    // put in place.
    for (const char *fault : {"write", "QFileDevice::flush", "QSaveFile::commit"})
        QTest::addRow("the language, kept when chosen again (fails: %s)", fault)
            << QStringList{"settings [General]\nlanguage=ru\nlater=kept\n"} << fault
            << QStringList{"language en"} << QStringList{"language en"} << "settings"
            << "^Could not write the settings file .*rovalin\\.ini: language choice not saved\\.$"
            << "[General]|language=en|later=kept";
    // Not a file the program keeps, but the user's own: the PDF engine
    // writes without a word of a write that fails.
    QTest::newRow("the plan's sheet, saved on a retry")
        << QStringList{"plan stored", "plan open"} << "write" << QStringList{"pdf"}
        << QStringList{"pdf"} << "sheet"
        << "^Не удалось записать .*sheet\\.pdf\\.$"
        << "a PDF";
}

// A save that fails leaves the kept file exactly as it was, says so, and the
// next save writes everything.
void TestMainWindow::failed_write()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, fault);
    QFETCH(QStringList, failing);
    QFETCH(QStringList, after);
    QFETCH(QString, file);
    QFETCH(QString, said);
    QFETCH(QString, saved);

    bool failing_now = false;
    const auto restored = qScopeGuard([&] {
        if (failing_now)
            make_writes_fail(QString());
        Language::apply(Language::russian);
    });
    QString boxed;
    int asked = 0; // questions with «Сохранить», of one step
    const QString sheet = QDir::current().filePath(QStringLiteral("sheet.pdf"));
    const auto step = [&](const QString &_step) {
        // A warning is modal: read it and close it from its own event loop.
        // A question is answered «Да», or «Сохранить» the first time and, while
        // writes fail, «Отмена» after.
        QTimer poll;
        asked = 0;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            if (box->button(QMessageBox::Yes)) {
                box->button(QMessageBox::Yes)->click();
            } else if (box->button(QMessageBox::Save)) {
                boxed = box->text();
                box->button(asked++ == 0 || !failing_now ? QMessageBox::Save : QMessageBox::Cancel)
                    ->click();
            } else {
                boxed = box->text();
                box->accept();
            }
        });
        poll.start(10);
        const QString text = _step.section(QLatin1Char(' '), 1);
        if (_step.startsWith(QLatin1String("settings "))) {
            QVERIFY(QDir().mkpath(QFileInfo(Language::settings_file()).absolutePath()));
            QFile settings(Language::settings_file());
            QVERIFY(settings.open(QIODevice::WriteOnly));
            settings.write(text.toUtf8());
        } else if (_step == QLatin1String("quit")) {
            // Asked while a save fails, and the window kept; let go once
            // the save went through.
            const bool closed = f.window->close();
            QCOMPARE(closed, !failing_now);
            QVERIFY2(failing_now ? asked >= 1 : asked <= 1, qPrintable(boxed));
        } else if (_step == QLatin1String("language en")) {
            f.window->findChild<QAction *>(QStringLiteral("actionEnglish"))->trigger();
        } else if (_step == QLatin1String("pdf")) {
            QTimer::singleShot(0, this, [&] {
                auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                dialog->selectFile(sheet);
                static_cast<QDialog *>(dialog)->accept();
            });
            QTest::mouseClick(plan_window()->findChild<QPushButton *>(QStringLiteral("plan_pdf")),
                              Qt::LeftButton);
        } else {
            run({_step});
        }
    };
    // The file as a user's earlier session left it: with libfiu preloaded, a
    // file Qt makes anew takes no permissions (fiu's open() drops the mode of
    // an O_TMPFILE), so each save here replaces one that is there.
    for (const QString &each : steps)
        step(each);
    QVERIFY(!QTest::currentTestFailed());
    const QString kept =
        file == QLatin1String("plans")
            ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                  QStringLiteral("/plans.json")
        : file == QLatin1String("products")
            ? User_Catalogues::folder() + QStringLiteral("/commercial_products.json")
        : file == QLatin1String("recipes")
            ? User_Catalogues::folder() + QStringLiteral("/recipes.json")
        : file == QLatin1String("sheet") ? sheet
        : file == QLatin1String("log")   ? exported_log()
                                         : Language::settings_file();
    const QByteArray before = bytes(kept);
    // A sheet is saved where there was none: it is there whole or not at all.
    QCOMPARE(QFileInfo(kept).isFile(), file != QLatin1String("sheet"));
    // And nothing beside it, such as a new file that did not take its place.
    const auto beside = [&] {
        return QFileInfo(kept).absoluteDir().entryList(
            {QFileInfo(kept).fileName() + QLatin1Char('*')},
            QDir::AllEntries | QDir::Hidden | QDir::System);
    };
    const QStringList was_beside = beside();
    const auto shown = [&] {
        if (file == QLatin1String("settings") || file == QLatin1String("sheet"))
            return boxed;
        if (file == QLatin1String("log")) // either may have read the box first
            return log_said.isEmpty() ? boxed : log_said;
        const QString window = file == QLatin1String("plans")     ? QStringLiteral("plan")
                               : file == QLatin1String("recipes") ? QStringLiteral("designer")
                                                                  : QStringLiteral("editor");
        return f.window->findChild<QWidget *>(window)
            ->findChild<QLabel *>(window + QStringLiteral("_status"))
            ->text();
    };

    failing_now = true;
    QVERIFY(make_writes_fail(fault));
    for (const QString &each : failing) {
        boxed.clear();
        step(each);
        QCOMPARE(bytes(kept), before);
        QCOMPARE(beside(), was_beside);
        QVERIFY2(QRegularExpression(said).match(shown()).hasMatch(), qPrintable(shown()));
    }
    QVERIFY(make_writes_fail(QString()));
    failing_now = false;
    boxed.clear();
    for (const QString &each : after)
        step(each);
    // The designer says what it saved; the rest say nothing once saved.
    QCOMPARE(shown(), file == QLatin1String("recipes")
                          ? QStringLiteral("Сохранено в «Мои удобрения»: «Макро».")
                          : QString());

    // What the file holds: the plan's items, the user's entries, or the
    // settings' lines.
    QStringList held =
        file == QLatin1String("products") || file == QLatin1String("recipes") ? user_files()
        : file == QLatin1String("settings") || file == QLatin1String("log")
            ? QString::fromUtf8(bytes(kept)).split(QLatin1Char('\n'), Qt::SkipEmptyParts)
            : QStringList();
    if (file == QLatin1String("sheet")) {
        // Made anew under libfiu, it has no permissions (see above).
        QVERIFY(QFile::setPermissions(kept, QFile::ReadOwner | QFile::WriteOwner));
        const QByteArray pdf = bytes(kept);
        if (pdf.startsWith("%PDF-") && pdf.trimmed().endsWith("%%EOF"))
            held << QStringLiteral("a PDF");
    }
    const QJsonDocument plans = QJsonDocument::fromJson(bytes(kept));
    for (const QJsonValue &item :
         plans[QLatin1String("plans")][0][QLatin1String("items")].toArray()) {
        QStringList days;
        for (const QJsonValue &day : item[QLatin1String("days")].toArray())
            days << QString::number(day.toInt());
        held << QStringList{item[QLatin1String("name")].toString(),
                            QString::number(item[QLatin1String("weekly_dose")].toDouble()),
                            days.join(QLatin1Char(','))}
                    .join(QLatin1Char(' '));
    }
    for (const QJsonValue &entry : plans[QLatin1String("plans")][0][QLatin1String("log")].toArray())
        held << QStringList{entry[QLatin1String("date")].toString(),
                            entry[QLatin1String("key")].toString(),
                            QString::number(entry[QLatin1String("value")].toDouble())}
                    .join(QLatin1Char(' '));
    QCOMPARE(held.join(QLatin1Char('|')), saved);
}

void TestMainWindow::meta_object()
{
    MainWindow *window = f.window.get();
    QCOMPARE(window->qt_metacast("MainWindow"), static_cast<void *>(window));
    QCOMPARE(window->qt_metacast(nullptr), static_cast<void *>(nullptr));
    const QMetaObject *meta = window->metaObject();
    const QStringList expected{"change_compound(int)",      "counting_compound()",
                               "change_type_fertilizers()", "hide_widgets(int)",
                               "change_calc_methods(int)",  "about()",
                               "handler_type_fert()",       "show_data(bool)"};
    QStringList slots_in_order;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        QCOMPARE(meta->method(i).access(), QMetaMethod::Public);
        slots_in_order << QString::fromLatin1(meta->method(i).methodSignature());
    }
    QCOMPARE(slots_in_order, expected);
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
