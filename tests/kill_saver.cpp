// SPDX-License-Identifier: GPL-3.0-or-later

// Saves the user's files over and over, as tst_kill kills it: the plans and
// the three catalogues of the data folder ROVALIN_KILL_DATA, version
// ROVALIN_KILL_FROM, the next, and so on (kill_versions.h), through the
// program's own saving code, opened as the program opens them. Says on
// standard output, a line at a time as it happens:
//
//   opened                       the files are open, the plans' lock taken
//   saving <version> <file>      before each file's save
//   saved <version>              once every file of the version is saved,
//                                a few ms before the next version
//
// ROVALIN_KILL_SAVES=n saves n versions and ends; without it, it stops by
// itself after a minute, should the test that started it be gone.

#include "kill_versions.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <cstdio>

namespace {

void say(const QByteArray &_line)
{
    std::fputs((_line + '\n').constData(), stdout);
    std::fflush(stdout);
}

int fail(const QString &_why)
{
    std::fprintf(stderr, "kill_saver: %s\n", _why.toUtf8().constData());
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QString folder = qEnvironmentVariable("ROVALIN_KILL_DATA");
    bool numbered = false;
    const int from = qEnvironmentVariableIntValue("ROVALIN_KILL_FROM", &numbered);
    if (folder.isEmpty() || !numbered)
        return fail(QStringLiteral("ROVALIN_KILL_DATA and ROVALIN_KILL_FROM must be set"));
    const int saves = qEnvironmentVariableIsSet("ROVALIN_KILL_SAVES")
                          ? qEnvironmentVariableIntValue("ROVALIN_KILL_SAVES")
                          : -1;

    Plan_Store store(folder);
    store.open();
    if (store.read_only() || !store.message().isEmpty())
        return fail(store.message());
    Catalogue_Editor editor(QDir(folder).filePath(QStringLiteral("settings")));
    editor.open();
    if (!editor.status().isEmpty())
        return fail(editor.status());
    say("opened");

    const QStringList files = kill_versions::files();
    QElapsedTimer running;
    running.start();
    for (int version = from; saves < 0 ? running.elapsed() < 60000 : version < from + saves;
         ++version) {
        QString error;
        const auto before = [&](int _file) {
            say("saving " + QByteArray::number(version) + ' ' + files.at(_file).toUtf8());
        };
        if (!kill_versions::save_version(store, editor, version, before, &error))
            return fail(error);
        say("saved " + QByteArray::number(version));
        // A pause, as between a user's changes: some kills land while
        // nothing is being saved.
        QThread::msleep(5);
    }
    return 0;
}
