// SPDX-License-Identifier: GPL-3.0-or-later

// Catalogues that nobody should write but somebody will: deep, huge, broken,
// unreadable. The window must start, show what it could read (or the empty
// placeholder), and work. Start-up times are printed for the record.

#include "window_invariants.h"

#include <QElapsedTimer>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

QByteArray entries(int _count, int _note_size = 0)
{
    const QByteArray note(_note_size, 'x');
    QByteArray text = "[";
    for (int i = 0; i < _count; ++i) {
        if (i)
            text += ",\n";
        text += "{\"name\": \"E" + QByteArray::number(i) +
                "\", \"target\": \"Fe\", \"Fe\": 0.5, \"K\": 0.25";
        if (_note_size)
            text += ", \"note\": \"" + note + '"';
        text += '}';
    }
    return text + ']';
}

// A recipe of _grams of each of _keys in _water ml.
QByteArray recipe(const QString &_name, const QStringList &_keys, const QByteArray &_grams = "1",
                  const QByteArray &_water = "500")
{
    QByteArray text = "{\"name\": \"" + _name.toUtf8() + "\", \"water_ml\": " + _water +
                      ", \"target\": \"Fe\", \"compounds\": {";
    for (int i = 0; i < _keys.size(); ++i)
        text += (i ? ", \"" : "\"") + _keys.at(i).toUtf8() + "\": " + _grams;
    return text + "}}";
}

QByteArray nested(int _depth)
{
    return "[{\"name\": \"A\", \"K\": 1, \"x\": " + QByteArray(_depth, '[') +
           QByteArray(_depth, ']') + "}]";
}

} // namespace

class TestHostileCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void window_survives_data();
    void window_survives();
    void special_files_data();
    void special_files();

private:
    // Every kind, its first and last entry, both methods, one calculation each.
    void use_the_window();

    Window_Fixture f;
};

void TestHostileCatalogues::cleanup()
{
    f.close();
}

void TestHostileCatalogues::use_the_window()
{
    Window_Fixture::type(f.ui->tank_vol, "100");
    Window_Fixture::type(f.ui->val_methods, "2");
    for (QRadioButton *kind : {f.ui->rbpremix, f.ui->rbdiy, f.ui->rbdiysol}) {
        Window_Fixture::click_radio(kind);
        for (int entry : {0, f.ui->comboBox->count() - 1}) {
            f.ui->comboBox->setCurrentIndex(entry);
            for (int method : {0, 1}) {
                f.ui->calc_methods->setCurrentIndex(method);
                f.calculate();
                const QString broken = broken_invariant(f);
                QVERIFY2(broken.isEmpty(), qPrintable(broken));
            }
        }
    }
}

void TestHostileCatalogues::window_survives_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("entries"); // 0: the placeholder
    QTest::addColumn<QString>("first");
    QTest::addColumn<QByteArray>("recipes"); // null: none
    QTest::addColumn<int>("recipe_entries");

    const QByteArray long_key(10000, 'K');
    QTest::newRow("nesting 100000 deep") << nested(100000) << 0 << "" << QByteArray() << 0;
    QTest::newRow("nesting 1000 deep") << nested(1000) << 1 << "A" << QByteArray() << 0;
    QTest::newRow("50 MB file") << entries(1000, 50 * 1024) << 1000 << "E0" << QByteArray() << 0;
    QTest::newRow("100000 entries") << entries(100000) << 100000 << "E0" << QByteArray() << 0;
    QTest::newRow("invalid UTF-8")
        << QByteArray("[{\"name\": \"A\xFF\xFE\", \"K\": 1}]") << 0 << "" << QByteArray() << 0;
    QTest::newRow("NUL byte in a name")
        << QByteArray("[{\"name\": \"A\0B\", \"K\": 1}]", 24) << 0 << "" << QByteArray() << 0;
    QTest::newRow("NUL byte between entries")
        << QByteArray("[{\"name\": \"A\"},\0{\"name\": \"B\"}]", 30) << 0 << "" << QByteArray()
        << 0;
    QTest::newRow("BOM followed by junk")
        << QByteArray("\xEF\xBB\xBF\x01junk[]") << 0 << "" << QByteArray() << 0;
    QTest::newRow("number beyond double")
        << QByteArray(R"([{"name": "Big", "target": "K", "K": 1e400}, {"name": "B", "K": 1}])") << 0
        << "" << QByteArray() << 0;
    QTest::newRow("negative zero")
        << QByteArray(R"([{"name": "Zero", "target": "K", "K": -0, "N": 1}])") << 1 << "Zero"
        << QByteArray() << 0;
    QTest::newRow("extreme magnitudes")
        << QByteArray(R"([{"name": "Huge", "target": "K", "K": 1e308, "N": 1e308},
                          {"name": "Tiny", "target": "K", "K": 5e-324, "N": 1}])")
        << 2 << "Huge" << QByteArray() << 0;
    QTest::newRow("duplicate keys")
        << QByteArray(R"([{"name": "A", "name": "B", "target": "K", "K": 1, "K": 2}])") << 1 << "B"
        << QByteArray() << 0;
    QTest::newRow("keys of 10000 characters")
        << "[{\"name\": \"" + QByteArray(10000, 'n') + "\", \"target\": \"" + long_key + "\", \"" +
               long_key + "\": 0.5, \"N\": 1}]"
        << 1 << QString(10000, QLatin1Char('n')) << QByteArray() << 0;

    // Recipes beside one product: many, and keys that are formulas no one writes.
    QByteArray many = "[";
    for (int i = 0; i < 10000; ++i)
        many += (i ? ",\n" : "") + recipe(QStringLiteral("R%1").arg(i), {"KNO3"});
    const QByteArray one = entries(1);
    QTest::newRow("recipes: 10000") << one << 1 << "E0" << many + ']' << 10000;
    QTest::newRow("recipes: a key nested 100000 deep")
        << one << 1 << "E0"
        << '[' + recipe("R", {QString(100000, '(') + 'H' + QString(100000, ')')}) + ']' << 0;
    QTest::newRow("recipes: a count of 10^100")
        << one << 1 << "E0" << '[' + recipe("R", {"H1" + QString(100, '0')}) + ']' << 0;
    QTest::newRow("recipes: a key of 100000 atoms")
        << one << 1 << "E0" << '[' + recipe("R", {QStringLiteral("Fe").repeated(100000)}) + ']'
        << 1;
    QTest::newRow("recipes: grams beyond a double")
        << one << 1 << "E0" << '[' + recipe("R", {"FeSO4"}, "1e308", "1e-300") + ']' << 0;
}

void TestHostileCatalogues::window_survives()
{
    QFETCH(QByteArray, content);
    QFETCH(int, entries);
    QFETCH(QString, first);
    QFETCH(QByteArray, recipes);
    QFETCH(int, recipe_entries);

    Catalogues catalogues;
    catalogues.products = content;
    catalogues.compounds = content;
    catalogues.recipes = recipes;
    QElapsedTimer timer;
    timer.start();
    QVERIFY(f.open(catalogues));
    qInfo("start-up with \"%s\": %lld ms", QTest::currentDataTag(), timer.elapsed());

    for (QRadioButton *kind : {f.ui->rbdiy, f.ui->rbpremix}) {
        Window_Fixture::click_radio(kind);
        if (entries == 0) {
            QCOMPARE(f.ui->comboBox->count(), 1);
            QVERIFY(f.ui->comboBox->itemText(0).endsWith(QStringLiteral(" пуст")));
        } else {
            QCOMPARE(f.ui->comboBox->count(),
                     entries + (kind == f.ui->rbpremix ? recipe_entries : 0));
            QCOMPARE(f.ui->comboBox->itemText(0), first);
        }
    }
    use_the_window();
}

void TestHostileCatalogues::special_files_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("directory") << "directory";
#ifdef Q_OS_UNIX
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("link to /dev/zero") << "device";
    QTest::newRow("dangling link") << "dangling";
    QTest::newRow("no read permission") << "unreadable";
#endif
}

void TestHostileCatalogues::special_files()
{
    QFETCH(QString, kind);

    // The compounds file is the special one; the products file is fine.
    Catalogues catalogues = test_catalogues();
    catalogues.compounds = QByteArray();
    QTemporaryDir other;
    QVERIFY(other.isValid());
    QVERIFY(f.open(catalogues)); // builds the folder; rebuilt below over the special file
    const QString path = QDir::current().absoluteFilePath("settings/compounds.json");
    f.window.reset();
    if (kind == QLatin1String("directory")) {
        QVERIFY(QDir().mkdir(path));
#ifdef Q_OS_UNIX
    } else if (kind == QLatin1String("fifo")) {
        const QByteArray native = QFile::encodeName(path);
        QCOMPARE(::mkfifo(native.constData(), 0600), 0);
    } else if (kind == QLatin1String("device")) {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    } else if (kind == QLatin1String("dangling")) {
        QVERIFY(QFile::link(other.filePath("gone.json"), path));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"([{"name": "Secret", "K": 1}])");
        file.close();
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        if (::access(QFile::encodeName(path).constData(), R_OK) == 0)
            QSKIP("permission bits do not stop this user (root); the reader's own test "
                  "checks this case as an ordinary user");
#endif
    }

    QElapsedTimer timer;
    timer.start();
    f.window = std::make_unique<MainWindow>();
    f.ui = f.window->ui;
    start_main_window(*f.window);
    qInfo("start-up with compounds.json a %s: %lld ms", qPrintable(kind), timer.elapsed());

    QCOMPARE(f.ui->comboBox->count(), 6); // the products and the recipe
    Window_Fixture::click_radio(f.ui->rbdiy);
    QCOMPARE(f.items(f.ui->comboBox), QStringList{"Список хим.веществ пуст"});
    use_the_window();
}

QTEST_MAIN(TestHostileCatalogues)
#include "tst_hostile_catalogues.moc"
