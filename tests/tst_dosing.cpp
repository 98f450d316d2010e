// SPDX-License-Identifier: GPL-3.0-or-later

// The three calculators: arithmetic, preconditions, the remembered result and
// every message, byte for byte; a calculator's list of entries; the build-up
// of a weekly dose. Run once in the C locale and once where the
// system writes decimal commas: the messages always use a point.

#include "base/message_text.h"
#include "dosing/build_up.h"
#include "dosing/diy_fertilizer.h"
#include "dosing/diysol_fertilizer.h"
#include "dosing/premix_fertilizer.h"

#include <QtTest>

#include <cmath>
#include <limits>
#include <memory>

#include "library_helpers.h"

// The two spans of the messages, spelt out here independently of the code.
#define G "<span style=\" color:#55aa7f;font-weight:600;\">"
#define B "<span style=\" color:#5555ff; font-weight:600;\">"
#define HEAD "<html><head/><body>"
#define TAIL "</body></html>"

namespace {

const double plus_inf = std::numeric_limits<double>::infinity();
const double not_a_number = std::numeric_limits<double>::quiet_NaN();

std::unique_ptr<Type_Fertilizer> make_fert(const QString &_kind)
{
    if (_kind == QLatin1String("premix"))
        return std::make_unique<Premix_Fertilizer>();
    if (_kind == QLatin1String("diy"))
        return std::make_unique<Diy_Fertilizer>();
    if (_kind == QLatin1String("diy_sol"))
        return std::make_unique<DiySol_Fertilizer>();
    qFatal("unknown kind");
    return nullptr;
}

struct Stored
{
    double dose;
    double conc;
};

Stored stored(const Type_Fertilizer *_fert)
{
    if (auto *premix = dynamic_cast<const Premix_Fertilizer *>(_fert))
        return {premix->get_result_dose(), premix->get_result_conc()};
    auto *sol = dynamic_cast<const DiySol_Fertilizer *>(_fert);
    return {sol->get_result_dose(), sol->get_result_conc()};
}

Calc_Result calculate(Type_Fertilizer *_fert, int _method, int _index, int _element,
                      const QVector<double> &_values)
{
    return _fert->calculate(_method, _index, _element, _values.constData(),
                            static_cast<unsigned>(_values.size() * sizeof(double)));
}

} // namespace

class TestDosing : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void kind_texts_data();
    void kind_texts();
    void column_title_data();
    void column_title();

    void calculate_data();
    void calculate();
    void failed_precondition_changes_nothing_data();
    void failed_precondition_changes_nothing();
    void stored_pair_follows_last_target_calculation();
    void compound_at_bounds();

    void range_message_data();
    void range_message();
    void result_message_data();
    void result_message();
    void catalogue_texts_are_escaped_data();
    void catalogue_texts_are_escaped();

    void build_up_data();
    void build_up();
    void weeks_word_data();
    void weeks_word();
};

void TestDosing::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void TestDosing::kind_texts_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("list_title");
    QTest::addColumn<QString>("choose_title");
    QTest::addColumn<QString>("input_title");

    QTest::newRow("premix") << "premix"
                            << "Список производителей"
                            << "Выберите название УДО :"
                            << "Вносим, мл";
    QTest::newRow("diy") << "diy"
                         << "Список хим.веществ"
                         << "Выберите хим.вещество :"
                         << "Вносим, мг";
    QTest::newRow("diy_sol") << "diy_sol"
                             << "Список хим.веществ"
                             << "Выберите хим.вещество :"
                             << "Вносим, мл";
}

void TestDosing::kind_texts()
{
    QFETCH(QString, kind);
    QFETCH(QString, list_title);
    QFETCH(QString, choose_title);
    QFETCH(QString, input_title);

    const auto fert = make_fert(kind);
    QCOMPARE(fert->get_type_fert(), kind);
    QCOMPARE(fert->get_list_title(), list_title);
    QCOMPARE(fert->get_choose_title(), choose_title);
    QCOMPARE(fert->get_input_title(), input_title);
    const Stored pair = stored(fert.get());
    QCOMPARE(pair.dose, 0.0);
    QCOMPARE(pair.conc, 0.0);
}

void TestDosing::column_title_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("is_calc");
    QTest::addColumn<QString>("title");

    QTest::newRow("premix catalogue") << "premix" << false << "Концентрация, мг/мл";
    QTest::newRow("premix computed") << "premix" << true << "Концентрация, мг/л";
    QTest::newRow("diy catalogue") << "diy" << false << "Массовая доля";
    QTest::newRow("diy computed") << "diy" << true << "Концентрация, мг/л";
    QTest::newRow("diy_sol catalogue") << "diy_sol" << false << "Массовая доля";
    QTest::newRow("diy_sol computed") << "diy_sol" << true << "Концентрация, мг/л";
}

void TestDosing::column_title()
{
    QFETCH(QString, kind);
    QFETCH(bool, is_calc);
    QFETCH(QString, title);
    QCOMPARE(make_fert(kind)->column_title(is_calc), title);
}

void TestDosing::calculate_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("elements");
    QTest::addColumn<int>("method");
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<int>("element");
    QTest::addColumn<double>("dose");
    QTest::addColumn<double>("concentration");
    QTest::addColumn<bool>("remembered");

    using V = QVector<double>;
    const QString fe_k = QStringLiteral("Fe=1,K=5");
    const QString k_s = QStringLiteral("K=0.5,S=0.1");

    // Product: tank 100 l, Fe 1 and K 5 mg/ml, target Fe.
    QTest::newRow("premix m0 target")
        << "premix"
        << "Fe" << fe_k << 0 << V{100, 0.1} << 0 << 10.0 << 0.1 << true;
    QTest::newRow("premix m0 other")
        << "premix"
        << "Fe" << fe_k << 0 << V{100, 0.1} << 1 << 10.0 << 0.5 << false;
    QTest::newRow("premix m1 target")
        << "premix"
        << "Fe" << fe_k << 1 << V{100, 20} << 0 << 20.0 << 0.2 << true;
    QTest::newRow("premix m1 other")
        << "premix"
        << "Fe" << fe_k << 1 << V{100, 20} << 1 << 20.0 << 1.0 << false;
    QTest::newRow("premix method 7 reads as 1")
        << "premix"
        << "Fe" << fe_k << 7 << V{100, 20} << 1 << 20.0 << 1.0 << false;
    QTest::newRow("premix method -1 reads as 1")
        << "premix"
        << "Fe" << fe_k << -1 << V{100, 20} << 0 << 20.0 << 0.2 << true;
    QTest::newRow("premix target not first")
        << "premix"
        << "K" << fe_k << 0 << V{50, 1} << 1 << 10.0 << 1.0 << true;
    QTest::newRow("premix longer input set uses the first two")
        << "premix"
        << "Fe" << fe_k << 0 << V{100, 0.1, 999, 999} << 0 << 10.0 << 0.1 << true;

    // Dry compound: tank 100 l, K 0.5 and S 0.1, target K.
    QTest::newRow("diy m0 target") << "diy"
                                   << "K" << k_s << 0 << V{100, 2} << 0 << 400.0 << 2.0 << true;
    QTest::newRow("diy m0 other") << "diy"
                                  << "K" << k_s << 0 << V{100, 2} << 1 << 400.0 << 0.4 << false;
    QTest::newRow("diy m1 target") << "diy"
                                   << "K" << k_s << 1 << V{100, 400} << 0 << 400.0 << 2.0 << true;
    QTest::newRow("diy m1 other") << "diy"
                                  << "K" << k_s << 1 << V{100, 400} << 1 << 400.0 << 0.4 << false;

    // Solution: 50 g in 1000 ml of water, so 50 mg of compound per ml.
    QTest::newRow("diy_sol m0 target")
        << "diy_sol"
        << "K" << k_s << 0 << V{100, 1000, 50000, 2} << 0 << 8.0 << 2.0 << true;
    QTest::newRow("diy_sol m0 other")
        << "diy_sol"
        << "K" << k_s << 0 << V{100, 1000, 50000, 2} << 1 << 8.0 << 0.4 << false;
    QTest::newRow("diy_sol m1 target")
        << "diy_sol"
        << "K" << k_s << 1 << V{100, 1000, 50000, 8} << 0 << 8.0 << 2.0 << true;
    QTest::newRow("diy_sol m1 other")
        << "diy_sol"
        << "K" << k_s << 1 << V{100, 1000, 50000, 8} << 1 << 8.0 << 0.4 << false;
    QTest::newRow("diy_sol m0 double quantity halves dose")
        << "diy_sol"
        << "K" << k_s << 0 << V{100, 1000, 100000, 2} << 0 << 4.0 << 2.0 << true;
    QTest::newRow("diy_sol m0 half water halves dose")
        << "diy_sol"
        << "K" << k_s << 0 << V{100, 500, 50000, 2} << 1 << 4.0 << 0.4 << false;
    QTest::newRow("diy_sol m1 double quantity doubles concentration")
        << "diy_sol"
        << "K" << k_s << 1 << V{100, 1000, 100000, 8} << 1 << 8.0 << 0.8 << false;

    // No usable reference element: the arithmetic runs as written, IEEE rules.
    QTest::newRow("premix m0 no target")
        << "premix"
        << "" << fe_k << 0 << V{100, 0.1} << 0 << plus_inf << plus_inf << false;
    QTest::newRow("premix m0 target names no element")
        << "premix"
        << "Mg" << fe_k << 0 << V{100, 0.1} << 1 << plus_inf << plus_inf << false;
    QTest::newRow("premix m0 zero target and zero input")
        << "premix"
        << "Fe"
        << "Fe=0,K=5" << 0 << V{100, 0} << 0 << not_a_number << not_a_number << true;
    QTest::newRow("diy m0 zero element times infinite dose")
        << "diy"
        << "Mg"
        << "Fe=0" << 0 << V{100, 2} << 0 << plus_inf << not_a_number << false;
    QTest::newRow("diy_sol m0 no target")
        << "diy_sol"
        << "" << k_s << 0 << V{100, 1000, 50000, 2} << 0 << plus_inf << plus_inf << false;
    QTest::newRow("diy_sol m1 no target")
        << "diy_sol"
        << "" << k_s << 1 << V{100, 1000, 50000, 8} << 1 << 8.0 << 0.4 << false;

    // Element indices that name no element: concentration 0, name counts as empty.
    QTest::newRow("premix element -1 with target")
        << "premix"
        << "Fe" << fe_k << 1 << V{100, 20} << -1 << 20.0 << 0.0 << false;
    QTest::newRow("premix element -1 without target")
        << "premix"
        << "" << fe_k << 1 << V{100, 20} << -1 << 20.0 << 0.0 << true;
    QTest::newRow("premix element -1 with infinite dose")
        << "premix"
        << "" << fe_k << 0 << V{100, 20} << -1 << plus_inf << 0.0 << true;
    QTest::newRow("premix element beyond the last")
        << "premix"
        << "Fe" << fe_k << 1 << V{100, 20} << 2 << 20.0 << 0.0 << false;
    QTest::newRow("diy element -5") << "diy"
                                    << "K" << k_s << 1 << V{100, 20} << -5 << 20.0 << 0.0 << false;
    QTest::newRow("diy_sol element beyond the last")
        << "diy_sol"
        << "" << k_s << 1 << V{100, 1000, 50000, 8} << 2 << 8.0 << 0.0 << true;
}

void TestDosing::calculate()
{
    QFETCH(QString, kind);
    QFETCH(QString, target);
    QFETCH(QString, elements);
    QFETCH(int, method);
    QFETCH(QVector<double>, values);
    QFETCH(int, element);
    QFETCH(double, dose);
    QFETCH(double, concentration);
    QFETCH(bool, remembered);

    const auto fert = make_fert(kind);
    add_entry(fert.get(), QStringLiteral("other"), QStringLiteral("N"), QStringLiteral("N=1"));
    add_entry(fert.get(), QStringLiteral("entry"), target, elements);

    const Calc_Result result = ::calculate(fert.get(), method, 1, element, values);
    QCOMPARE(result.dose, dose);
    QCOMPARE(result.concentration, concentration);

    const Stored pair = stored(fert.get());
    QCOMPARE(pair.dose, remembered ? dose : 0.0);
    QCOMPARE(pair.conc, remembered ? concentration : 0.0);
}

void TestDosing::failed_precondition_changes_nothing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("null_values");

    QTest::newRow("premix one value") << "premix" << 0 << 8 << false;
    QTest::newRow("premix no value") << "premix" << 0 << 0 << false;
    QTest::newRow("diy one value") << "diy" << 0 << 8 << false;
    QTest::newRow("diy_sol two values") << "diy_sol" << 0 << 16 << false;
    QTest::newRow("diy_sol three values") << "diy_sol" << 0 << 24 << false;
    QTest::newRow("premix index at count") << "premix" << 1 << 16 << false;
    QTest::newRow("premix index -1") << "premix" << -1 << 16 << false;
    QTest::newRow("diy index far beyond") << "diy" << 99 << 16 << false;
    QTest::newRow("diy_sol index -1") << "diy_sol" << -1 << 32 << false;
    QTest::newRow("premix null values") << "premix" << 0 << 16 << true;
    QTest::newRow("diy_sol null values") << "diy_sol" << 0 << 32 << true;
}

void TestDosing::failed_precondition_changes_nothing()
{
    QFETCH(QString, kind);
    QFETCH(int, index);
    QFETCH(int, size);
    QFETCH(bool, null_values);

    const auto fert = make_fert(kind);
    add_entry(fert.get(), QStringLiteral("entry"), QStringLiteral("K"),
              QStringLiteral("K=0.5,S=0.1"));
    // Remember a known pair first: method 1, 30 units into 100 l.
    const QVector<double> good = kind == QLatin1String("diy_sol") ? QVector<double>{100, 10, 20, 30}
                                                                  : QVector<double>{100, 30};
    ::calculate(fert.get(), 1, 0, 0, good);
    const Stored before = stored(fert.get());
    QCOMPARE(before.dose, 30.0);

    const QVector<double> values{100, 1000, 50000, 2};
    const Calc_Result result = fert->calculate(0, index, 0, null_values ? nullptr : values.data(),
                                               static_cast<unsigned>(size));
    QCOMPARE(result.dose, 0.0);
    QCOMPARE(result.concentration, 0.0);
    const Stored after = stored(fert.get());
    QCOMPARE(after.dose, before.dose);
    QCOMPARE(after.conc, before.conc);
}

void TestDosing::stored_pair_follows_last_target_calculation()
{
    Diy_Fertilizer fert;
    add_entry(&fert, QStringLiteral("A"), QStringLiteral("K"), QStringLiteral("K=0.5,S=0.1"));
    add_entry(&fert, QStringLiteral("B"), QStringLiteral("Fe"), QStringLiteral("Fe=0.1"));

    ::calculate(&fert, 0, 0, 0, {100, 2});
    QCOMPARE(fert.get_result_dose(), 400.0);
    // Another element of the same entry leaves the pair alone.
    ::calculate(&fert, 0, 0, 1, {100, 5});
    QCOMPARE(fert.get_result_dose(), 400.0);
    ::calculate(&fert, 0, 1, 0, {10, 1});
    QCOMPARE(fert.get_result_dose(), 100.0);
    QCOMPARE(fert.get_result_conc(), 1.0);
}

void TestDosing::range_message_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("target");
    QTest::addColumn<double>("bottom");
    QTest::addColumn<double>("top");
    QTest::addColumn<QString>("message");

    const char *wanted_fe =
        HEAD "Необходимая концентрация элемента " G "Fe</span> должна находиться в диапазоне <br>" G
             "от 0.01 до 1000   мг/л</span><br> включительно" TAIL;
    QTest::newRow("premix m0") << "premix" << 0 << "Fe" << 0.01 << 1000.0 << wanted_fe;
    QTest::newRow("premix m2 reads as 0") << "premix" << 2 << "Fe" << 0.01 << 1000.0 << wanted_fe;
    QTest::newRow("premix m-1 reads as 0") << "premix" << -1 << "Fe" << 0.01 << 1000.0 << wanted_fe;
    QTest::newRow("diy m0") << "diy" << 0 << "Fe" << 0.01 << 1000.0 << wanted_fe;
    QTest::newRow("diy_sol m0") << "diy_sol" << 0 << "Fe" << 0.01 << 1000.0 << wanted_fe;

    QTest::newRow("premix m1") << "premix" << 1 << "Fe" << 0.01 << 1000.0
                               << HEAD "Дозировка УДО должна находиться в диапазоне <br>" G
                                       "от 0.01 до 1000   мл</span><br> включительно" TAIL;
    QTest::newRow("diy m1") << "diy" << 1 << "Fe" << 0.01 << 1000.0
                            << HEAD "Дозировка вещества должна находиться в диапазоне <br>" G
                                    "от 0.01 до 1000   мг</span><br> включительно" TAIL;
    QTest::newRow("diy_sol m1") << "diy_sol" << 1 << "Fe" << 0.01 << 1000.0
                                << HEAD
        "Дозировка водного раствора вещества должна находиться в диапазоне <br>" G
        "от 0.01 до 1000   мл</span><br> включительно" TAIL;

    QTest::newRow("bounds formatted") << "diy" << 0 << "K" << 0.5 << 12.3456789
                                      << HEAD
        "Необходимая концентрация элемента " G "K</span> должна находиться в диапазоне <br>" G
        "от 0.5 до 12.3457   мг/л</span><br> включительно" TAIL;
    QTest::newRow("empty target") << "premix" << 0 << "" << 0.01 << 1000.0
                                  << HEAD "Необходимая концентрация элемента " G
                                          "</span> должна находиться в диапазоне <br>" G
                                          "от 0.01 до 1000   мг/л</span><br> включительно" TAIL;
}

void TestDosing::range_message()
{
    QFETCH(QString, kind);
    QFETCH(int, method);
    QFETCH(QString, target);
    QFETCH(double, bottom);
    QFETCH(double, top);
    QFETCH(QString, message);
    QCOMPARE(make_fert(kind)->range_message(method, target, bottom, top), message);
}

void TestDosing::result_message_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("method");
    // Empty: no calculation before the message.
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("message");

    using V = QVector<double>;
    // premix: entry "Flourish" with Fe 1, K 5 mg/ml, target Fe;
    // diy and diy_sol: entry "K2SO4" with K 0.5, S 0.1, target K.
    QTest::newRow("premix m0") << "premix" << 0 << V{100, 0.1} << 0
                               << HEAD " Для достижения недельной концентрации " G
                                       "Fe</span> равной<br>0.1 мг/л необходимо вносить <br>" B
                                       "10 мл</span><br> УДО в неделю" TAIL;
    QTest::newRow("premix m1") << "premix" << 1 << V{100, 20} << 0
                               << HEAD " При недельном внесении 20 мл УДО <br> концентрация " G
                                       "Fe</span> станет равной<br>" B "0.2 мг/л </span>" TAIL;
    QTest::newRow("premix m1 large dose")
        << "premix" << 1 << V{100, 1.5e6} << 0
        << HEAD " При недельном внесении 1.5e+06 мл УДО <br> концентрация " G
                "Fe</span> станет равной<br>" B "15000 мг/л </span>" TAIL;
    QTest::newRow("premix m1 small concentration")
        << "premix" << 1 << V{100, 0.001} << 0
        << HEAD " При недельном внесении 0.001 мл УДО <br> концентрация " G
                "Fe</span> станет равной<br>" B "1e-05 мг/л </span>" TAIL;
    QTest::newRow("premix m1 six digits")
        << "premix" << 1 << V{100, 12.3456789} << 0
        << HEAD " При недельном внесении 12.3457 мл УДО <br> концентрация " G
                "Fe</span> станет равной<br>" B "0.123457 мг/л </span>" TAIL;
    QTest::newRow("premix m0 index beyond catalogue") << "premix" << 0 << V{100, 0.1} << 1
                                                      << HEAD
        " Для достижения недельной концентрации " G
        "</span> равной<br>0.1 мг/л необходимо вносить <br>" B "10 мл</span><br> УДО в неделю" TAIL;

    QTest::newRow("diy m0") << "diy" << 0 << V{100, 2} << 0
                            << HEAD "Для достижения недельной концентрации " G
                                    "K</span> равной<br>2 мг/л необходимо вносить <br>" B
                                    "400 мг</span><br>K2SO4 в неделю" TAIL;
    QTest::newRow("diy m1") << "diy" << 1 << V{100, 400} << 0
                            << HEAD " При недельном внесении 400 мг K2SO4<br>концентрация " G
                                    "K</span> станет равна<br>" B "2 мг/л </span>" TAIL;
    QTest::newRow("diy m5 reads as 1")
        << "diy" << 5 << V{100, 400} << 0
        << HEAD " При недельном внесении 400 мг K2SO4<br>концентрация " G
                "K</span> станет равна<br>" B "2 мг/л </span>" TAIL;
    QTest::newRow("diy m1 index beyond catalogue")
        << "diy" << 1 << V{100, 400} << 3
        << HEAD " При недельном внесении 400 мг <br>концентрация " G "</span> станет равна<br>" B
                "2 мг/л </span>" TAIL;

    QTest::newRow("diy_sol m0") << "diy_sol" << 0 << V{100, 1000, 50000, 2} << 0
                                << HEAD "Для достижения недельной концентрации " G
                                        "K</span> равной<br>2 мг/л необходимо вносить <br>" B
                                        "8 мл</span><br> водного раствора K2SO4 в неделю" TAIL;
    QTest::newRow("diy_sol m1") << "diy_sol" << 1 << V{100, 1000, 50000, 8} << 0
                                << HEAD
        "При недельном внесении 8 мл водного раствора K2SO4<br>концентрация " G
        "K</span> станет равна<br>" B "2 мг/л </span>" TAIL;
    QTest::newRow("diy_sol m0 index beyond catalogue")
        << "diy_sol" << 0 << V{100, 1000, 50000, 2} << 1
        << HEAD "Для достижения недельной концентрации " G
                "</span> равной<br>2 мг/л необходимо вносить <br>" B
                "8 мл</span><br> водного раствора  в неделю" TAIL;
    QTest::newRow("diy_sol before any calculation")
        << "diy_sol" << 0 << V{} << 0
        << HEAD "Для достижения недельной концентрации " G
                "K</span> равной<br>0 мг/л необходимо вносить <br>" B
                "0 мл</span><br> водного раствора K2SO4 в неделю" TAIL;
}

void TestDosing::result_message()
{
    QFETCH(QString, kind);
    QFETCH(int, method);
    QFETCH(QVector<double>, values);
    QFETCH(int, index);
    QFETCH(QString, message);

    const auto fert = make_fert(kind);
    if (kind == QLatin1String("premix"))
        add_entry(fert.get(), QStringLiteral("Flourish"), QStringLiteral("Fe"),
                  QStringLiteral("Fe=1,K=5"));
    else
        add_entry(fert.get(), QStringLiteral("K2SO4"), QStringLiteral("K"),
                  QStringLiteral("K=0.5,S=0.1"));
    if (!values.isEmpty())
        ::calculate(fert.get(), method, 0, 0, values);
    QCOMPARE(fert->result_message(method, index), message);
}

void TestDosing::catalogue_texts_are_escaped_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("method");
    QTest::addColumn<bool>("names_entry");

    QTest::newRow("premix m0") << "premix" << 0 << false;
    QTest::newRow("premix m1") << "premix" << 1 << false;
    QTest::newRow("diy m0") << "diy" << 0 << true;
    QTest::newRow("diy m1") << "diy" << 1 << true;
    QTest::newRow("diy_sol m0") << "diy_sol" << 0 << true;
    QTest::newRow("diy_sol m1") << "diy_sol" << 1 << true;
}

void TestDosing::catalogue_texts_are_escaped()
{
    QFETCH(QString, kind);
    QFETCH(int, method);
    QFETCH(bool, names_entry);

    const auto fert = make_fert(kind);
    add_entry(fert.get(), QStringLiteral("A<b>&"), QStringLiteral("<i>"),
              QStringLiteral("<i>=0.5"));
    ::calculate(fert.get(), 1, 0, 0, {100, 1000, 50000, 8});

    const QString message = fert->result_message(method, 0);
    QVERIFY2(message.contains(QLatin1String(G "&lt;i&gt;</span>")), qPrintable(message));
    QCOMPARE(message.contains(QLatin1String("A&lt;b&gt;&amp;")), names_entry);
    QVERIFY(!message.contains(QLatin1String("<b>")));
    QVERIFY(!message.contains(QLatin1String("<i>")));

    const QString range = fert->range_message(0, QStringLiteral("<i>"), 0.01, 1000);
    QVERIFY2(range.contains(QLatin1String(G "&lt;i&gt;</span>")), qPrintable(range));
}

void TestDosing::build_up_data()
{
    QTest::addColumn<double>("weekly");
    QTest::addColumn<int>("change"); // % of the water a week
    QTest::addColumn<int>("doses");
    QTest::addColumn<double>("level");
    QTest::addColumn<double>("limit");

    // Worked out apart: w (1 − (1 − f)^n) ÷ f and w ÷ f.
    QTest::newRow("before the first dose") << 10.0 << 50 << 0 << 0.0 << 20.0;
    QTest::newRow("the first dose") << 10.0 << 50 << 1 << 10.0 << 20.0;
    QTest::newRow("three weeks at 30 %") << 10.0 << 30 << 3 << 21.9 << 33.333333333333336;
    QTest::newRow("a year nearly at the limit") << 10.0 << 50 << 52 << 19.999999999999996 << 20.0;
    QTest::newRow("all the water: the dose each week") << 10.0 << 100 << 5 << 10.0 << 10.0;
    QTest::newRow("1 % a week builds up for long")
        << 10.0 << 1 << 12 << 113.61512828387077 << 1000.0;
}

void TestDosing::build_up()
{
    QFETCH(double, weekly);
    QFETCH(int, change);
    QFETCH(int, doses);
    QFETCH(double, level);
    QFETCH(double, limit);

    const double f = change / 100.0;
    QVERIFY(std::abs(build_up::level_after(weekly, f, doses) - level) <= 1e-12 * limit);
    QVERIFY(std::abs(build_up::limit(weekly, f) - limit) <= 1e-12 * limit);
}

void TestDosing::weeks_word_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("word");

    for (const int count : {1, 21, 51})
        QTest::addRow("%d", count) << count << QString::number(count) + " неделю";
    for (const int count : {2, 4, 22, 52})
        QTest::addRow("%d", count) << count << QString::number(count) + " недели";
    for (const int count : {5, 11, 12, 14, 20, 111})
        QTest::addRow("%d", count) << count << QString::number(count) + " недель";
}

void TestDosing::weeks_word()
{
    QFETCH(int, count);
    QFETCH(QString, word);
    QCOMPARE(build_up::weeks(count), word);
}

void TestDosing::compound_at_bounds()
{
    Premix_Fertilizer fert;
    QCOMPARE(fert.count_compounds(), 0);
    QVERIFY(!fert.compound_at(0));
    QVERIFY(!fert.compound_at(-1));

    auto *first = new Compound(QStringLiteral("a"), QStringLiteral("a"));
    auto *second = new Compound(QStringLiteral("a"), QStringLiteral("a"));
    fert.add_compound(first);
    fert.add_compound(nullptr);
    fert.add_compound(second);
    QCOMPARE(fert.count_compounds(), 2);
    QCOMPARE(fert.compound_at(0), first);
    QCOMPARE(fert.compound_at(1), second);
    QVERIFY(!fert.compound_at(fert.count_compounds()));
    QVERIFY(!fert.compound_at(-1));
}

QTEST_GUILESS_MAIN(TestDosing)
#include "tst_dosing.moc"
