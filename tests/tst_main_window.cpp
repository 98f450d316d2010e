// SPDX-License-Identifier: GPL-3.0-or-later

// The window end to end: start-up, kinds, entries and methods, calculations,
// input checks, the order in which signals reach the slots, language-change
// events, the About box and what the program tells the desktop. Run once in the C locale and once
// in ru_RU, where the decimal separator is a comma and blanks group digits.

#include "window_fixture.h"

#include "app/plan_bands.h"
#include "app/plan_window.h"
#include "base/language.h"
#include "base/message_text.h"
#include "catalogue/user_catalogues.h"

#include <QtCore/private/qobject_p.h>

#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QIcon>
#include <QInputDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSaveFile>
#include <QScopeGuard>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabBar>
#include <QTemporaryFile>
#include <QTextDocument>
#include <QTimer>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>

#include <algorithm>
#include <cstdio>

#include <unistd.h>

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
QT_CHARTS_USE_NAMESPACE
#endif

#define G "<span style=\" color:#55aa7f;font-weight:600;\">"
#define B "<span style=\" color:#5555ff; font-weight:600;\">"
#define HEAD "<html><head/><body>"
#define TAIL "</body></html>"

namespace {

const char *const tank_message = HEAD "Объём аквариума должен находится в диапазоне <br>" G
                                      "от 1 до 10000 литров </span><br> включительно" TAIL;
const char *const water_message = HEAD "Объём воды должен находится в диапазоне <br>" G
                                       "от 1 до 10000 мл </span><br> включительно" TAIL;
const char *const substance_message =
    HEAD "Количество хим.вещества должно находится в диапазоне <br>" G
         "от 0.01 до 10000 г</span><br> включительно" TAIL;

QString caption(const QString &_text)
{
    return QStringLiteral(HEAD G) + _text + QStringLiteral(" :</span>" TAIL);
}

// What the editor asks before it leaves an entry with changes for a new
// one: "text|Save|Discard|Cancel", the buttons as they read; answered with
// «Cancel». Empty where it asks nothing.
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

QRadioButton *kind_button(Ui_MainWindow *_ui, const QString &_name)
{
    if (_name == QLatin1String("rbdiy"))
        return _ui->rbdiy;
    if (_name == QLatin1String("rbdiysol"))
        return _ui->rbdiysol;
    return _ui->rbpremix;
}

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

// The names of _window's objects that start neither with _prefix nor with Qt's
// own "qt_", but for those Qt gives a tab bar's scroll buttons.
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

// The texts of _window's chart that a paint now would show, sorted: laid out,
// but read before control goes back to the event loop, so that what Qt deletes
// only later is still in the scene. With _deleted, once Qt has deleted it.
QStringList chart_texts(const QWidget *_window, bool _deleted = false)
{
    const auto *view = _window->findChild<QChartView *>();
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

// The lines of _window's chart in the legend's order, each its name and its
// points, to six significant digits.
QStringList chart_lines(const QWidget *_window)
{
    QStringList lines;
    for (const QAbstractSeries *series : _window->findChild<QChartView *>()->chart()->series()) {
        const auto *line = qobject_cast<const QLineSeries *>(series);
        QStringList points;
        for (int i = 0; line && i < line->count(); ++i)
            points << QStringLiteral("%1 %2").arg(line->at(i).x()).arg(line->at(i).y());
        lines << series->name() + QStringLiteral(": ") + points.join(QStringLiteral(", "));
    }
    return lines;
}

} // namespace

class TestMainWindow : public QObject
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
    void language_change_data();
    void language_change();
    void language_switch_data();
    void language_switch();
    void about_box();
    void desktop_identity_data();
    void desktop_identity();
    void dynamics_action_data();
    void dynamics_action();
    void dynamics_window_data();
    void dynamics_window();
    void plan_add_data();
    void plan_add();
    void plan_totals_data();
    void plan_totals();
    void plan_reading_data();
    void plan_reading();
    void plan_sheet_data();
    void plan_sheet();
    void editor_data();
    void editor();
    void failed_write_data();
    void failed_write();
    void designer_data();
    void designer();
    void meta_object();

private:
    // Chooses kind, entry and method as a user would, then types the inputs.
    void prepare(const QString &_kind, int _entry, int _method);
    // Takes the steps of dynamics_action_data in turn.
    void run(const QStringList &_steps);
    void plan_step(const QString &_step);
    void editor_step(const QString &_step);
    void designer_step(const QString &_step);
    QWidget *plan_window() const;

    Window_Fixture f;
    QStringList slots_seen;
};

void TestMainWindow::initTestCase()
{
    if (qgetenv("LC_ALL").startsWith("ru_RU"))
        QCOMPARE(QLocale::system().decimalPoint(), QLatin1Char(','));
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

void TestMainWindow::language_change_data()
{
    QTest::addColumn<int>("event");

    QTest::newRow("language change") << int(QEvent::LanguageChange);
    QTest::newRow("font change") << int(QEvent::FontChange);
    QTest::newRow("palette change") << int(QEvent::PaletteChange);
    QTest::newRow("window state change") << int(QEvent::WindowStateChange);
    QTest::newRow("enabled change") << int(QEvent::EnabledChange);
    QTest::newRow("locale change") << int(QEvent::LocaleChange);
}

void TestMainWindow::language_change()
{
    QFETCH(int, event);

    Window_Fixture::click_radio(f.ui->rbdiy);
    f.calculate();
    const QString message = f.ui->linfo->text();
    const QString caption_before = f.ui->ltarget_name->text();
    const QStringList rows = f.rows();
    QCOMPARE(f.ui->linput_type_fert->text(), QStringLiteral("Выберите хим.вещество :"));
    QCOMPARE(f.header(1), QStringLiteral("Концентрация, мг/л"));

    QEvent change(static_cast<QEvent::Type>(event));
    QCoreApplication::sendEvent(f.window.get(), &change);

    // With the language unchanged, the form's texts and the program's own
    // read as they did: the kind's caption and headers, not the form's.
    QCOMPARE(f.ui->linput_type_fert->text(), QStringLiteral("Выберите хим.вещество :"));
    QCOMPARE(f.header(0), QStringLiteral("Название элемента"));
    QCOMPARE(f.header(1), QStringLiteral("Концентрация, мг/л"));
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Ровалин"));
    QCOMPARE(f.ui->pushButton->text(), QStringLiteral("Рассчитать"));
    QCOMPARE(f.ui->linfo->text(), message);
    QVERIFY(f.ui->linfo->isVisible());
    QCOMPARE(f.ui->ltarget_name->text(), caption_before);
    QCOMPARE(f.rows(), rows);
    QCOMPARE(f.items(f.ui->comboBox), (QStringList{"K2SO4", "Urea"}));
    QCOMPARE(f.items(f.ui->calc_methods),
             (QStringList{"Итоговая концентрация, мг/л", "Вносимое количество"}));
}

void TestMainWindow::language_switch_data()
{
    // Steps as in run(), then what is read: "form" (button, kind, menus,
    // title), "message" (linfo as plain text), "captions" (the list's
    // caption, the value's, the headers), "methods" (the list and its
    // choice), "list" (the entries), "build-up" (the build-up table's
    // column of the last week), "plan" (the plan's first item: name, kind,
    // unit), "reading" (the plan's method and livestock lists, the livestock
    // chosen, the warnings and the livestock the plans file keeps),
    // "question" (the editor's save-changes question, see leaving_question).
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("probe");
    QTest::addColumn<QString>("english");

    QTest::newRow("form and menus") << QStringList() << "form"
                                    << "Calculate|DIY salts|Calculation|Language|Rovalin";
    QTest::newRow("a dose worked out")
        << QStringList{"kind rbdiy", "tank 1000", "value 1", "calculate"} << "message"
        << "To reach a weekly concentration of K\nof 1 mg/l, dose\n2000 mg\nof K2SO4 a week";
    QTest::newRow("concentrations, English name")
        << QStringList{"kind rbdiy", "entry 1", "method 1", "tank 1000", "value 1", "calculate"}
        << "message"
        << "With a weekly dose of 1 mg of Carbamide\nthe concentration of N will "
           "be\n0.0004665 mg/l";
    QTest::newRow("a refusal on show")
        << QStringList{"tank 0", "calculate"} << "message"
        << "The tank volume must lie\nbetween 1 and 10000 liters\ninclusive";
    QTest::newRow("captions") << QStringList{"kind rbdiy", "method 1", "tank 1000", "value 1",
                                             "calculate"}
                              << "captions"
                              << "Choose the compound:|Dose, mg :|Element|Concentration, mg/l";
    // An empty list sets no header: the one it had stays, in the new language.
    QTest::newRow("an empty list keeps its header")
        << QStringList{"compounds []", "kind rbdiy"} << "captions"
        << "Choose the compound:|K :|Element|Concentration, mg/ml";
    QTest::newRow("the method list keeps its choice") << QStringList{"method 1"} << "methods"
                                                      << "Target concentration, mg/l|Weekly dose|1";
    QTest::newRow("names") << QStringList{"kind rbdiy"} << "list"
                           << "K2SO4|Carbamide";
    QTest::newRow("plan") << QStringList{"kind rbdiy", "entry 1",   "tank 100",
                                         "value 1",    "calculate", "plan add"}
                          << "plan"
                          << "Carbamide|DIY salts|mg";
    // Livestock by its English name, in the warnings too; a method by its
    // own name in both; the plan keeps the name the file gives.
    QTest::newRow("livestock named in English")
        << QStringList{"tank 100", "value 1", "calculate", "plan add", "plan livestock Креветки"}
        << "reading"
        << "No comparison|Method|No limits|Shrimp|Shrimp|Fe: up to 0.4 mg/l — above 0.3 mg/l "
           "for “Shrimp”; Alpha contributes the most: no more than 15 ml a week|Креветки";
    // Chosen by its English name, kept by its own.
    QTest::newRow("livestock chosen in English")
        << QStringList{"tank 100",        "value 1",          "calculate",
                       "plan add",        "language English", "plan livestock Shrimp",
                       "language Russian"}
        << "reading"
        << "No comparison|Method|No limits|Shrimp|Shrimp|Fe: up to 0.4 mg/l — above 0.3 mg/l "
           "for “Shrimp”; Alpha contributes the most: no more than 15 ml a week|Креветки";
    // Qt's own buttons in Russian with the program, in English without.
    QTest::newRow("Qt's buttons")
        << QStringList{"editor open", "editor new product", "editor element K 1",
                       "editor asks Сохранить изменения в новую запись?|Сохранить|Отклонить|"
                       "Отмена"}
        << "question"
        << "Save changes to the new entry?|Save|Discard|Cancel";
    QTest::newRow("one week") << QStringList{"tank 100", "value 1", "calculate", "open", "weeks 1"}
                              << "build-up"
                              << "After 1 week, mg/l";
    QTest::newRow("three weeks") << QStringList{"tank 100", "value 1", "calculate", "open",
                                                "weeks 3"}
                                 << "build-up"
                                 << "After 3 weeks, mg/l";
}

void TestMainWindow::language_switch()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, probe);
    QFETCH(QString, english);

    // A compound and livestock with English names.
    Catalogues catalogues = test_catalogues();
    catalogues.compounds.replace("\"name\": \"Urea\",",
                                 "\"name\": \"Urea\", \"name_en\": \"Carbamide\",");
    catalogues.targets.replace("\"name\": \"Shrimp\",",
                               "\"name\": \"Креветки\", \"name_en\": \"Shrimp\",");
    QVERIFY(f.open(catalogues));
    const auto keeps_russian = qScopeGuard([] {
        Language::apply(Language::russian);
        QFile::remove(Language::settings_file());
    });
    run(steps);
    const auto read = [&] {
        QCoreApplication::processEvents();
        const Ui_MainWindow *ui = f.ui;
        if (probe == QLatin1String("form"))
            return QStringList{ui->pushButton->text(), ui->rbdiy->text(), ui->menu_calc->title(),
                               f.window->findChild<QMenu *>("menu_language")->title(),
                               f.window->windowTitle()}
                .join(QLatin1Char('|'));
        if (probe == QLatin1String("message"))
            return message_text::plain_text(ui->linfo->text());
        if (probe == QLatin1String("captions"))
            return QStringList{ui->linput_type_fert->text(),
                               message_text::plain_text(ui->ltarget_name->text()), f.header(0),
                               f.header(1)}
                .join(QLatin1Char('|'));
        if (probe == QLatin1String("methods"))
            return (f.items(ui->calc_methods) << QString::number(ui->calc_methods->currentIndex()))
                .join(QLatin1Char('|'));
        if (probe == QLatin1String("list"))
            return f.items(ui->comboBox).join(QLatin1Char('|'));
        if (probe == QLatin1String("plan")) {
            const auto *items = f.window->findChild<QTableWidget *>("plan_items");
            return items && items->rowCount() > 0
                       ? QStringList{items->item(0, 0)->text(), items->item(0, 1)->text(),
                                     items->item(0, 3)->text()}
                             .join(QLatin1Char('|'))
                       : QString();
        }
        if (probe == QLatin1String("reading")) {
            // The lists, the livestock chosen, the warnings; the name kept.
            QWidget *plan = plan_window();
            const auto *livestock = plan->findChild<QComboBox *>(QStringLiteral("plan_livestock"));
            QFile plans(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                        QStringLiteral("/plans.json"));
            const QString kept =
                plans.open(QIODevice::ReadOnly)
                    ? QJsonDocument::fromJson(
                          plans.readAll())[QLatin1String("plans")][0][QLatin1String("livestock")]
                          .toString()
                    : QString();
            return (f.items(plan->findChild<QComboBox *>(QStringLiteral("plan_method"))) +
                    f.items(livestock) +
                    QStringList{livestock->currentText(),
                                plan->findChild<QLabel *>(QStringLiteral("plan_warnings"))->text(),
                                kept})
                .join(QLatin1Char('|'));
        }
        if (probe == QLatin1String("question"))
            return leaving_question(f.window->findChild<QWidget *>(QStringLiteral("editor")));
        const auto *table = f.window->findChild<QTableWidget *>("dynamics_table");
        return table && table->isVisible() ? table->horizontalHeaderItem(2)->text() : QString();
    };
    const QString russian = read();
    QVERIFY(!russian.isEmpty());
    QVERIFY(russian != english);
    QAction *to_english = f.window->findChild<QAction *>("actionEnglish");
    QAction *to_russian = f.window->findChild<QAction *>("actionRussian");

    // Back and forth twice: nothing is lost on the way, and the choice is kept.
    for (int round = 0; round < 2; ++round) {
        to_english->trigger();
        QCOMPARE(read(), english);
        QVERIFY(to_english->isChecked() && !to_russian->isChecked());
        QCOMPARE(Language::chosen(QLocale(QLocale::Russian)), Language::english);
        to_russian->trigger();
        QCOMPARE(read(), russian);
        QVERIFY(to_russian->isChecked() && !to_english->isChecked());
        QCOMPARE(Language::chosen(QLocale(QLocale::English)), Language::russian);
    }
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

void TestMainWindow::run(const QStringList &_steps)
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

QWidget *TestMainWindow::plan_window() const
{
    return f.window->findChild<QWidget *>(QStringLiteral("plan"));
}

namespace {

// A table's rows, each as "cell|cell|…"; the items' weekdays as the days ticked.
QStringList table_rows(const QTableWidget *_table)
{
    QStringList rows;
    for (int row = 0; row < _table->rowCount(); ++row) {
        QStringList cells;
        QStringList days;
        for (int column = 0; column < _table->columnCount(); ++column) {
            const QTableWidgetItem *item = _table->item(row, column);
            const QString header = _table->horizontalHeaderItem(column)->text();
            if (_table->columnCount() > 4 && column >= 4 && column < 11) {
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

// The user's files, "file: name, …" each, those there are.
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

} // namespace

void TestMainWindow::plan_step(const QString &_step)
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
    QWidget *window = plan_window();
    QVERIFY(window);
    auto *items = window->findChild<QTableWidget *>(QStringLiteral("plan_items"));
    if (what == QLatin1String("dose")) {
        QVERIFY(Window_Fixture::edit(items, words.value(1).toInt(), 2,
                                     Window_Fixture::typed(words.value(2))));
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
                question->button(QMessageBox::Yes)->click();
            }
        });
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("plan_") + what),
                          Qt::LeftButton);
    } else {
        QFAIL(qPrintable(QStringLiteral("no such step: plan ") + _step));
    }
}

void TestMainWindow::plan_add_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("plans");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("rows"); // name, kind, weekly, unit, days, each dose
    QTest::addColumn<int>("selected");

    const QStringList alpha{"tank 100", "value 1", "calculate", "plan add"};
    const QStringList solution{"kind rbdiysol", "water 1000", "grams 5", "tank 100",
                               "value 1",       "calculate",  "plan add"};
    QTest::newRow("a product's dose worked out")
        << alpha << QStringList{"Аквариум 100 л"} << "Аквариум 100 л"
        << QStringList{"Alpha|Готовое|20|мл|Сб|20 мл"} << 0;
    QTest::newRow("a compound's dose typed")
        << QStringList{"kind rbdiy", "method 1", "tank 100", "value 50", "calculate", "plan add"}
        << QStringList{"Аквариум 100 л"} << "Аквариум 100 л"
        << QStringList{"K2SO4|Самомес|50|мг|Сб|50 мг"} << 0;
    QTest::newRow("a solution")
        << solution << QStringList{"Аквариум 100 л"} << "Аквариум 100 л"
        << QStringList{"K2SO4 (5 г в 1000 мл)|Самомес раствор|40|мл|Сб|40 мл"} << 0;
    QTest::newRow("the same entry again takes the new dose")
        << alpha + QStringList{"value 2", "calculate", "plan add"} << QStringList{"Аквариум 100 л"}
        << "Аквариум 100 л" << QStringList{"Alpha|Готовое|40|мл|Сб|40 мл"} << 0;
    QTest::newRow("the same solution with more grams is another")
        << solution + QStringList{"grams 10", "calculate", "plan add"}
        << QStringList{"Аквариум 100 л"} << "Аквариум 100 л"
        << QStringList{"K2SO4 (5 г в 1000 мл)|Самомес раствор|40|мл|Сб|40 мл",
                       "K2SO4 (10 г в 1000 мл)|Самомес раствор|20|мл|Сб|20 мл"}
        << 1;
    QTest::newRow("another tank volume: a plan of its own")
        << alpha + QStringList{"tank 50", "calculate", "plan add"}
        << QStringList{"Аквариум 100 л", "Аквариум 50 л"} << "Аквариум 50 л"
        << QStringList{"Alpha|Готовое|10|мл|Сб|10 мл"} << 0;
    QTest::newRow("a volume typed after the calculation does not count")
        << QStringList{"tank 100", "value 1", "calculate", "tank 50", "plan add"}
        << QStringList{"Аквариум 100 л"} << "Аквариум 100 л"
        << QStringList{"Alpha|Готовое|20|мл|Сб|20 мл"} << 0;
    QTest::newRow("back to the first volume: the first plan with it")
        << alpha + QStringList{"tank 50",  "calculate", "plan add",  "tank 100", "entry 2",
                               "method 1", "value 3",   "calculate", "plan add"}
        << QStringList{"Аквариум 100 л", "Аквариум 50 л"} << "Аквариум 100 л"
        << QStringList{"Alpha|Готовое|20|мл|Сб|20 мл", "Gamma|Готовое|3|мл|Сб|3 мл"} << 1;
    QTest::newRow("into the plan on show, a new one renamed")
        << alpha + QStringList{"plan new Второй", "plan rename Креветочник", "plan add"}
        << QStringList{"Аквариум 100 л", "Креветочник"} << "Креветочник"
        << QStringList{"Alpha|Готовое|20|мл|Сб|20 мл"} << 0;
    QTest::newRow("a name another plan has is refused, and why")
        << alpha + QStringList{"plan new Второй", "plan rename Аквариум 100 л",
                               "plan says План «Аквариум 100 л» уже есть: дайте этому другое "
                               "название.",
                               "plan new Второй"}
        << QStringList{"Аквариум 100 л", "Второй"} << "Второй" << QStringList() << -1;
    QTest::newRow("a plan deleted")
        << alpha + QStringList{"plan delete"} << QStringList() << "" << QStringList() << -1;
    QTest::newRow("opened without a calculation: no plan yet")
        << QStringList{"plan open"} << QStringList() << "" << QStringList() << -1;
}

void TestMainWindow::plan_add()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, plans);
    QFETCH(QString, shown);
    QFETCH(QStringList, rows);
    QFETCH(int, selected);

    run(steps);
    QWidget *window = plan_window();
    QVERIFY(window && window->isVisible());
    QVERIFY(!window->isModal());
    QVERIFY(!QApplication::activeModalWidget());
    const auto *choice = window->findChild<QComboBox *>(QStringLiteral("plan_choice"));
    QCOMPARE(f.items(choice), plans);
    QCOMPARE(choice->currentText(), shown);
    const auto *items = window->findChild<QTableWidget *>(QStringLiteral("plan_items"));
    QCOMPARE(table_rows(items), rows);
    QList<int> chosen;
    for (const QModelIndex &index : items->selectionModel()->selectedRows())
        chosen << index.row();
    QCOMPARE(chosen, selected < 0 ? QList<int>() : QList<int>{selected});

    // Saved at once.
    QFile file(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
               QStringLiteral("/plans.json"));
    QCOMPARE(file.exists(), !steps.endsWith(QStringLiteral("plan open")));
    if (file.exists()) {
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QJsonDocument::fromJson(file.readAll())[QLatin1String("plans")].toArray().size(),
                 plans.size());
    }

    QCOMPARE(misnamed(window, "plan"), QString());
    QVERIFY(window->close());
    QCOMPARE(plan_window(), window);
}

void TestMainWindow::plan_totals_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("rows");   // as in plan_add
    QTest::addColumn<QStringList>("water");  // element, mg/l; the empty row last
    QTest::addColumn<QStringList>("totals"); // row, a week, from, to

    const QStringList alpha{"tank 100", "value 1", "calculate", "plan add"};
    // Alpha: Fe 1 and K 5 mg/ml; 20 ml in 100 l, half the water changed weekly.
    QTest::newRow("as added") << alpha << QStringList{"Alpha|Готовое|20|мл|Сб|20 мл"}
                              << QStringList{"|"} << QStringList{"Fe|0.2|0.2|0.4", "K|1|1|2"};
    QTest::newRow("a dose edited in place")
        << alpha + QStringList{"plan dose 0 12.5"}
        << QStringList{"Alpha|Готовое|12.5|мл|Сб|12.5 мл"} << QStringList{"|"}
        << QStringList{"Fe|0.125|0.125|0.25", "K|0.625|0.625|1.25"};
    // A comma is the decimal point whatever the locale; a figure that is no
    // number, or beyond the limits, is refused and the status says why.
    QTest::newRow("a comma is the decimal point, never thousands")
        << alpha + QStringList{"plan dose 0 2,500", "plan says"}
        << QStringList{"Alpha|Готовое|2.5|мл|Сб|2.5 мл"} << QStringList{"|"}
        << QStringList{"Fe|0.025|0.025|0.05", "K|0.125|0.125|0.25"};
    QTest::newRow("grouped digits and doses beyond the limit refused, with the reason")
        << alpha + QStringList{"plan dose 0 1,000,5",
                               "plan says Доза «1,000,5» не принята: это не число.",
                               "plan dose 0 99999999",
                               "plan says Доза «99999999» не принята: в неделю — больше 0 и не "
                               "больше 100000 мл.",
                               "plan dose 0 1e308",
                               "plan says Доза «1e308» не принята: в неделю — больше 0 и не больше "
                               "100000 мл.",
                               "plan day 0 Пн",
                               "plan says"}
        << QStringList{"Alpha|Готовое|20|мл|Пн Сб|10 мл"} << QStringList{"|"}
        << QStringList{"Fe|0.2|0.2|0.4", "K|1|1|2"};
    QTest::newRow("new water beyond the limit refused, with the reason")
        << alpha + QStringList{"plan water Ca 20000",
                               "plan says «20000» не принято: новая вода приносит от 0 до 10000 "
                               "мг/л."}
        << QStringList{"Alpha|Готовое|20|мл|Сб|20 мл"} << QStringList{"Ca|0", "|"}
        << QStringList{"Ca|0|0|0", "Fe|0.2|0.2|0.4", "K|1|1|2", "GH, °dH|0|0|0"};
    QTest::newRow("a dose and new water kept beyond the limits count for nothing")
        << QStringList{"plan stored-huge", "plan open"}
        << QStringList{"Alpha — доза вне пределов: больше 100000|Готовое|> 100000|мл|Сб|—"}
        << QStringList{"Ca|20000", "|"} << QStringList();
    QTest::newRow("until they are corrected")
        << QStringList{"plan stored-huge", "plan open", "plan dose 0 20", "plan water-at 0 20"}
        << QStringList{"Alpha|Готовое|20|мл|Сб|20 мл"} << QStringList{"Ca|20", "|"}
        << QStringList{"Ca|0|20|20", "Fe|0.2|0.2|0.4", "K|1|1|2", "GH, °dH|0|2.8|2.8"};
    QTest::newRow("a dose that is no number above 0 is refused")
        << alpha + QStringList{"plan dose 0 -1", "plan dose 0 0"}
        << QStringList{"Alpha|Готовое|20|мл|Сб|20 мл"} << QStringList{"|"}
        << QStringList{"Fe|0.2|0.2|0.4", "K|1|1|2"};
    QTest::newRow("days ticked split the dose; two weeks between changes")
        << alpha + QStringList{"plan day 0 Пн", "plan day 0 Ср", "plan every 14"}
        << QStringList{"Alpha|Готовое|20|мл|Пн Ср Сб|6.67 мл"} << QStringList{"|"}
        << QStringList{"Fe|0.2|0.4|0.8", "K|1|2|4"};
    QTest::newRow("no day ticked: the row adds nothing")
        << alpha + QStringList{"plan day 0 Сб"} << QStringList{"Alpha|Готовое|20|мл||—"}
        << QStringList{"|"} << QStringList();
    QTest::newRow("no water changed: no limit")
        << alpha + QStringList{"plan change 0"} << QStringList{"Alpha|Готовое|20|мл|Сб|20 мл"}
        << QStringList{"|"}
        << QStringList{"Fe|0.2|без предела|без предела", "K|1|без предела|без предела"};
    // Urea: N 0.4665; the new water's nitrate counts as its nitrogen.
    QTest::newRow("new water, an ion and the hardness")
        << QStringList{"kind rbdiy",       "entry 1",         "method 1",       "tank 100",
                       "value 100",        "calculate",       "plan add",       "plan water NO3 10",
                       "plan water Ca 20", "plan water Xx 1", "plan water Ca 5"}
        << QStringList{"Urea|Самомес|100|мг|Сб|100 мг"} << QStringList{"NO3|10", "Ca|20", "|"}
        << QStringList{"Ca|0|20|20", "N|0.467|2.73|3.19", "NO3 (из N)|2.07|12.1|14.1",
                       "GH, °dH|0|2.8|2.8"};
    QTest::newRow("a row removed with Delete")
        << alpha + QStringList{"kind rbdiy", "entry 1",  "method 1",     "value 100",
                               "calculate",  "plan add", "plan remove 0"}
        << QStringList{"Urea|Самомес|100|мг|Сб|100 мг"} << QStringList{"|"}
        << QStringList{"N|0.467|0.467|0.933", "NO3 (из N)|2.07|2.07|4.13"};
    QTest::newRow("an entry the catalogues no longer have")
        << QStringList{"plan stored", "plan open", "plan day 1 Пн"}
        << QStringList{"Alpha|Готовое|20|мл|Сб|20 мл", "Gone — нет в каталоге|Готовое|5|мл|Сб|5 мл"}
        << QStringList{"|"} << QStringList{"Fe|0.2|0.2|0.4", "K|1|1|2"};
    // K2SO4: K 0.5, S 0.1; Gamma: N 3, P 1 mg/ml. The chart is drawn again at
    // every add, the interval and weeks changed, rows ticked and unticked: K,
    // N, P and SO4 are left on it.
    QTest::newRow("three adds, new settings, rows ticked: the chart as drawn once")
        << QStringList{"kind rbdiy",    "entry 0",       "method 1",      "tank 100",
                       "value 50",      "calculate",     "plan add",      "kind rbpremix",
                       "entry 0",       "method 0",      "value 1",       "calculate",
                       "plan add",      "entry 2",       "method 1",      "value 5",
                       "calculate",     "plan add",      "plan every 14", "plan every 7",
                       "plan weeks 20", "plan tick SO4", "plan tick Fe"}
        << QStringList{"K2SO4|Самомес|50|мг|Сб|50 мг", "Alpha|Готовое|20|мл|Сб|20 мл",
                       "Gamma|Готовое|5|мл|Сб|5 мл"}
        << QStringList{"|"} << QStringList{"Fe|0.2|0.2|0.4",  "K|1.25|1.25|2.5",
                                           "N|0.15|0.15|0.3", "NO3 (из N)|0.664|0.664|1.33",
                                           "P|0.05|0.05|0.1", "PO4 (из P)|0.153|0.153|0.307",
                                           "S|0.05|0.05|0.1", "SO4 (из S)|0.15|0.15|0.3"};
    // The chart drawn again keeps the lines before the first that changed:
    // K taken off between Fe and N; Alpha's days off and on again take Fe
    // off the front and put it back.
    QTest::newRow("a line off the middle, a day's lines off and back: the chart as drawn once")
        << alpha + QStringList{"entry 2",  "method 1",    "value 5",       "calculate",
                               "plan add", "plan tick K", "plan day 0 Сб", "plan day 0 Пн"}
        << QStringList{"Alpha|Готовое|20|мл|Пн|20 мл", "Gamma|Готовое|5|мл|Сб|5 мл"}
        << QStringList{"|"} << QStringList{"Fe|0.2|0.2|0.4",  "K|1|1|2",
                                           "N|0.15|0.15|0.3", "NO3 (из N)|0.664|0.664|1.33",
                                           "P|0.05|0.05|0.1", "PO4 (из P)|0.153|0.153|0.307"};
    // Only Fe drawn: a dose of K2SO4 changes the totals and leaves the chart.
    QTest::newRow("a dose of an item the chart does not draw")
        << alpha + QStringList{"kind rbdiy", "entry 0",  "method 1",    "value 50",
                               "calculate",  "plan add", "plan tick K", "plan dose 1 100"}
        << QStringList{"Alpha|Готовое|20|мл|Сб|20 мл", "K2SO4|Самомес|100|мг|Сб|100 мг"}
        << QStringList{"|"}
        << QStringList{"Fe|0.2|0.2|0.4", "K|1.5|1.5|3", "S|0.1|0.1|0.2",
                       "SO4 (из S)|0.3|0.3|0.599"};
}

void TestMainWindow::plan_totals()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, water);
    QFETCH(QStringList, totals);

    // A line keeps its colour while the plan changes around it; the lines
    // drawn together differ, and none is the green of the reference element.
    QHash<QString, QColor> colours;
    for (const QString &step : steps) {
        run({step});
        const QWidget *window = plan_window();
        QSet<QRgb> used;
        for (QAbstractSeries *series : window ? window->findChild<QChartView *>()->chart()->series()
                                              : QList<QAbstractSeries *>()) {
            const QColor colour = qobject_cast<QLineSeries *>(series)->pen().color();
            QVERIFY2(colours.value(series->name(), colour) == colour,
                     qPrintable(series->name() + QStringLiteral(" after ") + step));
            colours.insert(series->name(), colour);
            QVERIFY(colour != QColor(85, 170, 127));
            QVERIFY2(!used.contains(colour.rgb()), qPrintable(series->name()));
            used.insert(colour.rgb());
        }
    }
    QVERIFY(!QTest::currentTestFailed());
    QWidget *window = plan_window();
    QVERIFY(window);
    QCOMPARE(table_rows(window->findChild<QTableWidget *>(QStringLiteral("plan_items"))), rows);
    QCOMPARE(table_rows(window->findChild<QTableWidget *>(QStringLiteral("plan_water"))), water);
    auto *shown = window->findChild<QTableWidget *>(QStringLiteral("plan_totals"));
    QCOMPARE(table_rows(shown), totals);
    QVERIFY(window->findChild<QWidget *>(QStringLiteral("plan_chart")));

    // «Копировать» puts the same figures on the clipboard, a cell a tab.
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("plan_copy")),
                      Qt::LeftButton);
    const QString copied = QApplication::clipboard()->text();
    for (const QString &total : totals)
        QVERIFY2(copied.contains(QString(total).replace(QLatin1Char('|'), QLatin1Char('\t'))),
                 qPrintable(copied));

    // The chart holds what the same plan drawn once, after a restart, holds:
    // its texts, and each line's points, in the same order.
    const QString plan =
        window->findChild<QComboBox *>(QStringLiteral("plan_choice"))->currentText();
    const QStringList drawn = chart_texts(window);
    const QStringList lines = chart_lines(window);
    QVERIFY(f.reopen());
    plan_step(QStringLiteral("open"));
    QCOMPARE(plan_window()->findChild<QComboBox *>(QStringLiteral("plan_choice"))->currentText(),
             plan);
    QCOMPARE(drawn, chart_texts(plan_window()));
    QCOMPARE(lines, chart_lines(plan_window()));
}

void TestMainWindow::plan_reading_data()
{
    QTest::addColumn<QStringList>("steps");
    // Each row of the totals: name, from, to, the method's target, and the
    // colours of from and to (b below, g within, o above, r over the ceiling,
    // - none).
    QTest::addColumn<QStringList>("totals");
    QTest::addColumn<QString>("warnings");
    // The methods to choose from, and what resting the mouse on them says
    // ("%1" the settings folder).
    QTest::addColumn<QString>("methods");

    // Alpha 20 ml: Fe 0.2 – 0.4, K 1 – 2; Gamma 5 ml: N 0.15 – 0.3, P 0.05 – 0.1.
    const QStringList both{"tank 100", "value 1", "calculate", "plan add", "entry 2",
                           "method 1", "value 5", "calculate", "plan add"};
    QTest::newRow("below, straddling, above, within")
        << both + QStringList{"plan method Method"}
        << QStringList{"Fe|0.2|0.4|0.5 – 1|bb",    "K|1|2|1.5 – 3|bg",
                       "N|0.15|0.3||--",           "NO3 (из N)|0.664|1.33|0.1 – 0.5|oo",
                       "P|0.05|0.1|0.01 – 0.2|gg", "PO4 (из P)|0.153|0.307||--"}
        << ""
        << "Без сравнения|Method: made up for the tests";
    QTest::newRow("no changes: above, and no end")
        << both + QStringList{"plan method Method", "plan change 0"}
        << QStringList{"Fe|без предела|без предела|0.5 – 1|oo",
                       "K|без предела|без предела|1.5 – 3|oo",
                       "N|без предела|без предела||--",
                       "NO3 (из N)|без предела|без предела|0.1 – 0.5|oo",
                       "P|без предела|без предела|0.01 – 0.2|oo",
                       "PO4 (из P)|без предела|без предела||--"}
        << ""
        << "Без сравнения|Method: made up for the tests";
    // The ceiling: W + A ÷ f at most 0.3, with A from Alpha alone: 15 ml.
    QTest::newRow("a ceiling one item can keep")
        << QStringList{"tank 100", "value 1", "calculate", "plan add", "plan livestock Shrimp"}
        << QStringList{"Fe|0.2|0.4||-r", "K|1|2||--"}
        << "Fe: до 0.4 мг/л — выше 0.3 мг/л для «Shrimp»; больше всего даёт Alpha: не больше 15 "
           "мл в неделю"
        << "Без сравнения|Method: ";
    QTest::newRow("a ceiling the new water alone goes over")
        << QStringList{"tank 100",
                       "value 1",
                       "calculate",
                       "plan add",
                       "plan livestock Shrimp",
                       "plan water Fe 0.35"}
        << QStringList{"Fe|0.55|0.75||-r", "K|1|2||--"}
        << "Fe: до 0.75 мг/л — выше 0.3 мг/л для «Shrimp»; больше всего даёт Alpha, но и без "
           "него уровень выше"
        << "Без сравнения|Method: ";
    QTest::newRow("the method's water change, then the ceiling")
        << QStringList{"tank 100",
                       "value 1",
                       "calculate",
                       "plan add",
                       "plan method Method",
                       "plan method-water",
                       "plan livestock Shrimp"}
        << QStringList{"Fe|0.933|1.33|0.5 – 1|gr", "K|4.67|6.67|1.5 – 3|oo"}
        << "Fe: до 1.33 мг/л — выше 0.3 мг/л для «Shrimp»; больше всего даёт Alpha: не больше "
           "4.5 мл в неделю"
        << "Без сравнения|Method: made up for the tests";
    QTest::newRow("a targets file that cannot be read: nothing to compare with")
        << QStringList{"targets [{", "tank 100", "value 1", "calculate", "plan add"}
        << QStringList{"Fe|0.2|0.4||--", "K|1|2||--"} << ""
        << "Без сравнения: %1/targets.json:1:2: файл обрывается: объект не закрыт, не хватает }";
}

void TestMainWindow::plan_reading()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, totals);
    QFETCH(QString, warnings);
    QFETCH(QString, methods);

    run(steps);
    QVERIFY(!QTest::currentTestFailed());
    QWidget *window = plan_window();
    const auto *list = window->findChild<QComboBox *>(QStringLiteral("plan_method"));
    QCOMPARE(f.items(list).join(QLatin1Char('|')) + QStringLiteral(": ") + list->toolTip(),
             methods.arg(QDir::currentPath() + QStringLiteral("/settings")));
    const auto *table = window->findChild<QTableWidget *>(QStringLiteral("plan_totals"));
    const auto colour = [](const QTableWidgetItem *_cell) {
        const QVariant brush = _cell->data(Qt::ForegroundRole);
        if (!brush.isValid())
            return QLatin1Char('-');
        const QColor shown = brush.value<QBrush>().color();
        return shown == QColor(85, 85, 255)    ? QLatin1Char('b')
               : shown == QColor(85, 170, 127) ? QLatin1Char('g')
               : shown == QColor(230, 120, 30) ? QLatin1Char('o')
               : shown == QColor(204, 0, 0)    ? QLatin1Char('r')
                                               : QLatin1Char('?');
    };
    QStringList shown;
    const bool target = table->columnCount() == 5;
    for (int row = 0; row < table->rowCount(); ++row)
        shown << QStringList{table->item(row, 0)->text(), table->item(row, 2)->text(),
                             table->item(row, 3)->text(),
                             target ? table->item(row, 4)->text() : QString(),
                             QString(colour(table->item(row, 2))) + colour(table->item(row, 3))}
                     .join(QLatin1Char('|'));
    QCOMPARE(shown, totals);
    if (target)
        QCOMPARE(table->horizontalHeaderItem(4)->text(), QStringLiteral("Цель, мг/л"));
    const auto *said = window->findChild<QLabel *>(QStringLiteral("plan_warnings"));
    QCOMPARE(said->text(), warnings);
    QCOMPARE(said->isVisible(), !warnings.isEmpty());

    // The picture has a line for each row with a target.
    QStringList drawn;
    for (const Plan_Book::Band_Row &row : window->findChild<Plan_Bands *>()->rows())
        drawn << row.label;
    QStringList targeted;
    for (const QString &row : totals)
        if (!row.section(QLatin1Char('|'), 3, 3).isEmpty())
            targeted << row.section(QLatin1Char('|'), 0, 0);
    QCOMPARE(drawn, targeted);
}

namespace {

// The words of a PDF, as pdftotext -bbox gives them, that stand over one
// another or beyond their page: "page 2: «a» over «b»" for the first such
// pair, empty where there is none. A word's box reaches above and below its
// letters, so the boxes are taken a quarter of their height smaller.
QString words_over_words(const QString &_boxes)
{
    static const QRegularExpression tag(QStringLiteral(
        R"x(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" )x"
        R"x(xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)x"));
    int page = 0;
    QRectF sheet;
    QVector<QPair<QRectF, QString>> words;
    for (QRegularExpressionMatchIterator each = tag.globalMatch(_boxes); each.hasNext();) {
        const QRegularExpressionMatch found = each.next();
        if (!found.captured(1).isEmpty()) {
            ++page;
            sheet = QRectF(0, 0, found.captured(1).toDouble(), found.captured(2).toDouble());
            words.clear();
            continue;
        }
        QRectF box(QPointF(found.captured(3).toDouble(), found.captured(4).toDouble()),
                   QPointF(found.captured(5).toDouble(), found.captured(6).toDouble()));
        const QString word = found.captured(7);
        const QString where = QStringLiteral("page %1: «%2»").arg(page).arg(word);
        if (!sheet.contains(box))
            return where + QStringLiteral(" off the page");
        box.adjust(0.5, box.height() / 4, -0.5, -box.height() / 4);
        for (const auto &[other, text] : words) {
            if (other.intersects(box))
                return where + QStringLiteral(" over «") + text + QStringLiteral("»");
        }
        words.append({box, word});
    }
    return QString();
}

} // namespace

void TestMainWindow::plan_sheet_data()
{
    // Steps as in run(); then, in the program's language, what the sheet and
    // the copied text both say (blanks and line breaks as one blank), what
    // neither does, how many pages the grid takes at least, and the grid's
    // header and rows, cells between "|" (none to compare where empty).
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QStringList>("said");
    QTest::addColumn<QStringList>("unsaid");
    QTest::addColumn<int>("grid_pages");
    QTest::addColumn<QStringList>("grid");

    const QStringList alpha{"tank 100", "value 1", "calculate", "plan add"};
    // Bottle 10 ml a week on Saturday, Monday and Wednesday, a solution of
    // K2SO4 5 g in 1000 ml 40 ml on Saturday.
    const QStringList bottles{"tank 100",  "entry 5",    "method 1",      "value 10",
                              "calculate", "plan add",   "kind rbdiysol", "entry 0",
                              "method 0",  "water 1000", "grams 5",       "value 1",
                              "calculate", "plan add",   "plan day 0 Пн", "plan day 0 Ср"};
    QTest::newRow("a recipe and a solution against a method and a livestock")
        << bottles + QStringList{"plan method Method", "plan livestock Shrimp"} << false
        << QStringList{"Аквариум 100 л",
                       "Подмена воды: 50 % каждые 7 дн., первая в Сб",
                       "Метод: Method — Fe 0.5 – 1, K 1.5 – 3, NO3 0.1 – 0.5, P 0.01 – 0.2 мг/л",
                       "Пределы: Shrimp — Fe до 0.3 мг/л",
                       "Подмены и дозы каждую неделю в те же дни.",
                       "Каждая неделя: подмена Сб",
                       "3.33 мл",
                       "40 мл",
                       "K2SO4 (5 г в 1000 мл)",
                       "Цель, мг/л",
                       "Предел, мг/л",
                       "1.5 – 3",
                       "CaCl2 — 1 г",
                       "K2SO4 — 10 г",
                       "Na2SO4 — 1 г",
                       "Вода: 1000 мл",
                       "K2SO4 — 5 г",
                       "мг/мл: K 2.5, S 0.5",
                       "бутылки хватит на 100 недель",
                       "бутылки хватит на 25 недель",
                       "a test of its own"}
        << QStringList{"▲", "Неделя 1"} << 1
        << QStringList{"Удобрение|Сб|Вс|Пн|Вт|Ср|Чт|Пт", "Bottle|3.33 мл||3.33 мл||3.33 мл||",
                       "K2SO4 (5 г в 1000 мл)|40 мл||||||"};
    // Day 0, the first change, a Saturday; then every 30 days.
    QTest::newRow("a change every 30 days: 4 weeks of 30")
        << alpha + QStringList{"plan every 30"} << false
        << QStringList{"Подмены и дозы повторяются через 30 недель; неделя 1 начинается с первой "
                       "подмены, здесь первые 4 недели.",
                       "Неделя 1 (дни 1–7): подмена Сб", "Неделя 2 (дни 8–14): без подмены",
                       "Неделя 4 (дни 22–28): без подмены",
                       "Недели 5–30: дозы те же, подмены: неделя 5 Пн, неделя 9 Ср, неделя 13 Пт, "
                       "неделя 18 Вс, неделя 22 Вт, неделя 26 Чт. После недели 30 всё повторяется "
                       "с недели 1."}
        << QStringList{"Неделя 5 ("} << 1 << QStringList();
    QTest::newRow("every 10 days: 4 weeks of 10")
        << alpha + QStringList{"plan every 10"} << false
        << QStringList{"Подмена воды: 50 % каждые 10 дн., первая в Сб",
                       "Неделя 1 (дни 1–7): подмена Сб",
                       "Неделя 2 (дни 8–14): подмена Вт",
                       "Неделя 3 (дни 15–21): подмена Пт",
                       "Неделя 4 (дни 22–28): без подмены",
                       "Недели 5–10: дозы те же, подмены: неделя 5 Пн, неделя 6 Чт, неделя 8 Вс, "
                       "неделя 9 Ср."}
        << QStringList{"Неделя 5 ("} << 1 << QStringList();
    // The first change on a Wednesday, Alpha still on Saturdays.
    QTest::newRow("every 3 days from a Wednesday: three weeks, some with three changes")
        << alpha + QStringList{"plan every 3", "plan change_day Ср"} << false
        << QStringList{"Подмена воды: 50 % каждые 3 дн., первая в Ср",
                       "Подмены и дозы повторяются через 3 недели; неделя 1 начинается с первой "
                       "подмены.",
                       "Неделя 1 (дни 1–7): подмена Ср, Сб, Вт",
                       "Неделя 2 (дни 8–14): подмена Пт, Пн",
                       "Неделя 3 (дни 15–21): подмена Чт, Вс"}
        << QStringList{"Неделя 4", "Недели 4"} << 1
        << QStringList{"Удобрение|Ср|Чт|Пт|Сб|Вс|Пн|Вт", "Alpha||||20 мл|||"};
    QTest::newRow("no changes: no day marked")
        << alpha + QStringList{"plan change 0"} << false
        << QStringList{"Подмена воды: нет", "Подмен воды нет: каждая неделя одна и та же.",
                       "Каждая неделя: без подмены", "без предела"}
        << QStringList{"подмена", "каждые"} << 1
        << QStringList{"Удобрение|Пн|Вт|Ср|Чт|Пт|Сб|Вс", "Alpha||||||20 мл|"};
    // W + A ÷ f: Fe from 0.2 to 0.4, over the ceiling of 0.3 only at the top.
    QTest::newRow("a ceiling exceeded: marked, said under the totals")
        << alpha + QStringList{"plan livestock Shrimp"} << false
        << QStringList{"0.4 ▲", "▲ — выше предела для «Shrimp»",
                       "Fe: до 0.4 мг/л — выше 0.3 мг/л для «Shrimp»; больше всего даёт Alpha: не "
                       "больше 15 мл в неделю"}
        << QStringList{"0.2 ▲"} << 1 << QStringList();
    // Ten salts by their formulas, each of the twelve elements in 100 ml,
    // beside another label and above a third: a label that overflowed would
    // run into the one below.
    const QString ten =
        R"(editor file recipes.json [{"name": "Ten", "water_ml": 100, "target": "N",
        "compounds": {"KNO3": 2, "KH2PO4": 1, "MgSO4": 1, "Ca(NO3)2": 1, "FeSO4": 0.1,
        "MnSO4": 0.1, "ZnSO4": 0.1, "CuSO4": 0.1, "H3BO3": 0.1, "MoO3": 0.1},
        "source": "a recipe of ten salts, to see that a label holds all of it: every salt, the water, each element's mg/ml, how long the bottle lasts, the line for the date and this source"}])";
    QTest::newRow("a label of ten salts and twelve elements, whole")
        << QStringList{ten, "tank 100", "entry 6", "method 1", "value 3", "calculate", "plan add"} +
               bottles.mid(1)
        << false
        << QStringList{"KNO3 — 2 г",
                       "KH2PO4 — 1 г",
                       "MgSO4 — 1 г",
                       "Ca(NO3)2 — 1 г",
                       "FeSO4 — 0.1 г",
                       "MnSO4 — 0.1 г",
                       "ZnSO4 — 0.1 г",
                       "CuSO4 — 0.1 г",
                       "H3BO3 — 0.1 г",
                       "MoO3 — 0.1 г",
                       "Вода: 100 мл",
                       "мг/мл: B 0.175, Ca 2.44, Cu 0.398, Fe 0.368, K 10.6, Mg 2.02, Mn 0.364, "
                       "Mo 0.667, N 4.48, P 2.28, S 3.49, Zn 0.405",
                       "бутылки хватит на 33 недели",
                       "бутылки хватит на 100 недель",
                       "to see that a label holds all of it: every salt, the water, each element's "
                       "mg/ml, how long the bottle lasts, the line for the date and this source"}
        << QStringList() << 1 << QStringList();
    // Sixty solutions a week: more rows than a page holds.
    QString sixty;
    for (int grams = 1; grams <= 60; ++grams)
        sixty += QStringLiteral(R"(%1{"kind": "diy_sol", "name": "K2SO4", "grams": %2, )"
                                R"("water_ml": 1000, "weekly_dose": 10, "days": [1, 4]})")
                     .arg(grams > 1 ? ", " : "")
                     .arg(grams);
    QTest::newRow("a grid over two pages, its header on each")
        << QStringList{R"(plan file {"version": 1, "plans": [{"name": "Sixty", "tank_l": 100, )"
                       R"("items": [)" +
                           sixty + "]}]}",
                       "plan open"}
        << false << QStringList{"K2SO4 (1 г в 1000 мл)", "K2SO4 (60 г в 1000 мл)"} << QStringList()
        << 2 << QStringList();
    QTest::newRow("a bottle that does not last a week, said beside it")
        << bottles.mid(0, 6) + QStringList{"plan dose 0 1200",
                                           "plan item 0 Bottle — бутылки не хватит на неделю: в "
                                           "неделю 1200 мл, в бутылке 1000 мл"}
        << false
        << QStringList{"Bottle — бутылки не хватит на неделю: в неделю 1200 мл, в бутылке 1000 мл"}
        << QStringList{"бутылки хватит"} << 1 << QStringList();
    QTest::newRow("in English, the salts by their English names")
        << QStringList{R"(editor file compounds.json [{"name": "K2SO4", "name_en": "Potassium )"
                       R"(sulfate", "target": "K", "K": 0.5, "S": 0.1, "sol": 111}])"} +
               bottles
        << true
        << QStringList{"Water change: 50 % every 7 days, first on Sat",
                       "Changes and doses fall on the same days every week.",
                       "Every week: change on Sat",
                       "Potassium sulfate (5 g in 1000 ml)",
                       "Potassium sulfate — 10 g",
                       "Potassium sulfate — 5 g",
                       "a bottle lasts 100 weeks",
                       "Prepared:"}
        << QStringList{"Приготовлено", "K2SO4", "Подмена"} << 1 << QStringList();
}

// The sheet saved as a PDF and read back as text, and the same plan copied.
void TestMainWindow::plan_sheet()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, english);
    QFETCH(QStringList, said);
    QFETCH(QStringList, unsaid);
    QFETCH(int, grid_pages);
    QFETCH(QStringList, grid);

    const QString reader = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (reader.isEmpty())
        QSKIP("pdftotext (poppler-utils) reads the PDF back");
    const auto keeps_russian = qScopeGuard([] {
        Language::apply(Language::russian);
        QFile::remove(Language::settings_file());
    });
    run(steps);
    QVERIFY(!QTest::currentTestFailed());
    if (english)
        f.window->findChild<QAction *>(QStringLiteral("actionEnglish"))->trigger();
    QWidget *window = plan_window();

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString pdf = folder.filePath(QStringLiteral("sheet.pdf"));
    QTimer::singleShot(0, window, [pdf] {
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            dialog->selectFile(pdf);
            static_cast<QDialog *>(dialog)->accept();
        }
    });
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("plan_pdf")), Qt::LeftButton);
    QVERIFY(QFileInfo(pdf).size() > 0);
    const auto read = [&](const QStringList &_options) {
        QProcess text;
        text.start(reader, _options + QStringList{pdf, QStringLiteral("-")});
        text.waitForFinished(30000);
        return text.exitCode() == 0 ? QString::fromUtf8(text.readAllStandardOutput()) : QString();
    };
    const QString sheet = read({});
    QVERIFY(!sheet.isEmpty());
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("plan_copy")),
                      Qt::LeftButton);
    const QString copied = QApplication::clipboard()->text();
    for (const QString &text : said) {
        QVERIFY2(sheet.simplified().contains(text), qPrintable(text + " not in:\n" + sheet));
        QVERIFY2(copied.simplified().contains(text), qPrintable(text + " not in:\n" + copied));
    }
    for (const QString &text : unsaid) {
        QVERIFY2(!sheet.contains(text), qPrintable(text + " in:\n" + sheet));
        QVERIFY2(!copied.contains(text), qPrintable(text + " in:\n" + copied));
    }

    const Plan_Book::Sheet content = qobject_cast<Plan_Window *>(window)->model().sheet();
    if (!grid.isEmpty()) {
        QStringList drawn{content.grid_header.join(QLatin1Char('|'))};
        for (const QStringList &row : content.grid)
            drawn << row.join(QLatin1Char('|'));
        QCOMPARE(drawn, grid);
    }

    // Every page that shows a week of the grid or a row of the totals shows
    // that table's header; every label has its line for the date.
    int on_pages = 0;
    for (const QString &page : sheet.split(QLatin1Char('\f'))) {
        const QString flat = page.simplified();
        const auto shows = [&](const QString &_text) { return flat.contains(_text.simplified()); };
        if (std::any_of(content.weeks.begin(), content.weeks.end(),
                        [&](const Plan_Book::Sheet::Week &_week) { return shows(_week.title); })) {
            ++on_pages;
            for (const QString &header : content.grid_header)
                QVERIFY2(shows(header), qPrintable(header + " not on:\n" + page));
        }
        for (const QStringList &row : content.totals) {
            // A row such as «SO4 (из S)» that no warning names.
            const bool own = row.value(0).contains(QLatin1Char(' ')) &&
                             !content.warnings.join(QLatin1Char(' ')).contains(row.value(0));
            if (!own || !shows(row.value(0)))
                continue;
            for (const QString &header : content.totals_header)
                QVERIFY2(shows(header), qPrintable(header + " not on:\n" + page));
        }
    }
    QVERIFY2(on_pages >= grid_pages, qPrintable(QString::number(on_pages)));
    if (!content.labels.isEmpty())
        QCOMPARE(sheet.count(content.labels.first().made.section(QLatin1Char(' '), 0, 0)),
                 content.labels.size());
    // Nothing is drawn over anything else.
    QCOMPARE(words_over_words(read({QStringLiteral("-bbox")})), QString());
}

void TestMainWindow::editor_step(const QString &_step)
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
    } else if (what == QLatin1String("sourced")) {
        QCOMPARE(window->findChild<QLineEdit *>(QStringLiteral("editor_source"))->text(), rest);
    } else if (what == QLatin1String("reference")) {
        QCOMPARE(window->findChild<QComboBox *>(QStringLiteral("editor_target"))->currentText(),
                 rest);
    } else if (what == QLatin1String("copy") || what == QLatin1String("save")) {
        // A question, about a file that cannot be read, answered.
        const bool yes = rest != QLatin1String("no");
        QTimer::singleShot(0, window, [yes] {
            if (auto *question = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                question->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        QTest::mouseClick(button(what == QLatin1String("copy") ? "editor_copy" : "editor_save"),
                          Qt::LeftButton);
        QCoreApplication::processEvents();
    } else {
        QFAIL(qPrintable(QStringLiteral("no such step: editor ") + _step));
    }
}

void TestMainWindow::editor_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("check");     // what the editor says of the entry
    QTest::addColumn<bool>("savable");      // «Сохранить» enabled
    QTest::addColumn<QStringList>("kept");  // the user's files: "file: name, …"
    QTest::addColumn<QStringList>("lists"); // the main window's lists, "entry (tool tip)"
    QTest::addColumn<QString>("status");    // a regular expression

    const QStringList products{"Alpha", "Beta <b>&", "Gamma", "Zero", "Tagged", "Bottle"};
    QTest::newRow("a product") << QStringList{"editor open",      "editor new product",
                                              "editor name Mine", "editor element K 5.5",
                                              "editor target K",  "editor save"}
                               << "" << false << QStringList{"commercial_products.json: Mine"}
                               << products + QStringList{"Mine"} << "";
    // The question names the entry as it is kept when its name is erased.
    QTest::newRow("a kept product's name erased")
        << QStringList{"editor open",
                       "editor new product",
                       "editor name Mine",
                       "editor element K 5.5",
                       "editor save",
                       "editor name",
                       "editor asks Сохранить изменения в «Mine»?|Сохранить|Отклонить|Отмена"}
        << "нет названия" << false << QStringList{"commercial_products.json: Mine"}
        << products + QStringList{"Mine"} << "";
    QTest::newRow("a product with a figure that is none")
        << QStringList{"editor open", "editor new product", "editor name Mine",
                       "editor element K many"}
        << "K: «many» — это не число" << false << QStringList() << products << "";
    QTest::newRow("a compound from its formula")
        << QStringList{"editor open",         "editor new compound", "editor name Nitrate",
                       "editor formula KNO3", "editor target K",     "editor save"}
        << "" << false << QStringList{"compounds.json: Nitrate"}
        << QStringList{"K2SO4", "Urea", "Limited", "Nitrate"} << "";
    QTest::newRow("a formula that cannot be read")
        << QStringList{"editor open", "editor new compound", "editor name Nitrate",
                       "editor formula Xx2"}
        << "формула «Xx2» не читается: позиция 1: нет элемента «Xx», запись пропущена" << false
        << QStringList() << QStringList{"K2SO4", "Urea", "Limited"} << "";
    QTest::newRow("a recipe over a salt's solubility")
        << QStringList{"editor open", "editor new recipe", "editor name Strong", "editor water 100",
                       "editor salt Limited 5"}
        << "Столько вещества не растворится:\nLimited\nв 100 мл воды\nрастворяется не больше 1 г"
        << true << QStringList() << products << "";
    QTest::newRow("a copy that corrects a shipped entry")
        << QStringList{"editor open", "editor copy", "editor element K 4 in 1", "editor save",
                       "editor sourced Изменено: K 4 вместо 5. label"}
        << "" << false << QStringList{"commercial_products.json: Alpha"}
        << QStringList{"Alpha (Ваша запись; в поставке: K 5)",
                       "Beta <b>&",
                       "Gamma",
                       "Zero",
                       "Tagged",
                       "Bottle"}
        << "";
    QTest::newRow("a copy saved again says what it changes now")
        << QStringList{"editor open",
                       "editor copy",
                       "editor element K 4 in 1",
                       "editor save",
                       "editor element Mg 2",
                       "editor save",
                       "editor sourced Изменено: K 4 вместо 5; Mg 2, в поставке нет. label",
                       "editor element K 5 in 1",
                       "editor save",
                       "editor sourced Изменено: Mg 2, в поставке нет. label"}
        << "" << false << QStringList{"commercial_products.json: Alpha"}
        << QStringList{"Alpha (Ваша запись; в поставке: Mg нет)",
                       "Beta <b>&",
                       "Gamma",
                       "Zero",
                       "Tagged",
                       "Bottle"}
        << "";
    QTest::newRow("a name the user's list has")
        << QStringList{"editor open",        "editor copy",       "editor save",
                       "editor new product", "editor name Alpha", "editor element K 1"}
        << "в ваших записях уже есть «Alpha»" << false
        << QStringList{"commercial_products.json: Alpha"}
        << QStringList{"Alpha (Ваша запись; в поставке те же цифры)",
                       "Beta <b>&",
                       "Gamma",
                       "Zero",
                       "Tagged",
                       "Bottle"}
        << "";
    QTest::newRow("a zero for an O in a formula")
        << QStringList{"editor open", "editor new compound", "editor name Sulfate",
                       "editor formula K2S04"}
        << "формула «K2S04» не читается: позиция 4: число не может начинаться с 0 (0 вместо "
           "O?), запись пропущена"
        << false << QStringList() << QStringList{"K2SO4", "Urea", "Limited"} << "";
    QTest::newRow("a new compound's reference: its first element, until one is chosen")
        << QStringList{"editor open",          "editor new compound", "editor name Sulfate",
                       "editor formula MgSO4", "editor reference Mg", "editor target S",
                       "editor formula ZnSO4", "editor reference S",  "editor save"}
        << "" << false << QStringList{"compounds.json: Sulfate"}
        << QStringList{"K2SO4", "Urea", "Limited", "Sulfate"} << "";
    QTest::newRow("the water in the window's words")
        << QStringList{"editor open", "editor new recipe", "editor name R", "editor water 0",
                       "editor salt K2SO4 5"}
        << "Вода в бутылке: нужно больше 0 мл" << false << QStringList() << products << "";
    QTest::newRow("a salt row without grams left out, the recipe saved")
        << QStringList{"editor open",      "editor new recipe",   "editor name R",
                       "editor water 100", "editor salt K2SO4 5", "editor salt Urea",
                       "editor save"}
        << "" << false << QStringList{"recipes.json: R"} << products + QStringList{"R"} << "";

    // A user's file that cannot be read: said at start-up, kept as it is
    // until the user saves into its list and agrees to start it afresh.
    const QString broken = QStringLiteral(R"([{"name": "Mine",, "K": 1}])");
    const QStringList unreadable{
        "editor file " + broken,
        "editor notice ^Ваш файл .*commercial_products\\.json не читается: строка 1, столбец 18: "
        "здесь вторая запятая подряд, а ожидалось имя в кавычках\\.\n\nФайл оставлен как есть, "
        "а его записи не показаны: .* Исправьте файл в текстовом редакторе или начните этот "
        "список заново в «Мои удобрения…»: .*$",
        "editor open",
        "editor bytes " + broken,
        "editor new product",
        "editor name Mine",
        "editor element K 2"};
    QTest::newRow("a user's file that cannot be read, kept when the user says no")
        << unreadable + QStringList{"editor save no", "editor bytes " + broken} << "" << true
        << QStringList{"commercial_products.json: "} << products
        << "^Ваш файл .*commercial_products\\.json не читается: строка 1, столбец 18: здесь "
           "вторая запятая подряд, а ожидалось имя в кавычках\\. Он оставлен как есть, его "
           "записи здесь не показаны\\. .*$";
    QTest::newRow("a user's file that cannot be read, moved aside when the user says yes")
        << unreadable + QStringList{"editor save yes", "editor aside " + broken} << "" << false
        << QStringList{"commercial_products.json: Mine"} << products + QStringList{"Mine"}
        << "^Ваш файл .*commercial_products\\.json не читался: он перенесён как есть в "
           ".*commercial_products\\.json\\.unreadable-\\d{8}-\\d{6}, список начат заново\\.$";
}

void TestMainWindow::editor()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, check);
    QFETCH(bool, savable);
    QFETCH(QStringList, kept);
    QFETCH(QStringList, lists);
    QFETCH(QString, status);

    Catalogues catalogues = test_catalogues();
    catalogues.compounds.replace("\n    ]", R"(,
        {"name": "Limited", "target": "K", "K": 0.5, "solubility": {"g_per_l": 10}}])");
    catalogues.products.replace(R"("name": "Alpha",)", R"("name": "Alpha", "source": "label",)");
    QVERIFY(f.open(catalogues));
    run(steps);
    QVERIFY(!QTest::currentTestFailed());
    QWidget *window = f.window->findChild<QWidget *>(QStringLiteral("editor"));
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("editor_check"))->text(), check);
    QCOMPARE(window->findChild<QPushButton *>(QStringLiteral("editor_save"))->isEnabled(), savable);
    const QString said = window->findChild<QLabel *>(QStringLiteral("editor_status"))->text();
    QVERIFY2(status.isEmpty() ? said.isEmpty() : QRegularExpression(status).match(said).hasMatch(),
             qPrintable(said));

    QCOMPARE(user_files(), kept);

    // The entry's fields stand in one column, whatever its kind.
    QSet<int> lefts;
    for (const QLineEdit *field : window->findChildren<QLineEdit *>()) {
        if (field->objectName().startsWith(QLatin1String("editor_")) && field->isVisible())
            lefts << field->mapTo(window, QPoint()).x();
    }
    QCOMPARE(lefts.size(), 1);

    // The main window shows what was saved at once, in the list the entry is of.
    const bool compound = lists.contains(QStringLiteral("Urea"));
    if (compound)
        Window_Fixture::click_radio(f.ui->rbdiy);
    QStringList shown;
    for (int i = 0; i < f.ui->comboBox->count(); ++i) {
        const QString tip = f.ui->comboBox->itemData(i, Qt::ToolTipRole).toString();
        shown << f.ui->comboBox->itemText(i) + (tip.startsWith(QStringLiteral("Ваша"))
                                                    ? QStringLiteral(" (") + tip + QLatin1Char(')')
                                                    : QString());
    }
    QCOMPARE(shown, lists);
    QCOMPARE(misnamed(window, "editor"), QString());
}

namespace {

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

QByteArray bytes(const QString &_file)
{
    QFile file(_file);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

} // namespace

void TestMainWindow::failed_write_data()
{
    if (qEnvironmentVariableIsEmpty("FIU_CTRL_FIFO"))
        QSKIP("needs libfiu's fault injector: runs as tst_main_window_failed_writes, under "
              "fiu-run -x");
    // Steps as in run(), and "settings <rovalin.ini>", "language en" and
    // "pdf"; then the steps taken while writes fail, and those taken once
    // they work again.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("fault"); // as make_writes_fail() takes it
    QTest::addColumn<QStringList>("failing");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("file");  // plans, products, settings or sheet
    QTest::addColumn<QString>("said");  // what the window says meanwhile: a regular expression
    QTest::addColumn<QString>("saved"); // what the file holds in the end

    QTest::newRow("a plan's edits, saved with the next one")
        << QStringList{"plan stored", "plan open"} << "write"
        << QStringList{"plan dose 0 12.5", "plan day 0 Пн"} << QStringList{"plan day 0 Ср"}
        << "plans"
        << "^Не удалось сохранить планы в .*plans\\.json: .+\\. Изменения остались в окне\\.$"
        << "Alpha 12.5 1,3,6|Gone 5 6";
    QTest::newRow("an entry of the user's, saved on a retry")
        << QStringList{"editor file [{\"name\": \"Mine\", \"target\": \"K\", \"K\": 5}]",
                       "editor open",
                       "editor new product",
                       "editor name Second",
                       "editor element K 2",
                       "editor target K"}
        << "write" << QStringList{"editor save"} << QStringList{"editor save"} << "products"
        << "^Не удалось сохранить .*commercial_products\\.json: .+\\.$"
        << "commercial_products.json: Mine, Second";
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
    const QString sheet = QDir::current().filePath(QStringLiteral("sheet.pdf"));
    const auto step = [&](const QString &_step) {
        // A warning is modal: read it and close it from its own event loop.
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
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
        : file == QLatin1String("sheet") ? sheet
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
        QWidget *window = file == QLatin1String("plans")
                              ? plan_window()
                              : f.window->findChild<QWidget *>(QStringLiteral("editor"));
        return window
            ->findChild<QLabel *>(file == QLatin1String("plans") ? "plan_status" : "editor_status")
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
    QCOMPARE(shown(), QString());

    // What the file holds: the plan's items, the user's entries, or the
    // settings' lines.
    QStringList held =
        file == QLatin1String("products") ? user_files()
        : file == QLatin1String("settings")
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
    QCOMPARE(held.join(QLatin1Char('|')), saved);
}

void TestMainWindow::designer_step(const QString &_step)
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
        QTest::keyClicks(line, words.value(1));
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
                question->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("designer_") + what),
                          Qt::LeftButton);
        // No question asked: the answer goes now, not to the next step's.
        QCoreApplication::processEvents();
    } else {
        QFAIL(qPrintable(QStringLiteral("no such step: designer ") + _step));
    }
}

void TestMainWindow::designer_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("targets"); // key|wanted|got|deviation of Ca, K, N, P, ions
    QTest::addColumn<QStringList>("salts");   // [x] name|grams|share|bottle
    QTest::addColumn<QString>("check");
    QTest::addColumn<QStringList>("kept"); // the user's files
    QTest::addColumn<QStringList>("planned"); // the plan's items, after «Добавить в план»

    // 100 l, 500 ml, 50 ml a week: a gram of salt gives its fraction in mg/l.
    const QStringList macro{"designer open", "designer want NO3 20", "designer want PO4 3",
                            "designer suggest"};
    const QStringList met{"Ca||0|",      "K||13.8|",  "N||4.52|",
                          "NO3|20|20|0", "P||0.978|", "PO4|3|3|0"};
    const QStringList ticked{"[x] KNO3|32.6|20.5|A", "[x] KH2PO4|4.3|3.8|A", "[ ] CaCl2|||",
                             "[ ] Urea|||"};
    QTest::newRow("the salts that carry the targets, ticked and solved")
        << macro << met << ticked << "" << QStringList() << QStringList();
    // A comma is the decimal point in every locale, in a cell and in a
    // field; what is no number or beyond the limit is refused, and why.
    QTest::newRow("a comma in a target and in the dose")
        << QStringList{"designer open", "designer want NO3 40,0", "designer want PO4 6,0",
                       "designer dose 100,0", "designer suggest"}
        << QStringList{"Ca||0|", "K||27.7|", "N||9.04|", "NO3|40|40|0", "P||1.96|", "PO4|6|6|0"}
        << ticked << "" << QStringList() << QStringList();
    QTest::newRow("a target that is no number or too high refused, with the reason")
        << macro + QStringList{"designer want PO4 1,000,5",
                               "designer says PO4: «1,000,5» не принято, это не число.",
                               "designer want PO4 2000",
                               "designer says PO4: «2000» не принято, цель — больше 0 и не больше "
                               "1000 мг/л в неделю."}
        << met << ticked << "" << QStringList() << QStringList();
    QTest::newRow("a target on N clears the one on NO3")
        << macro + QStringList{"designer want N 2"}
        << QStringList{"Ca||0|", "K||6.82|", "N|2|2|0", "NO3||8.85|", "P||0.978|", "PO4|3|3|0"}
        << QStringList{"[x] KNO3|14.4|9.1|A", "[x] KH2PO4|4.3|3.8|A", "[ ] CaCl2|||", "[ ] Urea|||"}
        << "" << QStringList() << QStringList();
    QTest::newRow("saved as a recipe, listed at once, saved again over it")
        << macro + QStringList{"designer name Макро", "designer save", "designer save"} << met
        << ticked << "" << QStringList{"recipes.json: Макро"} << QStringList();
    QTest::newRow("a recipe of the same name kept when the user says no")
        << macro + QStringList{"designer name Макро", "designer save", "designer want NO3 10",
                               "designer save no"}
        << QStringList{"Ca||0|", "K||7.54|", "N||2.26|", "NO3|10|10|0", "P||0.978|", "PO4|3|3|0"}
        << QStringList{"[x] KNO3|16.3|10.2|A", "[x] KH2PO4|4.3|3.8|A", "[ ] CaCl2|||",
                       "[ ] Urea|||"}
        << "" << QStringList{"recipes.json: Макро"} << QStringList();
    // The user's recipes cannot be read: kept unless the user agrees to
    // start them afresh.
    QTest::newRow("unreadable recipes kept when the user says no")
        << QStringList{"editor file recipes.json [{,]"} + macro +
               QStringList{"designer name Макро", "designer save no"}
        << met << ticked << "" << QStringList{"recipes.json: "} << QStringList();
    QTest::newRow("unreadable recipes moved aside when the user says yes")
        << QStringList{"editor file recipes.json [{,]"} + macro +
               QStringList{"designer name Макро", "designer save"}
        << met << ticked << "" << QStringList{"recipes.json: Макро"} << QStringList();
    QTest::newRow("calcium and a phosphate: two bottles into the plan")
        << QStringList{"designer open", "designer want Ca 10", "designer want P 1",
                       "designer suggest", "designer plan"}
        << QStringList{"Ca|10|10|0", "K||1.26|", "N||0|", "NO3||0|", "P|1|1|0", "PO4||3.07|"}
        << QStringList{"[x] KH2PO4|4.39|3.9|A", "[x] CaCl2|27.7|7.4|B", "[ ] KNO3|||",
                       "[ ] Urea|||"}
        << "Вещества, что дают вместе осадок, разнесены по бутылкам A, B: в каждой 500 мл воды, "
           "50 мл в неделю."
        << QStringList{"recipes.json: Мой рецепт A, Мой рецепт B"}
        << QStringList{"Мой рецепт A|50", "Мой рецепт B|50"};
    QTest::newRow("a salt at its limit")
        << QStringList{"designer open", "designer water 10", "designer want K 100",
                       "designer tick KNO3"}
        << QStringList{"Ca||0|", "K|100|61.7|-38.3", "N||22.1|", "NO3||97.8|", "P||0|", "PO4||0|"}
        << QStringList{"[x] KNO3|3.19|100|A", "[ ] KH2PO4|||", "[ ] CaCl2|||", "[ ] Urea|||"}
        << "На пределе растворимости в 10 мл воды: «KNO3» (3.19 г). Цели будут достигнуты при "
           "дозе 81.07 мл в неделю; в 17 мл воды бутылки хватит на столько же недель."
        << QStringList() << QStringList();
}

void TestMainWindow::designer()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, targets);
    QFETCH(QStringList, salts);
    QFETCH(QString, check);
    QFETCH(QStringList, kept);
    QFETCH(QStringList, planned);

    Catalogues catalogues = test_catalogues();
    catalogues.compounds = R"([
        {"name": "KNO3", "formula": "KNO3", "target": "N", "K": 0.3867, "N": 0.1385,
         "solubility": {"g_per_l": 319, "at_c": 20}},
        {"name": "KH2PO4", "formula": "KH2PO4", "target": "P", "K": 0.2873, "P": 0.2276,
         "solubility": {"g_per_l": 226, "at_c": 20}},
        {"name": "CaCl2", "formula": "CaCl2", "target": "Ca", "Ca": 0.3611, "Cl": 0.6389,
         "solubility": {"g_per_l": 745, "at_c": 20}},
        {"name": "Urea", "target": "N", "N": 0.4665}
    ])";
    QVERIFY(f.open(catalogues));
    run(steps);
    QVERIFY(!QTest::currentTestFailed());
    QWidget *window = f.window->findChild<QWidget *>(QStringLiteral("designer"));
    QVERIFY(window && window->isVisible() && !window->isModal());
    QVERIFY(!QApplication::activeModalWidget());

    // The rows are the compounds' elements, with the ions after theirs; those
    // compared here are Ca, K, N and P with their ions.
    auto *rows = window->findChild<QTableWidget *>(QStringLiteral("designer_targets"));
    QStringList shown;
    for (int row = 0; row < rows->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < 4; ++column)
            cells << rows->item(row, column)->text();
        if (QStringList{"K", "N", "NO3", "P", "PO4", "Ca"}.contains(cells.first()))
            shown << cells.join(QLatin1Char('|'));
        // Rows that are not targets are grey.
        QCOMPARE(rows->item(row, 2)->foreground().color() ==
                     window->palette().color(QPalette::Disabled, QPalette::Text),
                 cells.at(1).isEmpty());
    }
    QCOMPARE(shown.join(QStringLiteral("; ")), targets.join(QStringLiteral("; ")));
    auto *table = window->findChild<QTableWidget *>(QStringLiteral("designer_salts"));
    QStringList used;
    QStringList others;
    for (int row = 0; row < table->rowCount(); ++row) {
        const bool checked = table->item(row, 0)->checkState() == Qt::Checked;
        QStringList cells;
        for (int column = 0; column < 4; ++column)
            cells << table->item(row, column)->text();
        (checked ? used : others) << QStringLiteral("[%1] ").arg(checked ? 'x' : ' ') +
                                         cells.join(QLatin1Char('|'));
    }
    QCOMPARE((used + others).join(QStringLiteral("; ")), salts.join(QStringLiteral("; ")));
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("designer_check"))->text(), check);
    QCOMPARE(user_files(), kept);

    // What was saved is in the products' list at once and gives the levels
    // it was designed for.
    const QString name = kept.isEmpty() ? QString() : kept.first().section(QStringLiteral(": "), 1);
    for (const QString &recipe : name.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
        QVERIFY2(f.ui->comboBox->findText(recipe) >= 0, qPrintable(recipe));
        QVERIFY(window->findChild<QLabel *>(QStringLiteral("designer_status"))
                    ->text()
                    .contains(recipe));
    }
    if (!name.isEmpty() && planned.isEmpty()) {
        Window_Fixture::choose(f.ui->comboBox, f.ui->comboBox->findText(name));
        Window_Fixture::choose(f.ui->calc_methods, 1);
        Window_Fixture::type(f.ui->tank_vol, QStringLiteral("100"));
        Window_Fixture::type(f.ui->val_methods, QStringLiteral("50"));
        f.calculate();
        // 20 mg/l of NO3 is 20 × 14.007 ÷ 62.004 = 4.518096 of N, in both
        // rows: the recipe the user would not have replaced is the first one.
        QCOMPARE(f.cell(0, 0), QStringLiteral("N"));
        QCOMPARE(f.cell(0, 1), QStringLiteral("4.5181"));
    }

    QWidget *plan = plan_window();
    QCOMPARE(plan && plan->isVisible(), !planned.isEmpty());
    if (plan) {
        QStringList items;
        for (const QString &row :
             table_rows(plan->findChild<QTableWidget *>(QStringLiteral("plan_items"))))
            items << row.section(QLatin1Char('|'), 0, 0) + QLatin1Char('|') +
                         row.section(QLatin1Char('|'), 2, 2);
        QCOMPARE(items, planned);
    }
    QCOMPARE(misnamed(window, "designer"), QString());
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
