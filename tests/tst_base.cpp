// SPDX-License-Identifier: GPL-3.0-or-later

// What the libraries above stand on: the choice of language and where it is
// kept, numbers as a user types them and as the windows and messages show
// them. Run once in the C locale and once in de_DE, whose point groups
// thousands and whose comma is the decimal separator.

#include "base/language.h"
#include "base/message_text.h"
#include "base/number_text.h"

#include <QtTest>

#include <cmath>

class TestBase : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void language_data();
    void language();
    void typed_number_data();
    void typed_number();
    void figure_data();
    void figure();
    void number_format_data();
    void number_format();
};

// The default locale back to the system's, as every test starts.
void TestBase::cleanup()
{
    QLocale::setDefault(QLocale::system());
}

void TestBase::language_data()
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
void TestBase::language()
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
void TestBase::typed_number_data()
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

void TestBase::typed_number()
{
    QFETCH(QString, text);
    QFETCH(bool, read);
    QFETCH(double, number);

    double got = -1;
    QCOMPARE(number_text::read(text, &got), read);
    QCOMPARE(got, read ? number : -1.0);
}

void TestBase::figure_data()
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

void TestBase::figure()
{
    QFETCH(double, value);
    QFETCH(QString, shown);

    QCOMPARE(number_text::figure(value), shown);
}

void TestBase::number_format_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("one and a half million") << 1.5e6 << "1.5e+06";
    QTest::newRow("hundred-thousandth") << 1e-5 << "1e-05";
    QTest::newRow("six significant digits") << 12.3456789 << "12.3457";
    QTest::newRow("decimal fraction") << 0.1 << "0.1";
    QTest::newRow("whole number") << 2.0 << "2";
    QTest::newRow("rounding noise dropped") << 400.00000000000006 << "400";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("ten thousand") << 10000.0 << "10000";
    QTest::newRow("large whole number") << 1234567.0 << "1.23457e+06";
    QTest::newRow("negative") << -2.5 << "-2.5";
}

void TestBase::number_format()
{
    QFETCH(double, value);
    QFETCH(QString, text);

    // The de_DE run only means something if the system really writes commas.
    if (qgetenv("LC_ALL").startsWith("de_DE"))
        QCOMPARE(QLocale::system().decimalPoint(), QLatin1Char(','));

    QCOMPARE(message_text::number(value), text);
    // Neither the system locale (see the test's runs) nor the default one
    // changes the decimal point or adds group separators.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(message_text::number(value), text);
}

QTEST_GUILESS_MAIN(TestBase)
#include "tst_base.moc"
