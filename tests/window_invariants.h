// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_WINDOW_INVARIANTS_H
#define ROVALIN_WINDOW_INVARIANTS_H

// What must hold after any user action, whatever the catalogues and inputs.

#include "window_fixture.h"

#include "base/message_text.h"
#include "dosing/diysol_fertilizer.h"
#include "dosing/type_fertilizer.h"

#include <QRegularExpression>

#include <cmath>

// The element names the table must show for the current entry, in order.
inline QStringList expected_row_names(const MainWindow &_window)
{
    const Type_Fertilizer *fert = _window.cur_fert;
    const Compound *entry =
        fert ? fert->compound_at(_window.ui->comboBox->currentIndex()) : nullptr;
    if (!entry || _window.ui->comboBox->currentIndex() >= fert->count_compounds())
        return {};
    const QString target = entry->target();
    QStringList names;
    if (!target.isEmpty() && entry->contains_element(target))
        names << target;
    for (int i = 0; i < entry->count_elements(); ++i) {
        const QString name = entry->element_at(i).name;
        if (!name.isEmpty() && name != QLatin1String("sol") && name != target)
            names << name;
    }
    return names;
}

// An empty text when every invariant holds, else what broke.
inline QString broken_invariant(const Window_Fixture &_f)
{
    const MainWindow &window = *_f.window;
    const Ui_MainWindow *ui = _f.ui;

    const bool solution = window.cur_fert == window.diysol_fert;
    if (ui->frsol->isHidden() == solution)
        return QStringLiteral("the solution inputs are %1 while %2 is current")
            .arg(ui->frsol->isHidden() ? "hidden" : "shown", window.cur_fert->get_type_fert());

    QStringList names;
    for (int row = 0; row < ui->tableWidget->rowCount(); ++row) {
        names << _f.cell(row, 0);
        bool ok = false;
        const double value = _f.cell(row, 1).toDouble(&ok);
        if (!ok || !std::isfinite(value))
            return QStringLiteral("row %1 shows \"%2\"").arg(row).arg(_f.cell(row, 1));
    }
    const QStringList expected = expected_row_names(window);
    if (names != expected)
        return QStringLiteral("rows [%1], expected [%2]")
            .arg(names.join(QLatin1Char(',')).left(200), expected.join(QLatin1Char(',')).left(200));

    static const QRegularExpression not_a_number(
        QStringLiteral("(?<![A-Za-z])(inf|nan)(?![A-Za-z])"),
        QRegularExpression::CaseInsensitiveOption);
    for (const QLabel *label : {ui->linfo, ui->ltarget_name}) {
        if (label->isHidden())
            continue;
        const QString text = label->text();
        if (!text.startsWith(message_text::head()) || !text.endsWith(message_text::tail()))
            return label->objectName() + QStringLiteral(" is no whole document: ") + text.left(300);
        if (not_a_number.match(text).hasMatch())
            return label->objectName() + QStringLiteral(" shows: ") + text.left(300);
    }
    return QString();
}

// Right after "Рассчитать": a solution with clearly more compound than its
// water dissolves gets no result but the message that says so, and one with
// clearly less is not refused. Within 0.1 % of the limit either may happen.
inline QString broken_solubility_invariant(const Window_Fixture &_f)
{
    const MainWindow &window = *_f.window;
    const Ui_MainWindow *ui = _f.ui;
    const Compound *entry = window.diysol_fert->compound_at(ui->comboBox->currentIndex());
    if (window.cur_fert != window.diysol_fert || !entry || !ui->tank_vol->hasAcceptableInput() ||
        !ui->val_methods_3->hasAcceptableInput() || !ui->val_methods_2->hasAcceptableInput())
        return QString();
    const double limit = entry->solubility();
    if (!std::isfinite(limit) || limit <= 0)
        return QString();

    const QLocale locale = QLocale::system();
    const double grams = locale.toDouble(ui->val_methods_2->text());
    const double per_litre = grams * 1000 / locale.toDouble(ui->val_methods_3->text());
    const bool refused =
        ui->linfo->isVisible() &&
        ui->linfo->text().startsWith(message_text::head() +
                                     QStringLiteral("Столько вещества не растворится"));
    if ((per_litre > limit * 1.001 && !refused) || (per_litre < limit * 0.999 && refused))
        return QStringLiteral("%1 g/l of %2, which dissolves up to %3 g/l: %4")
            .arg(per_litre)
            .arg(entry->name(), QString::number(limit), ui->linfo->text().left(300));
    return QString();
}

#endif // ROVALIN_WINDOW_INVARIANTS_H
