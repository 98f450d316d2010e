// SPDX-License-Identifier: GPL-3.0-or-later

// Reading one catalogue file into one calculator, and recipes, and the user's
// own entries: what becomes an entry, in which order its elements come, what
// is passed over, and how the reader says so ("F" stands for the file's path
// in the expected problems).

#include "base/language.h"
#include "base/message_text.h"
#include "catalogue/catalogue_editor.h"
#include "catalogue/catalogue_reader.h"
#include "catalogue/recipe_reader.h"
#include "catalogue/user_catalogues.h"
#include "chemistry/compound.h"
#include "dosing/diy_fertilizer.h"
#include "dosing/diysol_fertilizer.h"
#include "dosing/premix_fertilizer.h"
#include "dosing/type_fertilizer.h"

#include <QtTest>

#include <cmath>

#include "library_helpers.h"

#ifdef Q_OS_UNIX
#include "as_nobody.h"

#include <sys/stat.h>
#endif

namespace {

// One line per entry: "name|title|target|key=value,key=value", then the
// solubility, the English name and the teaspoon where there are.
QString dump(const Type_Fertilizer &_fert)
{
    QStringList lines;
    for (int i = 0; i < _fert.count_compounds(); ++i) {
        const Compound *entry = _fert.compound_at(i);
        QStringList elements;
        for (int j = 0; j < entry->count_elements(); ++j) {
            const Element element = entry->element_at(j);
            elements << element.name + QLatin1Char('=') + QString::number(element.value, 'g', 17);
        }
        QStringList fields{entry->name(), entry->title(), entry->target(),
                           elements.join(QLatin1Char(','))};
        if (!std::isnan(entry->solubility()) || !std::isnan(entry->solubility_at_c()))
            fields << QStringLiteral("solubility=%1@%2")
                          .arg(entry->solubility())
                          .arg(entry->solubility_at_c());
        if (!entry->name_en().isEmpty())
            fields << QStringLiteral("en=") + entry->name_en();
        if (!std::isnan(entry->teaspoon()))
            fields << QStringLiteral("teaspoon=%1 (%2)")
                          .arg(entry->teaspoon())
                          .arg(entry->teaspoon_source());
        lines << fields.join(QLatin1Char('|'));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void reads_file_data();
    void reads_file();
    void reads_recipes_data();
    void reads_recipes();
    void recipe_notes_data();
    void recipe_notes();
    void user_entries_data();
    void user_entries();
    void editor_keeps_english_name_data();
    void editor_keeps_english_name();
    void missing_file_adds_nothing();
    void directory_adds_nothing();
    void unreadable_file_adds_nothing();
    void only_regular_files_are_read_data();
    void only_regular_files_are_read();
    void null_calculator_is_ignored();
    void appends_to_what_is_there();
    void each_calculator_gets_its_own_copies();

private:
    QString write(const QByteArray &_content);

    QScopedPointer<QTemporaryDir> dir;
};

void TestCatalogue::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY(dir->isValid());
}

QString TestCatalogue::write(const QByteArray &_content)
{
    return write_file(*dir, _content);
}

void TestCatalogue::reads_file_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("added");
    QTest::addColumn<QString>("entries");
    QTest::addColumn<QString>("problems");

    QTest::newRow("elements sorted by key")
        << QByteArray(R"([{"name": "KNO3", "target": "K", "N": 0.1385, "K": 0.3867}])") << 1
        << "KNO3|KNO3|K|K=0.38669999999999999,N=0.13850000000000001"
        << "";
    QTest::newRow("string number is no element")
        << QByteArray(R"([{"name": "X", "N": "5"}])") << 1 << "X|X||"
        << "";
    QTest::newRow("numeric name gives empty text and an element")
        << QByteArray(R"([{"name": 5, "N": 1}])") << 1 << "|||N=1,name=5"
        << "";
    QTest::newRow("null name gives empty text")
        << QByteArray(R"([{"name": null, "K": 2}])") << 1 << "|||K=2"
        << "";
    QTest::newRow("object without name skipped")
        << QByteArray(R"([{"target": "N", "N": 1}, {"name": "B"}])") << 1 << "B|B||"
        << "F: объект № 1 пропущен: у него нет \"name\"";
    QTest::newRow("empty target") << QByteArray(R"([{"name": "A", "target": "", "N": 1}])") << 1
                                  << "A|A||N=1"
                                  << "";
    QTest::newRow("numeric target")
        << QByteArray(R"([{"name": "A", "target": 7, "N": 1}])") << 1 << "A|A||N=1,target=7"
        << "";
    QTest::newRow("null target") << QByteArray(R"([{"name": "A", "target": null}])") << 1 << "A|A||"
                                 << "";
    QTest::newRow("target naming no element kept")
        << QByteArray(R"([{"name": "A", "target": "Fe", "N": 1}])") << 1 << "A|A|Fe|N=1"
        << "";
    QTest::newRow("upper case before lower case")
        << QByteArray(R"([{"name": "A", "b": 1, "Ca": 2, "B": 3}])") << 1 << "A|A||B=3,Ca=2,b=1"
        << "";
    QTest::newRow("non-ASCII keys by code unit")
        << QByteArray(R"([{"name": "A", "Ж": 1, "a": 2, "Z": 3, "É": 4}])") << 1
        << "A|A||Z=3,a=2,É=4,Ж=1"
        << "";
    // A surrogate pair (U+1F600) sorts before U+FF21 by code unit, after it by code point.
    QTest::newRow("surrogate pair before high BMP character")
        << QByteArray("[{\"name\": \"A\", \"\xEF\xBC\xA1\": 1, \"\xF0\x9F\x98\x80\": 2}]") << 1
        << QString::fromUtf8("A|A||\xF0\x9F\x98\x80=2,\xEF\xBC\xA1=1") << "";
    QTest::newRow("sol stored like any number")
        << QByteArray(R"([{"name": "A", "target": "K", "sol": 316, "K": 0.39}])") << 1
        << "A|A|K|K=0.39000000000000001,sol=316"
        << "";
    QTest::newRow("other value types give nothing")
        << QByteArray(R"([{"name": "A", "t": true, "n": null, "a": [1], "o": {"K": 1}, "s": "1"}])")
        << 1 << "A|A||"
        << "";
    QTest::newRow("numbers as JSON writes them")
        << QByteArray(R"([{"name": "A", "e": 1.5e-3, "i": 5, "m": -0, "n": -2.5}])") << 1
        << "A|A||e=0.0015,i=5,m=0,n=-2.5"
        << "";
    QTest::newRow("repeated key keeps the later value")
        << QByteArray(R"([{"name": "A", "K": 1, "K": 2}])") << 1 << "A|A||K=2"
        << "";
    QTest::newRow("repeated name keeps the later one")
        << QByteArray(R"([{"name": "A", "name": "B"}])") << 1 << "B|B||"
        << "";
    QTest::newRow("equal names both listed in file order")
        << QByteArray(R"([{"name": "A", "K": 1}, {"name": "A", "K": 2}])") << 2
        << "A|A||K=1\nA|A||K=2"
        << "";
    QTest::newRow("non-objects skipped")
        << QByteArray(R"([1, "s", [{"name": "deep"}], null, true, {"name": "A"}, {}])") << 1
        << "A|A||"
        << "F: элементы массива № 1, 2, 3, 4, 5 пропущены: это не объекты { … }\n"
           "F: объект № 7 пропущен: у него нет \"name\"";
    QTest::newRow("Cyrillic name") << QByteArray(R"([{"name": "Сульфат калия", "K": 0.45}])") << 1
                                   << "Сульфат калия|Сульфат калия||K=0.45000000000000001"
                                   << "";
    QTest::newRow("byte-order mark")
        << QByteArray("\xEF\xBB\xBF[{\"name\": \"A\", \"K\": 1}]") << 1 << "A|A||K=1"
        << "";
    QTest::newRow("CRLF line ends")
        << QByteArray("[\r\n {\"name\": \"A\",\r\n  \"K\": 1}\r\n]\r\n") << 1 << "A|A||K=1"
        << "";
    QTest::newRow("empty array") << QByteArray("[]") << 0 << ""
                                 << "F: в массиве нет ни одной записи";

    QTest::newRow("empty file") << QByteArray() << 0 << ""
                                << "F: файл пуст";
    QTest::newRow("top-level object") << QByteArray(R"({"name": "A", "K": 1})") << 0 << ""
                                      << "F: в файле объект { … }, а должен быть массив [ … ]";
    QTest::newRow("top-level scalar") << QByteArray("5") << 0 << ""
                                      << "F:1:1: здесь не может стоять такое значение";
    QTest::newRow("invalid JSON") << QByteArray(R"([{"name": "A", "K": 1},])") << 0 << ""
                                  << "F:1:24: здесь «]» сразу после запятой (лишняя запятая?)";
    QTest::newRow("truncated") << QByteArray(R"([{"name": "A")") << 0 << ""
                               << "F:1:13: строка не закрыта: не хватает кавычки";
    QTest::newRow("two byte-order marks") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF[]") << 0 << ""
                                          << "F:1:1: здесь не может стоять такое значение";
    QTest::newRow("number beyond double")
        << QByteArray(R"([{"name": "A", "K": 1e400}, {"name": "B"}])") << 0 << ""
        << "F:1:25: неправильно записано число";
    QTest::newRow("invalid UTF-8 in a string")
        << QByteArray("[{\"name\": \"A\xC3\x28\"}, {\"name\": \"B\"}]") << 0 << ""
        << "F:1:13: в строке знаки не в кодировке UTF-8";

    // The solubility object makes no element; its numbers are kept as they are.
    QTest::newRow("solubility") << QByteArray(R"([{"name": "A", "target": "K", "K": 0.39,
                           "solubility": {"g_per_l": 319, "at_c": 20, "source": "s"}}])")
                                << 1 << "A|A|K|K=0.39000000000000001|solubility=319@20"
                                << "";
    QTest::newRow("solubility without temperature")
        << QByteArray(R"([{"name": "A", "solubility": {"g_per_l": 60}}])") << 1
        << "A|A|||solubility=60@nan"
        << "";
    QTest::newRow("solubility figures of other types")
        << QByteArray(R"([{"name": "A", "solubility": {"g_per_l": "319", "at_c": null}}])") << 1
        << "A|A||"
        << "";
    QTest::newRow("solubility not an object is a number like any")
        << QByteArray(R"([{"name": "A", "solubility": 319}])") << 1 << "A|A||solubility=319"
        << "";

    // A teaspoon's grams make no element either; a figure no level spoon
    // holds is none, and said.
    QTest::newRow("teaspoon") << QByteArray(R"([{"name": "A", "K": 0.39,
                           "teaspoon": {"g": 6.7, "source": "weighed"}}])")
                              << 1 << "A|A||K=0.39000000000000001|teaspoon=6.7 (weighed)"
                              << "";
    QTest::newRow("teaspoon without a source")
        << QByteArray(R"([{"name": "A", "teaspoon": {"g": 3.5}}])") << 1 << "A|A|||teaspoon=3.5 ()"
        << "";
    QTest::newRow("teaspoon without a number")
        << QByteArray(R"([{"name": "A", "teaspoon": {"g": "6.7", "source": "s"}},
                          {"name": "B", "teaspoon": {"source": "s"}}])")
        << 2 << "A|A||\nB|B||"
        << "F: «A»: у «teaspoon» нет числа «g», граммов в ровной чайной ложке\n"
           "F: «B»: у «teaspoon» нет числа «g», граммов в ровной чайной ложке";
    QTest::newRow("teaspoon no level spoon holds")
        << QByteArray(
               R"([{"name": "A", "teaspoon": {"g": 67}}, {"name": "B", "teaspoon": {"g": 0}}])")
        << 2 << "A|A||\nB|B||"
        << "F: «A»: «teaspoon» 67 г — не вес ровной чайной ложки: нужно больше 0 и до 25 г\n"
           "F: «B»: «teaspoon» 0 г — не вес ровной чайной ложки: нужно больше 0 и до 25 г";

    // Where the JSON breaks: line and column from 1, the column in characters.
    QTest::newRow("missing comma, second line")
        << QByteArray("[\n  {\"name\": \"A\"}\n  {\"name\": \"B\"}\n]") << 0 << ""
        << "F:3:3: здесь «{», а ожидалась запятая или ] (пропущена запятая?)";
    QTest::newRow("column in characters, not bytes")
        << QByteArray(R"([{"name": "Сульфат"} {"name": "B"}])") << 0 << ""
        << "F:1:22: здесь «{», а ожидалась запятая или ] (пропущена запятая?)";
    QTest::newRow("byte-order mark takes no column")
        << QByteArray("\xEF\xBB\xBF[,]") << 0 << ""
        << "F:1:2: здесь не может стоять такое значение";
    QTest::newRow("CRLF lines counted once")
        << QByteArray("[\r\n{\"name\": \"A\"},\r\n]") << 0 << ""
        << "F:3:1: здесь «]» сразу после запятой (лишняя запятая?)";
    // What stands where reading stopped, and the slip that likely put it there.
    QTest::newRow("doubled comma") << QByteArray(R"([{"name": "A",, "K": 1}])") << 0 << ""
                                   << "F:1:15: здесь вторая запятая подряд, а ожидалось имя в "
                                      "кавычках";
    QTest::newRow("missing comma between members")
        << QByteArray(R"([{"name": "A" "K": 1}])") << 0 << ""
        << "F:1:15: здесь «\"», а ожидалась запятая или } (пропущена запятая?)";
    QTest::newRow("missing quote before a name")
        << QByteArray(R"([{"name": "A", K": 1}])") << 0 << ""
        << "F:1:16: здесь «K», а ожидалось имя в кавычках (пропущена кавычка?)";
    QTest::newRow("comma right after a brace") << QByteArray("[{,]") << 0 << ""
                                               << "F:1:3: здесь «,», а ожидалось имя в кавычках";
    QTest::newRow("decimal comma")
        << QByteArray(R"([{"name": "A", "K": 1,5}])") << 0 << ""
        << "F:1:23: здесь «5», а после запятой ожидалось имя в кавычках (дробь через запятую? "
           "В файле её пишут через точку)";
    QTest::newRow("text after the array") << QByteArray("[] x") << 0 << ""
                                          << "F:1:4: лишний текст после конца массива";
    QTest::newRow("only blanks") << QByteArray(" \n\t ") << 0 << ""
                                 << "F: файл пуст";
    QTest::newRow("ten skipped numbers shown, then how many more")
        << QByteArray("[1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, {\"name\": \"A\"}]") << 1 << "A|A||"
        << "F: элементы массива № 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 и ещё 2 пропущены: это не "
           "объекты { … }";
    QTest::newRow("formula gives the elements but H, O and C")
        << QByteArray(R"([{"name": "FeO", "formula": "FeO", "target": "Fe"}])") << 1
        << "FeO|FeO|Fe|Fe=0.77730916986804743"
        << "";
    QTest::newRow("numbers kept, one off the formula by more than 1 %")
        << QByteArray(R"([{"name": "X", "formula": "KCl", "K": 0.6, "Cl": 0.4755}])") << 1
        << "X|X||Cl=0.47549999999999998,K=0.59999999999999998"
        << "F: «X»: «K» = 0.6 расходится с формулой «KCl» (0.524467) больше чем на 1 %";
    QTest::newRow("element the formula lacks; sol never checked")
        << QByteArray(R"([{"name": "X", "formula": "KCl", "K": 0.5245, "Na": 0.1, "sol": 3}])") << 1
        << "X|X||K=0.52449999999999997,Na=0.10000000000000001,sol=3"
        << "F: «X»: в формуле «KCl» нет элемента «Na»";
    QTest::newRow("unreadable formula with numbers kept")
        << QByteArray(R"([{"name": "X", "formula": "KQ", "K": 1}])") << 1 << "X|X||K=1"
        << "F: «X»: формула «KQ» не читается: позиция 2: нет элемента «Q»";
    QTest::newRow("unreadable formula alone passed over")
        << QByteArray(R"([{"name": "X", "formula": "K(", "target": "K"}, {"name": "Y"}])") << 1
        << "Y|Y||"
        << "F: «X»: формула «K(» не читается: позиция 2: скобка «(» не закрыта, запись пропущена";
    // Each text goes into its sentence once: a "%1" in it stays as written.
    QTest::newRow("placeholders in a name and a formula")
        << QByteArray(R"([{"name": "%2 %1", "formula": "K%1", "K": 1}])") << 1 << "%2 %1|%2 %1||K=1"
        << "F: «%2 %1»: формула «K%1» не читается: позиция 2: здесь не может стоять «%»";

    QTest::newRow("English name")
        << QByteArray(R"([{"name": "Сульфат калия", "name_en": "Potassium sulfate", "K": 0.45}])")
        << 1 << "Сульфат калия|Сульфат калия||K=0.45000000000000001|en=Potassium sulfate"
        << "";
    // A number is an element, as it is for "name" and "target".
    QTest::newRow("English name that is no text, or empty: none")
        << QByteArray(R"([{"name": "A", "name_en": ["A"]}, {"name": "B", "name_en": ""},
                          {"name": "C", "name_en": null}, {"name": "D", "name_en": 5}])")
        << 4 << "A|A||\nB|B||\nC|C||\nD|D||name_en=5"
        << "";
}

void TestCatalogue::reads_file()
{
    QFETCH(QByteArray, content);
    QFETCH(int, added);
    QFETCH(QString, entries);

    QFETCH(QString, problems);

    Diy_Fertilizer fert;
    QStringList lines;
    const QString path = write(content);
    QCOMPARE(read_catalogue(path, &fert, &lines, Catalogue_Kind::compounds), added);
    QCOMPARE(fert.count_compounds(), added);
    QCOMPARE(dump(fert), entries);
    QCOMPARE(lines.join(QLatin1Char('\n')).replace(path, QStringLiteral("F")), problems);

    // The lists show an entry by its English name in English only, and by its
    // name where it has none.
    QVERIFY(Language::apply(Language::english));
    QStringList english;
    for (int i = 0; i < fert.count_compounds(); ++i)
        english << fert.compound_at(i)->shown_name();
    QVERIFY(Language::apply(Language::russian));
    for (int i = 0; i < fert.count_compounds(); ++i) {
        const Compound *entry = fert.compound_at(i);
        QCOMPARE(english.at(i), entry->name_en().isEmpty() ? entry->name() : entry->name_en());
        QCOMPARE(entry->shown_name(), entry->name());
    }
}

void TestCatalogue::reads_recipes_data()
{
    QTest::addColumn<QByteArray>("compounds");
    QTest::addColumn<QByteArray>("recipes");
    QTest::addColumn<QString>("entries"); // "name|target|element=mg/ml,…", one a line
    QTest::addColumn<QString>("problems");

    // 30 g of an entry (K 0.3867, N 0.1385) and 10 g of K2SO4 read as a formula
    // (K 0.448752, S 0.183986) in 500 ml: K 23.202 + 8.97504, N 8.31, S 3.67973.
    QTest::newRow("two salts worked by hand")
        << QByteArray(R"([{"name": "Калиевая селитра KNO3", "formula": "KNO3", "target": "N",
                          "K": 0.3867, "N": 0.1385}])")
        << QByteArray(R"([{"name": "Макро", "water_ml": 500, "target": "N", "source": "s",
                          "compounds": {"Калиевая селитра KNO3": 30, "K2SO4": 10}}])")
        << "Макро|N|K=32.177,N=8.31,S=3.67973"
        << "";
    const QByteArray one_gram = R"([{"name": "R", "water_ml": 1000, "compounds": {"KCl": 1}}])";
    QTest::newRow("a key names an entry before it is an entry's formula")
        << QByteArray(R"([{"name": "B", "formula": "KCl", "K": 0.52},
                          {"name": "KCl", "N": 1}])")
        << one_gram << "R||N=1"
        << "";
    QTest::newRow("a key is an entry's formula before it is read as one")
        << QByteArray(R"([{"name": "B", "formula": "KCl", "K": 0.52}])") << one_gram << "R||K=0.52"
        << "";
    QTest::newRow("a key read as a formula counts no H, O or C")
        << QByteArray("[]")
        << QByteArray(R"([{"name": "R", "water_ml": 1000, "compounds": {"KHCO3": 1}}])")
        << "R||K=0.390535"
        << "";
    QTest::newRow("what cannot be used is said, and the recipe passed over")
        << QByteArray("[]")
        << QByteArray(R"([{"name": "A", "water_ml": 500, "compounds": {"Xx": 1, "KCl": 0}},
                          {"name": "B", "water_ml": "500", "compounds": {"KCl": 1}},
                          {"name": "C", "water_ml": 500},
                          {"name": "D", "water_ml": 500, "compounds": {}},
                          {"name": "E", "water_ml": 1e-300, "compounds": {"KCl": 1e300}},
                          {"water_ml": 500, "compounds": {"KCl": 1}}])")
        << ""
        << "F: «A»: «KCl»: граммы должны быть числом больше 0, рецепт пропущен\n"
           "F: «A»: «Xx»: такого вещества нет в compounds.json, а формула не читается: "
           "позиция 1: нет элемента «Xx», рецепт пропущен\n"
           "F: «B»: \"water_ml\" должно быть числом больше 0, рецепт пропущен\n"
           "F: «C»: нет объекта \"compounds\", рецепт пропущен\n"
           "F: «D»: в \"compounds\" нет ни одного вещества, рецепт пропущен\n"
           "F: «E»: содержание элементов выходит за пределы допустимых чисел, рецепт пропущен\n"
           "F: объект № 6 пропущен: у него нет \"name\"";
    QTest::newRow("placeholders in a name and a key")
        << QByteArray("[]")
        << QByteArray(R"([{"name": "%2", "water_ml": 500, "compounds": {"%1": 1, "%2": -1}}])")
        << ""
        << "F: «%2»: «%1»: такого вещества нет в compounds.json, а формула не читается: "
           "позиция 1: здесь не может стоять «%», рецепт пропущен\n"
           "F: «%2»: «%2»: граммы должны быть числом больше 0, рецепт пропущен";
    QTest::newRow("an English name, where it is text")
        << QByteArray("[]")
        << QByteArray(
               R"([{"name": "R", "name_en": "Potash", "water_ml": 1000, "compounds": {"KCl": 1}},
                          {"name": "S", "name_en": 5, "water_ml": 1000, "compounds": {"KCl": 1}}])")
        << "R||Cl=0.475533,K=0.524467|en=Potash\nS||Cl=0.475533,K=0.524467"
        << "";
}

void TestCatalogue::reads_recipes()
{
    QFETCH(QByteArray, compounds);
    QFETCH(QByteArray, recipes);
    QFETCH(QString, entries);
    QFETCH(QString, problems);

    Diy_Fertilizer known;
    parse_catalogue(compounds, &known, QString(), nullptr, Catalogue_Kind::compounds);
    Premix_Fertilizer products;
    QStringList lines;
    const int added = parse_recipes(recipes, known, &products, QStringLiteral("F"), &lines);
    QCOMPARE(added, products.count_compounds());
    QStringList shown;
    for (int i = 0; i < products.count_compounds(); ++i) {
        const Compound *recipe = products.compound_at(i);
        QStringList contents;
        for (int j = 0; j < recipe->count_elements(); ++j)
            contents << recipe->element_at(j).name + QLatin1Char('=') +
                            message_text::number(recipe->element_at(j).value);
        shown << recipe->name() + QLatin1Char('|') + recipe->target() + QLatin1Char('|') +
                     contents.join(QLatin1Char(',')) +
                     (recipe->name_en().isEmpty() ? QString() : "|en=" + recipe->name_en());
    }
    QCOMPARE(shown.join(QLatin1Char('\n')), entries);
    QCOMPARE(lines.join(QLatin1Char('\n')), problems);
}

void TestCatalogue::recipe_notes_data()
{
    QTest::addColumn<QByteArray>("compounds");
    QTest::addColumn<QString>("keys"); // each with 1 g
    QTest::addColumn<QString>("note");

    const QByteArray none = "[]";
    QTest::newRow("calcium and sulfate") << none << "CaCl2,Na2SO4"
                                         << "Выпадет осадок: кальций и сульфат";
    QTest::newRow("calcium and phosphate") << none << "CaCl2,KH2PO4"
                                           << "Выпадет осадок: кальций и фосфат";
    QTest::newRow("calcium and carbonate") << none << "CaCl2,KHCO3"
                                           << "Выпадет осадок: кальций и карбонат";
    QTest::newRow("iron and phosphate") << none << "FeCl3·6H2O,KH2PO4"
                                        << "Выпадет осадок: железо и фосфат";
    QTest::newRow("magnesium, sulfate and phosphate: none") << none << "KNO3,KH2PO4,MgSO4·7H2O"
                                                            << "";
    QTest::newRow("the sulfate of an entry's formula")
        << QByteArray(R"([{"name": "Сульфат калия", "formula": "K2SO4", "K": 0.4488, "S": 0.184}])")
        << "CaCl2,Сульфат калия"
        << "Выпадет осадок: кальций и сульфат";
    // 1 g in 10 ml is 100 g per litre of water.
    const QByteArray limited =
        R"([{"name": "S", "K": 0.5, "solubility": {"g_per_l": 100, "at_c": 20}},
            {"name": "T", "K": 0.5, "solubility": {"g_per_l": 99.99}}])";
    QTest::newRow("at the limit it dissolves") << limited << "S"
                                               << "";
    QTest::newRow("over the limit, the first key over")
        << limited << "T,S"
        << "Столько вещества не растворится:\nT\nв 10 мл воды\nрастворяется не больше 0.9999 г";
}

void TestCatalogue::recipe_notes()
{
    QFETCH(QByteArray, compounds);
    QFETCH(QString, keys);
    QFETCH(QString, note);

    Diy_Fertilizer known;
    parse_catalogue(compounds, &known, QString(), nullptr, Catalogue_Kind::compounds);
    QJsonObject grams;
    for (const QString &key : keys.split(QLatin1Char(',')))
        grams.insert(key, 1);
    const QJsonObject recipe{{"name", "R"}, {"water_ml", 10}, {"compounds", grams}};
    Premix_Fertilizer products;
    QCOMPARE(parse_recipes(QJsonDocument(QJsonArray{recipe}).toJson(), known, &products), 1);
    QCOMPARE(products.compound_at(0)->note(), note);
}

void TestCatalogue::user_entries_data()
{
    // The files of the shipped folder and of the user's (null: none), in the
    // order products, compounds, recipes.
    QTest::addColumn<QList<QByteArray>>("shipped");
    QTest::addColumn<QList<QByteArray>>("users");
    QTest::addColumn<bool>("same_folder");
    // Each list's entries as "name|element=figure,…|note".
    QTest::addColumn<QStringList>("products");
    QTest::addColumn<QStringList>("compounds");
    QTest::addColumn<QStringList>("problems"); // "%1": the user's folder

    const QByteArray products = R"([{"name": "A", "target": "K", "K": 5, "Fe": 1},
                                    {"name": "B", "N": 2}])";
    const QByteArray compounds = R"([{"name": "KNO3", "K": 0.39, "N": 0.14}])";
    const QByteArray recipes = R"([{"name": "R", "water_ml": 1000, "compounds": {"KNO3": 10}}])";
    const QList<QByteArray> shipped{products, compounds, recipes};
    const QList<QByteArray> none{QByteArray(), QByteArray(), QByteArray()};
    const QStringList as_shipped{"A|Fe=1,K=5|", "B|N=2|", "R|K=3.9,N=1.4|"};

    QTest::newRow("no files of the user's") << shipped << none << false << as_shipped
                                            << QStringList{"KNO3|K=0.39,N=0.14|"} << QStringList();
    QTest::newRow("a user's product in the shipped one's place, a new one after all")
        << shipped
        << QList<QByteArray>{R"([{"name": "A", "target": "K", "K": 4}, {"name": "C", "P": 1}])",
                             QByteArray(), QByteArray()}
        << false
        << QStringList{"A|K=4|Ваша запись; в поставке: Fe 1, K 5", "B|N=2|", "R|K=3.9,N=1.4|",
                       "C|P=1|"}
        << QStringList{"KNO3|K=0.39,N=0.14|"} << QStringList();
    QTest::newRow("a user's compound, which the recipes are then made of")
        << shipped
        << QList<QByteArray>{QByteArray(), R"([{"name": "KNO3", "K": 0.5, "N": 0.1, "Mg": 0}])",
                             QByteArray()}
        << false << QStringList{"A|Fe=1,K=5|", "B|N=2|", "R|K=5,Mg=0,N=1|"}
        << QStringList{"KNO3|K=0.5,Mg=0,N=0.1|Ваша запись; в поставке: K 0.39, N 0.14, Mg нет"}
        << QStringList();
    QTest::newRow("a user's recipe in the shipped one's place, the same figures")
        << shipped
        << QList<QByteArray>{QByteArray(), QByteArray(),
                             R"([{"name": "R", "water_ml": 2000, "compounds": {"KNO3": 20}}])"}
        << false
        << QStringList{"A|Fe=1,K=5|", "B|N=2|", "R|K=3.9,N=1.4|Ваша запись; в поставке те же цифры"}
        << QStringList{"KNO3|K=0.39,N=0.14|"} << QStringList();
    QTest::newRow("the user's folder is the shipped one: read once")
        << shipped << shipped << true << as_shipped << QStringList{"KNO3|K=0.39,N=0.14|"}
        << QStringList();
    QTest::newRow("a user's file that cannot be read is said like a shipped one")
        << shipped << QList<QByteArray>{QByteArray("[{"), QByteArray("{}"), QByteArray()} << false
        << as_shipped << QStringList{"KNO3|K=0.39,N=0.14|"}
        << QStringList{"%1/commercial_products.json:1:2: файл обрывается: объект не закрыт, не "
                       "хватает }",
                       "%1/compounds.json: в файле объект { … }, а должен быть массив [ … ]"};
}

void TestCatalogue::user_entries()
{
    QFETCH(QList<QByteArray>, shipped);
    QFETCH(QList<QByteArray>, users);
    QFETCH(bool, same_folder);
    QFETCH(QStringList, products);
    QFETCH(QStringList, compounds);
    QFETCH(QStringList, problems);

    const QString shipped_folder = dir->filePath(QStringLiteral("shipped"));
    const QString user_folder =
        same_folder ? shipped_folder : dir->filePath(QStringLiteral("user"));
    const QStringList names{"commercial_products.json", "compounds.json", "recipes.json"};
    for (const auto &[folder, files] :
         {std::pair<QString, QList<QByteArray>>{shipped_folder, shipped}, {user_folder, users}}) {
        QVERIFY(QDir().mkpath(folder));
        for (int i = 0; i < names.size(); ++i) {
            if (files.at(i).isNull())
                continue;
            QFile file(folder + QLatin1Char('/') + names.at(i));
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(files.at(i));
        }
    }
    Premix_Fertilizer premix;
    Diy_Fertilizer diy;
    DiySol_Fertilizer diy_sol;
    User_Catalogues::Problems said;
    User_Catalogues::read(shipped_folder, user_folder, &premix, &diy, &diy_sol, &said);

    const auto entries = [](const Type_Fertilizer &_fert) {
        QStringList shown;
        for (int i = 0; i < _fert.count_compounds(); ++i) {
            const Compound *entry = _fert.compound_at(i);
            QStringList figures;
            for (int e = 0; e < entry->count_elements(); ++e)
                figures << entry->element_at(e).name + QLatin1Char('=') +
                               message_text::number(entry->element_at(e).value);
            shown << entry->name() + QLatin1Char('|') + figures.join(QLatin1Char(',')) +
                         QLatin1Char('|') + entry->note();
        }
        return shown;
    };
    QCOMPARE(entries(premix), products);
    QCOMPARE(entries(diy), compounds);
    QCOMPARE(entries(diy_sol), compounds);
    for (QString &line : problems)
        line = line.arg(user_folder);
    QCOMPARE(said.products + said.compounds + said.recipes, problems);
    // Every problem of these rows is a file that cannot be read at all: kept
    // for the start-up's notice too, in the order the files are read.
    QStringList unreadable;
    for (const User_Catalogues::Unreadable &file : said.unreadable)
        unreadable << file.file +
                          (file.fault.place.isEmpty() ? QString() : ':' + file.fault.place) +
                          QStringLiteral(": ") + file.fault.what;
    unreadable.sort();
    problems.sort();
    QCOMPARE(unreadable, problems);
}

void TestCatalogue::editor_keeps_english_name_data()
{
    // The products file of the shipped folder and of the user's (null: none).
    QTest::addColumn<QByteArray>("shipped");
    QTest::addColumn<QByteArray>("users");

    const QByteArray entry = R"([{"name": "A", "name_en": "Alpha", "target": "K", "K": 5}])";
    QTest::newRow("the user's own, saved again") << QByteArray() << entry;
    QTest::newRow("a shipped one, copied") << entry << QByteArray();
    QTest::newRow("one that is in neither file") << QByteArray() << QByteArray();
}

// An entry corrected in the editor keeps the English name it was read with,
// which the editor does not show.
void TestCatalogue::editor_keeps_english_name()
{
    QFETCH(QByteArray, shipped);
    QFETCH(QByteArray, users);

    const QString shipped_folder = dir->filePath(QStringLiteral("shipped"));
    const QString user_folder = dir->filePath(QStringLiteral("user"));
    const QString file_name = Catalogue_Editor::file_name(Catalogue_Editor::product);
    for (const auto &[folder, content] :
         {std::pair<QString, QByteArray>{shipped_folder, shipped}, {user_folder, users}}) {
        QVERIFY(QDir().mkpath(folder));
        QFile file(folder + QLatin1Char('/') + file_name);
        if (!content.isNull())
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    }

    Premix_Fertilizer read;
    QCOMPARE(
        parse_catalogue(R"([{"name": "A", "name_en": "Alpha", "target": "K", "K": 5}])", &read), 1);
    Catalogue_Editor editor(user_folder);
    editor.open();
    int editing = -1;
    Catalogue_Editor::Draft draft =
        editor.copy(Catalogue_Editor::product, *read.compound_at(0), shipped_folder, &editing);
    QCOMPARE(editing, users.isNull() ? -1 : 0);
    QCOMPARE(draft.elements.size(), 1);
    draft.elements[0].second = QStringLiteral("4");
    QCOMPARE(editor.save(draft, editing, Diy_Fertilizer()), 0);

    Premix_Fertilizer saved;
    QCOMPARE(read_catalogue(user_folder + QLatin1Char('/') + file_name, &saved), 1);
    QCOMPARE(dump(saved), QStringLiteral("A|A|K|K=4|en=Alpha"));
}

void TestCatalogue::missing_file_adds_nothing()
{
    Diy_Fertilizer fert;
    QStringList problems;
    const QString absent = dir->filePath(QStringLiteral("absent.json"));
    QCOMPARE(read_catalogue(absent, &fert, &problems), 0);
    QCOMPARE(fert.count_compounds(), 0);
    QCOMPARE(problems, QStringList{absent + QStringLiteral(": нет такого файла")});

    // Without its folder the reader names the folder it looked in.
    problems.clear();
    const QString folder = dir->filePath(QStringLiteral("settings"));
    QCOMPARE(read_catalogue(folder + QStringLiteral("/compounds.json"), &fert, &problems), 0);
    QCOMPARE(problems,
             QStringList{folder + QStringLiteral("/compounds.json: нет папки ") + folder});
}

void TestCatalogue::directory_adds_nothing()
{
    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("compounds.json")));
    Diy_Fertilizer fert;
    QStringList problems;
    const QString path = dir->filePath(QStringLiteral("compounds.json"));
    QCOMPARE(read_catalogue(path, &fert, &problems), 0);
    QCOMPARE(fert.count_compounds(), 0);
    QCOMPARE(problems, QStringList{path + QStringLiteral(": это папка, а не файл")});
}

void TestCatalogue::unreadable_file_adds_nothing()
{
#ifndef Q_OS_UNIX
    QSKIP("permission bits and other users are POSIX's");
#else
    const QString path = write(R"([{"name": "A"}])");
    QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    const QByteArray native = QFile::encodeName(path);

    if (::geteuid() != 0) {
        QVERIFY(::access(native.constData(), R_OK) != 0);
        Diy_Fertilizer fert;
        QStringList problems;
        QCOMPARE(read_catalogue(path, &fert, &problems), 0);
        QCOMPARE(fert.count_compounds(), 0);
        QCOMPARE(problems, QStringList{path + QStringLiteral(": нет прав на чтение файла")});
        return;
    }

    // Root reads it as an ordinary user, who may look into the folder but not
    // read the file.
    QVERIFY(QFile::setPermissions(dir->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                   QFileDevice::ExeOwner | QFileDevice::ExeOther));
    bool ok = false;
    const QByteArray lines = as_nobody(
        [&] {
            if (::access(native.constData(), R_OK) == 0)
                return QByteArray("nobody may read the file");
            Diy_Fertilizer fert;
            QStringList problems;
            const int read = read_catalogue(path, &fert, &problems) + fert.count_compounds();
            return problems.join(QLatin1Char('\n')).toUtf8() +
                   (read ? QByteArray("\nentries read: ") + QByteArray::number(read)
                         : QByteArray());
        },
        &ok);
    QVERIFY(ok);
    const QByteArray expected = QFile::encodeName(path) + ": нет прав на чтение файла";
    QVERIFY2(lines == expected, "the child said: " + lines + "\nexpected: " + expected);
#endif
}

void TestCatalogue::only_regular_files_are_read_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("problem");
#ifdef Q_OS_UNIX
    QTest::newRow("FIFO, which would block") << "fifo"
                                             << "это не обычный файл";
    QTest::newRow("link to an endless device") << "device"
                                               << "это не обычный файл";
    QTest::newRow("link to nothing") << "dangling"
                                     << "ссылка ведёт на файл, которого нет";
#endif
    QTest::newRow("file of 3 GiB adds nothing") << "huge"
                                                << "файл слишком велик";
}

void TestCatalogue::only_regular_files_are_read()
{
    QFETCH(QString, kind);
    QFETCH(QString, problem);
    const QString path = dir->filePath(QStringLiteral("compounds.json"));
    if (kind == QLatin1String("huge")) {
        // More than a QByteArray holds; sparse, so it costs no disk.
        write(R"([{"name": "A"}])");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.resize(qint64(3) << 30));
#ifdef Q_OS_UNIX
    } else if (kind == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == QLatin1String("device")) {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    } else if (kind == QLatin1String("dangling")) {
        QVERIFY(QFile::link(dir->filePath(QStringLiteral("gone.json")), path));
#endif
    }
    Diy_Fertilizer fert;
    QStringList problems;
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(read_catalogue(path, &fert, &problems), 0);
    QVERIFY(timer.elapsed() < 5000);
    QCOMPARE(problems, QStringList{path + QStringLiteral(": ") + problem});
}

void TestCatalogue::null_calculator_is_ignored()
{
    QCOMPARE(read_catalogue(write(R"([{"name": "A"}])"), nullptr), 0);
}

void TestCatalogue::appends_to_what_is_there()
{
    Diy_Fertilizer fert;
    QCOMPARE(read_catalogue(write(R"([{"name": "A"}, {"name": "B"}])"), &fert), 2);
    QCOMPARE(read_catalogue(write(R"([{"name": "C"}])"), &fert), 1);
    QCOMPARE(dump(fert), QStringLiteral("A|A||\nB|B||\nC|C||"));
}

void TestCatalogue::each_calculator_gets_its_own_copies()
{
    const QString path = write(R"([{"name": "A", "K": 0.5}, {"name": "B", "N": 0.1}])");
    Diy_Fertilizer diy;
    DiySol_Fertilizer sol;
    QCOMPARE(read_catalogue(path, &diy), 2);
    QCOMPARE(read_catalogue(path, &sol), 2);
    QCOMPARE(dump(diy), dump(sol));
    QVERIFY(diy.compound_at(0) != sol.compound_at(0));
    QVERIFY(diy.compound_at(1) != sol.compound_at(1));

    // One read for two calculators gives the same as two reads.
    Diy_Fertilizer diy_once;
    DiySol_Fertilizer sol_once;
    QCOMPARE(read_catalogue(path, {&diy_once, &sol_once}), 2);
    QCOMPARE(dump(diy_once), dump(diy));
    QCOMPARE(dump(sol_once), dump(diy));
    QVERIFY(diy_once.compound_at(0) != sol_once.compound_at(0));
    QVERIFY(diy_once.compound_at(0)->find_element(QStringLiteral("K")).value == 0.5);
    QCOMPARE(read_catalogue(path, {&diy_once, nullptr}), 0);
    QCOMPARE(diy_once.count_compounds(), 2);
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
