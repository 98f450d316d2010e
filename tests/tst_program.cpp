// SPDX-License-Identifier: GPL-3.0-or-later

// The installed program as a user starts it: from a folder holding settings/,
// with Qt's own options passed through.

#include <QtTest>

class TestProgram : public QObject
{
    Q_OBJECT

private slots:
    void starts_and_keeps_running_data();
    void starts_and_keeps_running();
};

void TestProgram::starts_and_keeps_running_data()
{
    QTest::addColumn<bool>("settings");
    QTest::newRow("shipped catalogues") << true;
    QTest::newRow("no settings folder") << false;
}

void TestProgram::starts_and_keeps_running()
{
    QFETCH(bool, settings);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    if (settings) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("settings")));
        for (const char *name : {"compounds.json", "commercial_products.json"})
            QVERIFY(QFile::copy(QStringLiteral(ROVALIN_SETTINGS_DIR "/") + QLatin1String(name),
                                dir.filePath(QStringLiteral("settings/") + QLatin1String(name))));
    }

    QProcess program;
    program.setWorkingDirectory(dir.path());
    program.start(QStringLiteral(ROVALIN_PROGRAM),
                  {QStringLiteral("-platform"), QStringLiteral("offscreen")});
    QVERIFY2(program.waitForStarted(5000), qPrintable(program.errorString()));
    // A crash or a failed start would end the process well within this time.
    QVERIFY(!program.waitForFinished(1500));
    QCOMPARE(program.state(), QProcess::Running);
    program.kill();
    program.waitForFinished(5000);

    // Nothing but Qt's note about XDG_RUNTIME_DIR and, without catalogues,
    // where they were looked for may reach the terminal, in the language the
    // program speaks: the system's (English under wine, say) or the one chosen.
    QStringList expected;
    QStringList expected_in_english;
    if (!settings) {
        const QString folder = QDir(dir.path()).canonicalPath() + QStringLiteral("/settings");
        for (const char *name : {"commercial_products.json", "compounds.json"}) {
            expected << QStringLiteral("rovalin: %1/%2: нет папки %1").arg(folder, name);
            expected_in_english
                << QStringLiteral("rovalin: %1/%2: folder %1 does not exist").arg(folder, name);
        }
    }
    QStringList own;
    // Windows ends the lines with CR LF.
    const QStringList lines = QString::fromUtf8(program.readAllStandardError())
                                  .remove(QLatin1Char('\r'))
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1String("rovalin: ")))
            own << line;
        else
            QVERIFY2(line.contains(QLatin1String("XDG_RUNTIME_DIR")), qPrintable(line));
    }
    if (own != expected_in_english)
        QCOMPARE(own, expected);
}

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
