// SPDX-License-Identifier: GPL-3.0-or-later

// The dosing plan without its window: the band the levels settle in, against
// its closed form and against a plain day-by-day run, and the file the plans
// are kept in, with what happens when it cannot be read or written.

#include "base/language.h"
#include "base/number_text.h"
#include "dosing/build_up.h"
#include "plan/dosing_plan.h"
#include "plan/plan_book.h"
#include "plan/plan_store.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <numeric>

#ifdef Q_OS_UNIX
#include "as_nobody.h"
#endif

Q_DECLARE_METATYPE(QVector<double>)

namespace {

plan_levels::Input input(double _water, const QVector<double> &_daily)
{
    plan_levels::Input made;
    made.water = _water;
    for (int day = 0; day < 7; ++day)
        made.daily[day] = _daily.value(day);
    return made;
}

// The lowest and highest level over the last cycle of a long run, day by day,
// as the model says in words.
plan_levels::Band run_days(const plan_levels::Input &_input, const plan_levels::Regime &_regime)
{
    const int cycle = std::lcm(_regime.every, 7);
    const int cycles = 400;
    double level = _input.water;
    plan_levels::Band band{INFINITY, -INFINITY, true};
    for (int day = 0; day < cycles * cycle; ++day) {
        const bool last = day >= (cycles - 1) * cycle;
        if (day > 0 && day % _regime.every == 0) {
            if (last)
                band.high = std::max(band.high, level);
            level = (1 - _regime.fraction) * level + _regime.fraction * _input.water;
            if (last)
                band.low = std::min(band.low, level);
        }
        level += _input.daily[(_regime.first_day + day) % 7];
    }
    band.high = std::max(band.high, level);
    return band;
}

// A plans file that uses every member the program writes, and some it does not know.
const char *const full_file = R"({
  "version": 1,
  "written_by": "a later Rovalin",
  "plans": [{
    "name": "Креветочник",
    "tank_l": 60,
    "water_change": {"percent": 30, "every_days": 14, "first_day": 7, "at": "evening"},
    "weeks": 20,
    "new_water": [{"key": "Ca", "mg_per_l": 12.5, "from": "report 2026"}, {"key": "NO3", "mg_per_l": 0}],
    "items": [
      {"kind": "diy_sol", "name": "KNO3", "grams": 50, "water_ml": 500, "weekly_dose": 12.25,
       "days": [1, 4], "note": "blue bottle"},
      {"kind": "premix", "name": "Gone", "weekly_dose": 5, "days": []}
    ],
    "chart": ["K"],
    "method": "PMDD",
    "livestock": "Креветки",
    "colour": "#123456"
  }]
})";

} // namespace

class TestPlan : public QObject
{
    Q_OBJECT

private slots:
    void steady_band_data();
    void steady_band();
    void store_data();
    void store();
    void language_data();
    void language();
    void typed_number_data();
    void typed_number();
    void figure_data();
    void figure();
};

void TestPlan::steady_band_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("every");
    QTest::addColumn<int>("first_day");
    QTest::addColumn<double>("water");
    QTest::addColumn<QVector<double>>("daily"); // mg/l added, Monday first
    // The closed form; NaN: the band of a day-by-day run instead.
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<bool>("bounded");

    // A weekly amount A, a 7-day interval and the new water W: from
    // W + A(1 − f)/f to W + A/f, whatever the days.
    QTest::newRow("7 days, 50 %, A on the change day")
        << 50 << 7 << 5 << 0.0 << QVector<double>{0, 0, 0, 0, 0, 2, 0} << 2.0 << 4.0 << true;
    QTest::newRow("7 days, 30 %, new water, A on a later day")
        << 30 << 7 << 5 << 1.0 << QVector<double>{3, 0, 0, 0, 0, 0, 0} << 8.0 << 11.0 << true;
    QTest::newRow("7 days, 50 %, doses on three days")
        << 50 << 7 << 5 << 0.5 << QVector<double>{1, 0, 1, 0, 1, 0, 0} << 3.5 << 6.5 << true;
    // Two weeks' amounts between changes.
    QTest::newRow("14 days, 50 %")
        << 50 << 14 << 5 << 0.0 << QVector<double>{0, 0, 0, 0, 0, 2, 0} << 4.0 << 8.0 << true;
    // A published peak: 5.9 a day, half the water every second day, 23.6.
    QTest::newRow("every second day, 50 %, dosed daily")
        << 50 << 2 << 0 << 0.0 << QVector<double>(7, 5.9) << 11.8 << 23.6 << true;
    QTest::newRow("all the water: W to W + A")
        << 100 << 7 << 0 << 2.0 << QVector<double>{1, 1, 1, 0, 0, 0, 0} << 2.0 << 5.0 << true;
    QTest::newRow("new water only")
        << 50 << 7 << 3 << 3.0 << QVector<double>(7, 0.0) << 3.0 << 3.0 << true;
    QTest::newRow("no changes, dosed: no limit")
        << 0 << 7 << 5 << 1.0 << QVector<double>{0, 0, 0, 0, 0, 2, 0} << 0.0 << 0.0 << false;
    QTest::newRow("no changes, nothing dosed: the new water stays")
        << 0 << 7 << 5 << 1.5 << QVector<double>(7, 0.0) << 1.5 << 1.5 << true;
    // A cycle of 70 days and seven changes that fall on other weekdays each time.
    QTest::newRow("10 days, 40 %, against a day-by-day run")
        << 40 << 10 << 2 << 0.3 << QVector<double>{1, 0, 0.5, 0, 2, 0, 0} << double(NAN)
        << double(NAN) << true;
}

void TestPlan::steady_band()
{
    QFETCH(int, percent);
    QFETCH(int, every);
    QFETCH(int, first_day);
    QFETCH(double, water);
    QFETCH(QVector<double>, daily);
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(bool, bounded);

    const plan_levels::Regime regime{percent / 100.0, every, first_day};
    const plan_levels::Input levels = input(water, daily);
    const plan_levels::Band band = plan_levels::steady_band(levels, regime);
    QCOMPARE(band.bounded, bounded);
    if (!bounded)
        return;
    if (std::isnan(low)) {
        const plan_levels::Band run = run_days(levels, regime);
        low = run.low;
        high = run.high;
    }
    QVERIFY2(std::abs(band.low - low) < 1e-9 && std::abs(band.high - high) < 1e-9,
             qPrintable(QStringLiteral("%1 – %2, expected %3 – %4")
                            .arg(band.low, 0, 'g', 12)
                            .arg(band.high, 0, 'g', 12)
                            .arg(low, 0, 'g', 12)
                            .arg(high, 0, 'g', 12)));

    // The highest level is right before a change, and the doses as they are
    // are exactly what keeps it at that level as a ceiling.
    const QVector<double> peaks = plan_levels::peaks(levels, regime);
    QCOMPARE(peaks.isEmpty(), percent == 0);
    QVERIFY(peaks.isEmpty() ||
            std::abs(*std::max_element(peaks.begin(), peaks.end()) - band.high) < 1e-9);
    const plan_levels::Input water_only = input(water, {});
    const plan_levels::Input doses = input(0, daily);
    if (doses.weekly() > 0)
        QVERIFY(std::abs(plan_levels::largest_share(water_only, doses, regime, band.high) - 1) <
                1e-9);

    // The course day by day is the same run: it starts at the new water and
    // stays within the band once the cycle repeats.
    const int days = 7 * 52;
    const QVector<QPointF> course = plan_levels::course(levels, regime, days);
    QCOMPARE(course.first(), QPointF(0, water));
    QCOMPARE(course.last().x(), double(days));
    for (const QPointF &point : course)
        QVERIFY(point.y() <= band.high + 1e-9);

    // One weekly amount on the change day, without new water, is what the
    // build-up window shows: after the n-th dose w (1 − (1 − f)^n) ÷ f.
    const double weekly = levels.weekly();
    if (every != 7 || water != 0 || daily.count(0.0) != 6 || daily.value(first_day) == 0)
        return;
    for (int week = 1; week <= 52; ++week) {
        const auto after_dose = std::find_if(course.begin(), course.end(), [&](const QPointF &_p) {
            return _p.x() == 7 * (week - 1) + 1;
        });
        QVERIFY(after_dose != course.end());
        QVERIFY(std::abs(after_dose->y() - build_up::level_after(weekly, regime.fraction, week)) <
                1e-9);
    }
    QVERIFY(std::abs(band.high - build_up::limit(weekly, regime.fraction)) < 1e-9);
}

void TestPlan::store_data()
{
    QTest::addColumn<QByteArray>("file"); // null: no file yet
    // "": nothing else; "locked": another program holds the lock; "read-only":
    // the folder may not be written; "save fails": the file cannot be replaced.
    QTest::addColumn<QString>("setting");
    QTest::addColumn<int>("plans");
    QTest::addColumn<bool>("read_only");
    QTest::addColumn<QString>("message"); // a regular expression; empty: no message
    QTest::addColumn<bool>("moved_aside");

    QTest::newRow("no file yet") << QByteArray() << "" << 0 << false << "" << false;
    QTest::newRow("round trip, unknown members kept")
        << QByteArray(full_file) << "" << 1 << false << "" << false;
    // As an earlier version let them be typed: read, counted for nothing,
    // and written back as they were until the user corrects them.
    QTest::newRow("a dose and new water beyond the limits, kept as they are")
        << QByteArray(full_file)
               .replace("\"weekly_dose\": 12.25", "\"weekly_dose\": 1e308")
               .replace("\"mg_per_l\": 12.5", "\"mg_per_l\": 20000")
        << "" << 1 << false << "" << false;
    // Keys with raw NUL bytes, which Qt sorts otherwise once written escaped.
    QTest::newRow("unknown members with NULs in their keys, written the same twice")
        << QByteArray(full_file).replace("\"tank_l\"",
                                         QByteArray("\"\0\0]\": 0, \"\0e\": {}, \"tank_l\"", 28))
        << "" << 1 << false << "" << false;
    QTest::newRow("not JSON: moved aside")
        << QByteArray("{\"version\": 1,\n \"plans\": [}") << "" << 0 << false
        << "^Файл планов не читается \\(это не JSON: 2:12: .+\\)\\. Он перенесён как есть в "
           ".*plans\\.json\\.unreadable-\\d{8}-\\d{6}, планы начаты заново\\.$"
        << true;
    QTest::newRow("another version: moved aside")
        << QByteArray(R"({"version": 2, "plans": []})") << "" << 0 << false
        << "\\(версия файла 2, а эта программа читает версию 1\\)" << true;
    QTest::newRow("a member of the wrong kind: moved aside")
        << QByteArray(full_file).replace("\"tank_l\": 60", "\"tank_l\": \"60\"") << "" << 0 << false
        << "\\(plans\\[0\\]\\.tank_l: должно быть целое число от 1 до 10000\\)" << true;
    QTest::newRow("an item's days out of range: moved aside")
        << QByteArray(full_file).replace("[1, 4]", "[1, 8]") << "" << 0 << false
        << "\\(plans\\[0\\]\\.items\\[0\\]\\.days: дни недели — числа от 1 до 7\\)" << true;
    QTest::newRow("a second running program: read-only")
        << QByteArray(full_file) << "locked" << 1 << true
        << "^Планы открыты в другой запущенной копии Ровалина" << false;
    QTest::newRow("unreadable, and held by another program: left alone")
        << QByteArray("[") << "locked" << 0 << true
        << "другой запущенной копии.* Файл .*plans\\.json не читается \\(это не JSON" << false;
#ifdef Q_OS_UNIX
    QTest::newRow("a folder that cannot be written: read-only")
        << QByteArray(full_file) << "read-only" << 1 << true << "^В папку .* нельзя записать"
        << false;
    QTest::newRow("unreadable in a folder that cannot be written: left alone")
        << QByteArray("nonsense") << "read-only" << 0 << true
        << "нельзя записать.* Файл .*plans\\.json не читается \\(это не JSON: 1:1:" << false;
#endif
    QTest::newRow("a save that fails keeps the change")
        << QByteArray() << "save fails" << 1 << false
        << "^Не удалось сохранить планы в .*plans\\.json: .+\\. Изменения остались в окне\\.$"
        << false;
}

void TestPlan::store()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, setting);
    QFETCH(int, plans);
    QFETCH(bool, read_only);
    QFETCH(QString, message);
    QFETCH(bool, moved_aside);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.filePath(QStringLiteral("rovalin"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/plans.json");
    if (!file.isNull()) {
        QFile written(path);
        QVERIFY(written.open(QIODevice::WriteOnly));
        QCOMPARE(written.write(file), qint64(file.size()));
    }
    QLockFile other(path + QStringLiteral(".lock"));
    if (setting == QLatin1String("locked"))
        QVERIFY(other.tryLock(0));

    // What the store made of the file, a line a fact.
    const auto open = [&] {
        Plan_Book book({}, folder);
        book.open();
        if (setting == QLatin1String("save fails")) {
            // Where the file should go, a folder: nothing replaces it.
            QDir(folder).mkdir(QStringLiteral("plans.json"));
            book.add_plan(QStringLiteral("Новый"), 40);
        }
        return (QString::number(book.plans().size()) + QLatin1Char('\n') +
                (book.read_only() ? "read-only" : "writable") + QLatin1Char('\n') + book.status())
            .toUtf8();
    };
    QByteArray said;
    if (setting == QLatin1String("read-only")) {
#ifdef Q_OS_UNIX
        const auto readable = QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                              QFileDevice::ReadOther | QFileDevice::ExeOther;
        QVERIFY(QFile::setPermissions(dir.path(), readable));
        QVERIFY(QFile::setPermissions(folder, readable));
        if (::geteuid() == 0) {
            bool ok = false;
            said = as_nobody(open, &ok);
            QVERIFY2(ok, said.constData());
        } else {
            said = open();
        }
        QVERIFY(QFile::setPermissions(folder, readable | QFileDevice::WriteOwner));
        QVERIFY(QFile::setPermissions(dir.path(), readable | QFileDevice::WriteOwner));
#endif
    } else {
        said = open();
    }
    const QStringList facts = QString::fromUtf8(said).split(QLatin1Char('\n'));
    QCOMPARE(facts.value(0).toInt(), plans);
    QCOMPARE(facts.value(1) == QLatin1String("read-only"), read_only);
    const QString status = facts.mid(2).join(QLatin1Char('\n'));
    if (message.isEmpty())
        QCOMPARE(status, QString());
    else
        QVERIFY2(QRegularExpression(message).match(status).hasMatch(), qPrintable(status));

    // A file that cannot be read keeps its bytes, aside or where it was.
    const QStringList aside = QDir(folder).entryList({QStringLiteral("plans.json.unreadable-*")});
    QCOMPARE(aside.size(), moved_aside ? 1 : 0);
    if (!file.isNull() && setting != QLatin1String("save fails")) {
        QFile kept(moved_aside ? folder + QLatin1Char('/') + aside.first() : path);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), file);
    }
    if (moved_aside)
        QVERIFY(!QFileInfo::exists(path));

    // Written back, the plans are the file: what this version does not know
    // included, an item no catalogue has unchanged.
    if (plans > 0 && !read_only && setting.isEmpty()) {
        Plan_Store store(folder);
        const QVector<Dosing_Plan> read = store.open();
        QVERIFY(store.save(read));
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray once = written.readAll();
        // As maps, since Qt orders keys with raw NULs otherwise once escaped.
        QCOMPARE(QJsonDocument::fromJson(once).toVariant(),
                 QJsonDocument::fromJson(file).toVariant());
        // Read and saved again, it does not change.
        written.close();
        QVERIFY(store.save(store.open()));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), once);
    }
}

QTEST_GUILESS_MAIN(TestPlan)
void TestPlan::language_data()
{
    QTest::addColumn<QString>("system");  // the system's locale
    QTest::addColumn<QByteArray>("file"); // rovalin.ini; none where empty
    QTest::addColumn<int>("chosen");      // Language::Code
    QTest::addColumn<QString>("problem"); // a regular expression; none where empty

    const int ru = Language::russian, en = Language::english;
    QTest::newRow("the C locale: Russian") << "C" << QByteArray() << ru << "";
    QTest::newRow("a Russian system") << "ru_RU" << QByteArray() << ru << "";
    QTest::newRow("an English system") << "en_US" << QByteArray() << en << "";
    QTest::newRow("any other: English") << "de_DE" << QByteArray() << en << "";
    QTest::newRow("the choice kept over the system's")
        << "ru_RU" << QByteArray("[General]\nlanguage=en\n") << en << "";
    QTest::newRow("a language this version does not know")
        << "ru_RU" << QByteArray("[General]\nlanguage=fr\n") << ru << "";
    QTest::newRow("a file that cannot be read, moved aside")
        << "en_US" << QByteArray("\x01\xff[[[\n=\n") << en
        << "^Файл настроек .*rovalin\\.ini не читается\\. Он перенесён как есть в "
           ".*rovalin\\.ini\\.unreadable-\\d{8}-\\d{6}, настройки начаты заново\\.$";
}

// The choice of language as the program keeps it, in a configuration folder
// of the test's own.
void TestPlan::language()
{
    QFETCH(QString, system);
    QFETCH(QByteArray, file);
    QFETCH(int, chosen);
    QFETCH(QString, problem);

    QTemporaryDir home;
    QVERIFY(home.isValid());
#ifdef Q_OS_WIN
    QStandardPaths::setTestModeEnabled(true);
    const QString folder = QFileInfo(Language::settings_file()).absolutePath();
    QDir(folder).removeRecursively();
#else
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    const QString folder = QFileInfo(Language::settings_file()).absolutePath();
    QVERIFY(folder.startsWith(home.path()));
#endif
    if (!file.isEmpty()) {
        QVERIFY(QDir().mkpath(folder));
        QFile settings(Language::settings_file());
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write(file);
    }
    QString said;
    QCOMPARE(int(Language::chosen(QLocale(system), &said)), chosen);
    QVERIFY2(problem.isEmpty() ? said.isEmpty()
                               : QRegularExpression(problem).match(said).hasMatch(),
             qPrintable(said));
    // What could not be read is kept as it was, beside the new file.
    const QStringList aside =
        QDir(folder).entryList({QStringLiteral("rovalin.ini.unreadable-*")}, QDir::Files);
    QCOMPARE(aside.size(), problem.isEmpty() ? 0 : 1);
    if (!aside.isEmpty()) {
        QFile kept(folder + QLatin1Char('/') + aside.first());
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), file);
    }

    // The other language, kept for the next start.
    const auto other =
        Language::Code(chosen == Language::english ? Language::russian : Language::english);
    QVERIFY(Language::remember(other, &said));
    QCOMPARE(int(Language::chosen(QLocale(system), &said)), int(other));
    QVERIFY(said.isEmpty());
#ifdef Q_OS_UNIX
    // With no temporary folder to check the settings in (a file where it
    // should be), the choice is still read, and none is written.
    QFile settings(Language::settings_file());
    QVERIFY(settings.open(QIODevice::ReadOnly));
    const QByteArray kept = settings.readAll();
    settings.close();
    const QByteArray temporary = qgetenv("TMPDIR");
    const auto restored = qScopeGuard([&] { qputenv("TMPDIR", temporary); });
    qputenv("TMPDIR", QFile::encodeName(Language::settings_file()));
    QVERIFY(!Language::remember(Language::Code(chosen), &said));
    QVERIFY2(said.startsWith(QStringLiteral("Не удалось записать файл настроек")),
             qPrintable(said));
    QCOMPARE(int(Language::chosen(QLocale(system), &said)), int(other));
    QVERIFY(settings.open(QIODevice::ReadOnly));
    QCOMPARE(settings.readAll(), kept);
#endif
#ifdef Q_OS_WIN
    QDir(folder).removeRecursively();
#endif

    // The translation built in, put in and taken out again.
    const auto shown = [] { return QCoreApplication::translate("Plan_Window", "План внесения…"); };
    QVERIFY(Language::apply(Language::english));
    QCOMPARE(Language::current(), Language::english);
    QCOMPARE(shown(), QStringLiteral("Dosing plan…"));
    QVERIFY(Language::apply(Language::russian));
    QCOMPARE(Language::current(), Language::russian);
    QCOMPARE(shown(), QStringLiteral("План внесения…"));
}

// What the program's own windows take from a cell or a field. The run under
// de_DE, whose point groups thousands, shows that no locale changes it.
void TestPlan::typed_number_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("read");
    QTest::addColumn<double>("number");

    QTest::newRow("a point") << "2.5" << true << 2.5;
    QTest::newRow("a comma, as Russian users type it") << "0,125" << true << 0.125;
    QTest::newRow("a comma is never thousands") << "2,500" << true << 2.5;
    QTest::newRow("blanks around") << " 12 " << true << 12.0;
    QTest::newRow("a point and a comma") << "1,000.5" << false << 0.0;
    QTest::newRow("a comma and a point") << "1.000,5" << false << 0.0;
    QTest::newRow("two commas") << "1,000,000" << false << 0.0;
    QTest::newRow("two points") << "1.000.000" << false << 0.0;
    QTest::newRow("digits grouped by a blank") << "1 000" << false << 0.0;
    QTest::newRow("grouped by a no-break space") << QStringLiteral("1\u00a0000") << false << 0.0;
    QTest::newRow("nothing") << "" << false << 0.0;
    QTest::newRow("a word") << "пять" << false << 0.0;
    QTest::newRow("infinity") << "inf" << false << 0.0;
    QTest::newRow("too large for a double") << "1e400" << false << 0.0;
    QTest::newRow("not a number") << "nan" << false << 0.0;
}

void TestPlan::typed_number()
{
    QFETCH(QString, text);
    QFETCH(bool, read);
    QFETCH(double, number);

    double got = -1;
    QCOMPARE(number_text::read(text, &got), read);
    QCOMPARE(got, read ? number : -1.0);
}

void TestPlan::figure_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");

    QTest::newRow("a hundredth") << 0.037123 << "0.0371";
    QTest::newRow("units") << 7.0249 << "7.02";
    QTest::newRow("tens") << 17.74 << "17.7";
    QTest::newRow("no fewer than the whole digits") << 1733.4 << "1733";
    QTest::newRow("a large dose, never an exponent") << 99999999.0 << "99999999";
    QTest::newRow("trailing zeros dropped") << 2.5 << "2.5";
    QTest::newRow("rounded up to the next digit") << 9.9996 << "10";
    QTest::newRow("a whole number") << 60.0 << "60";
    QTest::newRow("59.9999 is what 60 reads as") << 59.9999 << "60";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("nothing a kit tells, not -0") << -1e-15 << "0";
    QTest::newRow("a tiny amount, no exponent") << 0.0000123456 << "0.0000123";
    QTest::newRow("infinite") << qInf() << "—";
    QTest::newRow("not a number") << qQNaN() << "—";
}

void TestPlan::figure()
{
    QFETCH(double, value);
    QFETCH(QString, shown);

    QCOMPARE(number_text::figure(value), shown);
}

#include "tst_plan.moc"
