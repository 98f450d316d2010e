// SPDX-License-Identifier: GPL-3.0-or-later

// A save cut short by a kill at any moment: kill_saver saves the user's files
// version after version, through the program's own code, and is killed at a
// random moment, again and again on the same folder, as a user's session that
// ends without warning. After each kill every file must be one whole version,
// the last one said saved or the one under way, and the next start must read
// them all as they are, whatever the kills left beside them: the readers the
// program starts with, and every tenth time and at the end the program itself.
//
// ROVALIN_KILLS: how many kills (200). ROVALIN_KILL_SEED: the seed the moments
// are drawn from, printed first, to draw the same moments again; where each
// moment falls in the saving still depends on how fast the machine is.

#include "catalogue/user_catalogues.h"
#include "chemistry/compound.h"
#include "dosing/diysol_fertilizer.h"
#include "dosing/premix_fertilizer.h"
#include "kill_versions.h"

#include <QtTest>

#include <algorithm>
#include <memory>
#include <random>
#include <utility>

namespace {

// The program keeps its files where a child's environment can move them into
// a temporary folder, XDG_DATA_HOME, on Linux and the like; on Windows in the
// user's application data folder, which no variable moves.
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
constexpr bool program_in_temporary_home = true;
#else
constexpr bool program_in_temporary_home = false;
#endif

// What a run of the saver said last: nothing at all, that it had opened the
// files, that it had begun to save file `file` of `version`, or that it had
// saved the whole version.
struct Said
{
    enum What { nothing, opened, saving, saved } what = nothing;
    int version = -1;
    int file = -1;
    QString line;
};

// Reads the saver's output; false, with why, for a line it never writes.
bool read_said(const QByteArray &_output, Said *_said, QString *_why)
{
    const QStringList files = kill_versions::files();
    // Windows ends the lines with CR LF.
    const QString text = QString::fromUtf8(_output).remove(QLatin1Char('\r'));
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n'))) {
        *_why = QStringLiteral("a line cut short: ") + text.section(QLatin1Char('\n'), -1);
        return false;
    }
    for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList words = line.split(QLatin1Char(' '));
        bool number = words.size() >= 2;
        const int version = number ? words.at(1).toInt(&number) : -1;
        if (line == QLatin1String("opened"))
            *_said = {Said::opened, -1, -1, line};
        else if (number && words.size() == 2 && words.at(0) == QLatin1String("saved"))
            *_said = {Said::saved, version, -1, line};
        else if (number && words.size() == 3 && words.at(0) == QLatin1String("saving") &&
                 files.contains(words.at(2)))
            *_said = {Said::saving, version, int(files.indexOf(words.at(2))), line};
        else {
            *_why = QStringLiteral("not a line of the saver's: ") + line;
            return false;
        }
    }
    return true;
}

// The number at the end of a plan's or an entry's name, which tells its
// version; -1 where there is none.
int trailing_number(const QString &_name, const QString &_prefix, const QString &_suffix)
{
    if (!_name.startsWith(_prefix) || !_name.endsWith(_suffix))
        return -1;
    bool number = false;
    const int version =
        _name.mid(_prefix.size(), _name.size() - _prefix.size() - _suffix.size()).toInt(&number);
    return number ? version : -1;
}

// File _file of kill_versions::files() in _folder: its bytes and the version
// it says it is, read as the program reads it; -1, with why, where it cannot
// be read or tells no version.
int kept_version(const QString &_folder, int _file, QByteArray *_content, QString *_why)
{
    const QString path = QDir(_folder).filePath(kill_versions::files().at(_file));
    if (_file == 0) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            *_why = file.errorString();
            return -1;
        }
        *_content = file.readAll();
        QVector<Dosing_Plan> plans;
        QJsonObject root;
        if (!Plan_Store::parse(*_content, &plans, &root, _why))
            return -1;
        if (plans.size() != kill_versions::plan_count) {
            *_why = QStringLiteral("%1 plans").arg(plans.size());
            return -1;
        }
        const int version =
            trailing_number(plans.first().name, QStringLiteral("Аквариум "), QStringLiteral("-1"));
        if (version < 0)
            *_why = QStringLiteral("a plan named ") + plans.first().name;
        return version;
    }
    QJsonArray entries;
    Catalogue_Fault fault;
    if (!read_catalogue_array(path, &entries, &fault, _content)) {
        *_why = fault.place + QLatin1Char(' ') + fault.what;
        return -1;
    }
    const auto kind = Catalogue_Editor::Kind(_file - 1);
    const QString name = entries.at(0).toObject().value(QLatin1String("name")).toString();
    const QString prefix = kill_versions::entry_name(kind, 0).chopped(1);
    const int version = entries.size() == kill_versions::entry_count
                            ? trailing_number(name, prefix, QString())
                            : -1;
    if (version < 0)
        *_why = QStringLiteral("%1 entries, the first named %2").arg(entries.size()).arg(name);
    return version;
}

// The bytes of every file of a version as a save that nothing stops writes
// them, through the same code, in a folder of their own.
class Expected
{
public:
    bool open()
    {
        if (!scratch.isValid())
            return false;
        store = std::make_unique<Plan_Store>(scratch.path());
        store->open();
        editor = std::make_unique<Catalogue_Editor>(scratch.filePath(QStringLiteral("settings")));
        editor->open();
        return !store->read_only();
    }

    // Empty where it cannot be saved.
    QVector<QByteArray> of(int _version)
    {
        if (!made.contains(_version)) {
            QString error;
            if (!kill_versions::save_version(
                    *store, *editor, _version, [](int) {}, &error)) {
                qWarning("version %d: %s", _version, qPrintable(error));
                return {};
            }
            QVector<QByteArray> bytes;
            for (const QString &name : kill_versions::files()) {
                QFile file(scratch.filePath(name));
                if (!file.open(QIODevice::ReadOnly))
                    return {};
                bytes << file.readAll();
            }
            made.insert(_version, bytes);
        }
        return made.value(_version);
    }

private:
    QTemporaryDir scratch;
    std::unique_ptr<Plan_Store> store;
    std::unique_ptr<Catalogue_Editor> editor;
    QHash<int, QVector<QByteArray>> made;
};

bool has_entry(const Type_Fertilizer &_fert, const QString &_name)
{
    for (int i = 0; i < _fert.count_compounds(); ++i) {
        if (_fert.compound_at(i)->name() == _name)
            return true;
    }
    return false;
}

} // namespace

class TestKill : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void saves_are_whole_at_any_kill();

private:
    // What the data folder holds besides the files a version saves and the
    // plans' lock, by name from the data folder.
    QStringList left_beside() const;
    void start_the_readers(const QVector<int> &_kept);
    void start_the_program(const QVector<int> &_kept);

    QTemporaryDir root;
    QString data;
    QProcessEnvironment environment;
};

void TestKill::initTestCase()
{
    QVERIFY(root.isValid());
    // What anything started here keeps goes to the temporary folder, never
    // to the real home: the program's data folder is
    // XDG_DATA_HOME/<its name>/.
    for (const char *folder : {"home", "data", "config", "cache", "work/settings"})
        QVERIFY(QDir(root.path()).mkpath(QLatin1String(folder)));
    environment = QProcessEnvironment::systemEnvironment();
    for (const auto &[variable, folder] : {std::pair<const char *, const char *>{"HOME", "home"},
                                           {"XDG_DATA_HOME", "data"},
                                           {"XDG_CONFIG_HOME", "config"},
                                           {"XDG_CACHE_HOME", "cache"}}) {
        const QString path = QDir::toNativeSeparators(root.filePath(QLatin1String(folder)));
        environment.insert(QLatin1String(variable), path);
        qputenv(variable, QFile::encodeName(path));
    }
    data = root.filePath(QStringLiteral("data/rovalin"));
    environment.insert(QStringLiteral("ROVALIN_KILL_DATA"), data);
    if (program_in_temporary_home) {
        // The folder is the one the program takes for its own there.
        QCoreApplication::setApplicationName(QStringLiteral("rovalin"));
        QCOMPARE(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), data);
        QCOMPARE(User_Catalogues::folder(), data + QStringLiteral("/settings"));
    }
    // The program starts in a folder holding the shipped catalogues.
    for (const char *name : {"commercial_products.json", "compounds.json", "recipes.json"})
        QVERIFY(QFile::copy(QStringLiteral(ROVALIN_SETTINGS_DIR "/") + QLatin1String(name),
                            root.filePath(QStringLiteral("work/settings/") + QLatin1String(name))));
}

QStringList TestKill::left_beside() const
{
    const QStringList kept = kill_versions::files()
                             << QStringLiteral("plans.json.lock") << QStringLiteral("settings");
    QStringList left;
    for (const QString &folder : {QString(), QStringLiteral("settings/")}) {
        const QStringList names =
            QDir(data + QLatin1Char('/') + folder)
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString &name : names) {
            if (!kept.contains(folder + name))
                left << folder + name;
        }
    }
    return left;
}

// The readers the program starts with take every file as it is: nothing is
// unreadable, nothing is moved aside, and what they read is the kept version.
void TestKill::start_the_readers(const QVector<int> &_kept)
{
    {
        Plan_Store store(data);
        const QVector<Dosing_Plan> plans = store.open();
        if (!store.message().isEmpty() || store.read_only()) {
            // With what the lock it could not take holds.
            QFile lock(store.file_name() + QStringLiteral(".lock"));
            lock.open(QIODevice::ReadOnly);
            QFAIL(qPrintable(store.message() + QStringLiteral(" The lock holds «") +
                             QString::fromUtf8(lock.readAll()) + QStringLiteral("».")));
        }
        QCOMPARE(plans.size(), kill_versions::plan_count);
        QCOMPARE(plans.first().name, QStringLiteral("Аквариум %1-1").arg(_kept.at(0)));
    }
    Premix_Fertilizer products;
    Diy_Fertilizer compounds;
    DiySol_Fertilizer solutions;
    User_Catalogues::Problems problems;
    User_Catalogues::read(QStringLiteral(ROVALIN_SETTINGS_DIR), data + QStringLiteral("/settings"),
                          &products, &compounds, &solutions, &problems);
    const QStringList said = problems.products + problems.compounds + problems.recipes;
    QVERIFY2(said.isEmpty(), qPrintable(said.join(QLatin1Char('\n'))));
    QVERIFY(problems.unreadable.isEmpty());
    QVERIFY(has_entry(products, kill_versions::entry_name(Catalogue_Editor::product, _kept.at(1))));
    QVERIFY(
        has_entry(compounds, kill_versions::entry_name(Catalogue_Editor::compound, _kept.at(2))));
    QVERIFY(has_entry(products, kill_versions::entry_name(Catalogue_Editor::recipe, _kept.at(3))));
    const QStringList aside = left_beside().filter(QStringLiteral(".unreadable-"));
    QVERIFY2(aside.isEmpty(), qPrintable(aside.join(QLatin1Char(' '))));
}

// The program starts on the folder and keeps running, says nothing of its
// own, and leaves the files as they were.
void TestKill::start_the_program(const QVector<int> &_kept)
{
    QVector<QByteArray> before(_kept.size());
    for (int file = 0; file < _kept.size(); ++file) {
        QString why;
        QVERIFY2(kept_version(data, file, &before[file], &why) == _kept.at(file), qPrintable(why));
    }
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(root.filePath(QStringLiteral("work")));
    program.start(QStringLiteral(ROVALIN_PROGRAM),
                  {QStringLiteral("-platform"), QStringLiteral("offscreen")});
    QVERIFY2(program.waitForStarted(5000), qPrintable(program.errorString()));
    // A crash or a failed start would end the process well within this time.
    QVERIFY2(!program.waitForFinished(1000), program.readAllStandardError().constData());
    program.kill();
    program.waitForFinished(5000);
    // Nothing but Qt's note about XDG_RUNTIME_DIR may reach the terminal.
    const QStringList lines = QString::fromUtf8(program.readAllStandardError())
                                  .remove(QLatin1Char('\r'))
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines)
        QVERIFY2(!line.startsWith(QLatin1String("rovalin: ")) &&
                     line.contains(QLatin1String("XDG_RUNTIME_DIR")),
                 qPrintable(line));
    for (int file = 0; file < _kept.size(); ++file) {
        QByteArray content;
        QString why;
        QCOMPARE(kept_version(data, file, &content, &why), _kept.at(file));
        QVERIFY2(content == before.at(file), qPrintable(kill_versions::files().at(file)));
    }
    const QStringList aside = left_beside().filter(QStringLiteral(".unreadable-"));
    QVERIFY2(aside.isEmpty(), qPrintable(aside.join(QLatin1Char(' '))));
}

void TestKill::saves_are_whole_at_any_kill()
{
    const quint32 seed = qEnvironmentVariableIsSet("ROVALIN_KILL_SEED")
                             ? quint32(qEnvironmentVariable("ROVALIN_KILL_SEED").toUInt())
                             : QRandomGenerator::global()->generate();
    const int kills = qEnvironmentVariableIsSet("ROVALIN_KILLS")
                          ? qEnvironmentVariableIntValue("ROVALIN_KILLS")
                          : 200;
    QVERIFY(kills > 0);
    qInfo("seed %u, %d kills (ROVALIN_KILL_SEED=%u draws the same moments)", seed, kills, seed);
    std::mt19937 draw(seed);
    Expected expected;
    QVERIFY(expected.open());
    const int files = kill_versions::files().size();

    // Each run of the saver goes on from the version after the newest one kept.
    const auto run = [&](int _from, const QByteArray &_saves) {
        auto saver = std::make_unique<QProcess>();
        QProcessEnvironment run_environment = environment;
        run_environment.insert(QStringLiteral("ROVALIN_KILL_FROM"), QString::number(_from));
        if (!_saves.isEmpty())
            run_environment.insert(QStringLiteral("ROVALIN_KILL_SAVES"), _saves);
        saver->setProcessEnvironment(run_environment);
        saver->start(QStringLiteral(ROVALIN_KILL_SAVER), QStringList());
        return saver;
    };

    // Version 0, saved whole, into an empty folder.
    {
        const auto saver = run(0, "1");
        QVERIFY(saver->waitForFinished(60000));
        QVERIFY2(saver->exitStatus() == QProcess::NormalExit && saver->exitCode() == 0,
                 saver->readAllStandardError().constData());
    }
    QVector<int> kept(files, 0);
    for (int file = 0; file < files; ++file) {
        QByteArray content;
        QString why;
        QVERIFY2(kept_version(data, file, &content, &why) == 0, qPrintable(why));
        QVERIFY(content == expected.of(0).value(file));
    }

    // A kill lands in the start-up (before the files are open, the lock
    // taken) one time in five, otherwise in the saving, at most a few
    // versions in.
    std::uniform_int_distribution<int> in_start_up(0, 4);
    std::uniform_int_distribution<int> start_up_us(0, 30000);
    std::uniform_int_distribution<int> saving_us(0, 40000);

    int at_start_up = 0;
    int saving_kept = 0;
    int saving_replaced = 0;
    int between_saves = 0;
    int empty_locks = 0;
    int left_temporary = 0;
    int program_starts = 0;
    QStringList left = left_beside();
    QElapsedTimer taken;
    taken.start();
    for (int kill = 0; kill < kills; ++kill) {
        const QString at = QStringLiteral("kill %1 of seed %2").arg(kill + 1).arg(seed);
        const int from = *std::max_element(kept.begin(), kept.end()) + 1;
        const bool early = in_start_up(draw) == 0;
        const int wait_us = early ? start_up_us(draw) : saving_us(draw);
        const auto saver = run(from, QByteArray());
        QVERIFY2(saver->waitForStarted(10000), qPrintable(saver->errorString()));
        if (!early) {
            QDeadlineTimer deadline(10000);
            while (!saver->canReadLine() && saver->state() == QProcess::Running &&
                   !deadline.hasExpired())
                saver->waitForReadyRead(100);
            QVERIFY2(saver->canReadLine(), saver->readAllStandardError().constData());
        }
        QThread::usleep(ulong(wait_us));
        saver->kill();
        QVERIFY(saver->waitForFinished(10000));
        // Killed, not ended on its own: it never stops before.
        QVERIFY2(saver->exitStatus() == QProcess::CrashExit,
                 qPrintable(at + QLatin1Char(' ') + saver->readAllStandardError()));

        Said said;
        QString why;
        QVERIFY2(read_said(saver->readAllStandardOutput(), &said, &why),
                 qPrintable(at + QStringLiteral(": ") + why));
        // The version each file may be of: the one it was before the save
        // under way, or the one of that save; the ones saved before it in the
        // version under way are of it already, the ones after it not yet.
        QVector<int> found(files);
        for (int file = 0; file < files; ++file) {
            QByteArray content;
            found[file] = kept_version(data, file, &content, &why);
            const QString which =
                at + QLatin1Char(' ') + kill_versions::files().at(file) + QStringLiteral(": ");
            QVERIFY2(found.at(file) >= 0, qPrintable(which + why));
            const int previous = said.version > from ? said.version - 1 : kept.at(file);
            QVector<int> may;
            if (said.what == Said::saved)
                may = {said.version};
            else if (said.what != Said::saving)
                may = {kept.at(file)};
            else if (file < said.file)
                may = {said.version};
            else if (file > said.file)
                may = {previous};
            else
                may = {previous, said.version};
            QVERIFY2(may.contains(found.at(file)),
                     qPrintable(which + QStringLiteral("version %1 where the saver had said "
                                                       "\"%2\" last")
                                            .arg(found.at(file))
                                            .arg(said.line)));
            // Byte for byte the version it says it is: no mixture.
            QVERIFY2(content == expected.of(found.at(file)).value(file),
                     qPrintable(which +
                                QStringLiteral("not what version %1 writes").arg(found.at(file))));
        }
        if (said.what == Said::nothing)
            ++at_start_up;
        else if (said.what != Said::saving)
            ++between_saves;
        else if (found.at(said.file) == said.version)
            ++saving_replaced;
        else
            ++saving_kept;
        kept = found;
        const QFileInfo lock(data + QStringLiteral("/plans.json.lock"));
        if (lock.exists() && lock.size() == 0)
            ++empty_locks;

        start_the_readers(kept);
        if (QTest::currentTestFailed())
            return qWarning("%s", qPrintable(at));
        const QStringList now_left = left_beside();
        for (const QString &path : now_left) {
            if (!left.contains(path)) {
                ++left_temporary;
                break;
            }
        }
        left = now_left;
        if (program_in_temporary_home && ((kill + 1) % 10 == 0 || kill + 1 == kills)) {
            start_the_program(kept);
            if (QTest::currentTestFailed())
                return qWarning("%s", qPrintable(at));
            ++program_starts;
        }
    }

    // A kill that lands while a file is being saved finds it as it was, or
    // where the save had got as far as putting the new file in its place, new.
    qInfo("%d kills in %.1f s: %d in the start-up, %d while a save was under way (the file being "
          "saved found as it was %d times, already replaced %d times), %d between saves; %d left "
          "the plans' lock empty, %d a temporary file beside, %d files left in all; the program "
          "started %d times on what the kills left",
          kills, taken.elapsed() / 1000.0, at_start_up, saving_kept + saving_replaced, saving_kept,
          saving_replaced, between_saves, empty_locks, left_temporary, int(left.size()),
          program_starts);
    if (!left.isEmpty())
        qInfo("left beside: %s", qPrintable(left.join(QStringLiteral(", "))));
    if (!program_in_temporary_home)
        QSKIP("Every kill checked with the readers; the program itself was not started: on Windows "
              "it keeps its files in the user's application data folder, which no variable of a "
              "child's environment moves into a temporary one.");
}

QTEST_GUILESS_MAIN(TestKill)
#include "tst_kill.moc"
