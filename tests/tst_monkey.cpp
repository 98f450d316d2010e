// SPDX-License-Identifier: GPL-3.0-or-later

// Ten thousand random user actions over catalogues with tricky entries, with
// the window's invariants checked after every one (and after every
// calculation, that no solution is worked out that cannot dissolve). The seed is printed; set
// ROVALIN_MONKEY_SEED to replay a run, ROVALIN_MONKEY_ACTIONS for more actions.

#include "window_invariants.h"

#include <QRandomGenerator>

namespace {

Catalogues tricky_catalogues()
{
    const QByteArray entries = R"([
        {"name": "Soluble", "target": "K", "K": 0.4, "solubility": {"g_per_l": 300, "at_c": 20}},
        {"name": "Plain", "target": "Fe", "Fe": 1, "K": 5, "N": 2},
        {"name": "Huge", "target": "K", "K": 1e308, "N": 1e300},
        {"name": "Tiny", "target": "K", "K": 5e-324, "N": 1e-300},
        {"name": "Denormal target", "target": "N", "N": 1e-310, "K": 1e10},
        {"name": "Negative", "target": "K", "K": -1, "N": 0.5},
        {"name": "Zero target", "target": "P", "P": 0, "K": 1},
        {"name": "No target", "N": 3, "P": 1},
        {"name": "Missing target", "target": "Mg", "N": 2},
        {"name": "Only sol", "sol": 100},
        {"name": "Sol target", "target": "sol", "sol": 5, "K": 1},
        {"name": "", "": 5, "K": 0.2},
        {"name": 5, "N": 1},
        {"name": "<b>Bold</b> & <i>", "target": "<i>", "<i>": 0.5, "&amp;": 1},
        {"name": "Plain", "target": "Fe", "Fe": 0.25},
        {"name": "Many", "target": "S", "B": 0.01, "Ca": 0.1, "Cl": 0.2, "Cu": 0.001,
         "Fe": 0.02, "K": 0.3, "Mg": 0.05, "Mn": 0.01, "Mo": 0.0001, "N": 0.14, "Na": 0.1,
         "P": 0.2, "S": 0.18, "Zn": 0.002, "b": 1, "sol": 300},
        {"name": "Vastly soluble", "target": "K", "K": 0.4,
         "solubility": {"g_per_l": 1e308, "at_c": -1e308}},
        {"name": "Odd solubility", "target": "K", "K": 0.4, "solubility": {"g_per_l": "x"}},
        {"name": "Barely soluble", "target": "K", "K": 0.4, "solubility": {"g_per_l": 5e-324}}
    ])";
    Catalogues catalogues;
    catalogues.products = entries;
    catalogues.compounds = entries;
    return catalogues;
}

// Keys a user may press in a number field: both decimal separators, group
// separators, signs, exponents, letters and Cyrillic.
const QString keys = QStringLiteral("0123456789012345.,.,  \u00a0+-eE1aжЖ'");

QString random_text(QRandomGenerator &_random)
{
    QString text;
    const int length = _random.bounded(9);
    for (int i = 0; i < length; ++i)
        text += keys.at(_random.bounded(keys.size()));
    return text;
}

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT

private slots:
    void random_actions_keep_the_window_sound();

private:
    Window_Fixture f;
};

void TestMonkey::random_actions_keep_the_window_sound()
{
    const quint32 seed = qEnvironmentVariableIsSet("ROVALIN_MONKEY_SEED")
                             ? quint32(qEnvironmentVariable("ROVALIN_MONKEY_SEED").toUInt())
                             : QRandomGenerator::global()->generate();
    const int actions = qEnvironmentVariableIsSet("ROVALIN_MONKEY_ACTIONS")
                            ? qEnvironmentVariableIntValue("ROVALIN_MONKEY_ACTIONS")
                            : 10000;
    qInfo("monkey seed %u (replay with ROVALIN_MONKEY_SEED=%u)", seed, seed);
    QRandomGenerator random(seed);
    QVERIFY(f.open(tricky_catalogues()));

    Ui_MainWindow *ui = f.ui;
    QLineEdit *const fields[] = {ui->tank_vol, ui->val_methods, ui->val_methods_3,
                                 ui->val_methods_2};
    QRadioButton *const kinds[] = {ui->rbpremix, ui->rbdiy, ui->rbdiysol};
    QStringList history;
    for (int step = 0; step < actions; ++step) {
        QString action;
        switch (random.bounded(10)) {
        case 0:
        case 1: { // type, as the validator lets the keys through
            QLineEdit *field = fields[random.bounded(4)];
            const QString text = random_text(random);
            Window_Fixture::type(field, text);
            action = QStringLiteral("type \"%1\" into %2").arg(text, field->objectName());
            break;
        }
        case 2: { // paste, which the validator does not filter
            QLineEdit *field = fields[random.bounded(4)];
            const QString text = random_text(random);
            field->setText(text);
            action = QStringLiteral("paste \"%1\" into %2").arg(text, field->objectName());
            break;
        }
        case 3: {
            QRadioButton *kind = kinds[random.bounded(3)];
            Window_Fixture::click_radio(kind);
            action = QStringLiteral("click ") + kind->objectName();
            break;
        }
        case 4: {
            const int key = random.bounded(4);
            ui->comboBox->setFocus();
            QTest::keyClick(ui->comboBox, key == 0   ? Qt::Key_Down
                                          : key == 1 ? Qt::Key_Up
                                          : key == 2 ? Qt::Key_End
                                                     : Qt::Key_Home);
            action =
                QStringLiteral("entry key %1 -> %2").arg(key).arg(ui->comboBox->currentIndex());
            break;
        }
        case 5:
            Window_Fixture::choose(ui->calc_methods, random.bounded(2));
            action = QStringLiteral("method %1").arg(ui->calc_methods->currentIndex());
            break;
        case 6:
        case 7:
        case 8: {
            f.calculate();
            action = QStringLiteral("calculate");
            const QString broken = broken_solubility_invariant(f);
            if (!broken.isEmpty())
                QFAIL(qPrintable(
                    QStringLiteral("seed %1, action %2: %3").arg(seed).arg(step).arg(broken)));
            break;
        }
        default: {
            QEvent change(QEvent::LanguageChange);
            QCoreApplication::sendEvent(f.window.get(), &change);
            action = QStringLiteral("language change");
            break;
        }
        }
        history << action;
        if (history.size() > 12)
            history.removeFirst();

        const QString broken = broken_invariant(f);
        if (!broken.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3\nlast actions:\n  %4")
                                 .arg(seed)
                                 .arg(step)
                                 .arg(broken, history.join(QStringLiteral("\n  ")))));
    }
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
