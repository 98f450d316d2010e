// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/designer_window.h"

#include "app/editor_window.h"
#include "app/table_cells.h"
#include "base/message_text.h"
#include "base/number_text.h"
#include "catalogue/catalogue_editor.h"
#include "chemistry/teaspoon.h"

#include <QDoubleSpinBox>
#include <QEvent>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using message_text::number;
using number_text::figure;
using namespace table_cells;

namespace {

enum Target_Column { target_key, target_wanted, target_got, target_deviation };
enum Salt_Column { salt_name, salt_grams, salt_spoons, salt_share, salt_bottle };

QString bottle_letter(int _bottle)
{
    return _bottle < 0 ? QString() : QString(QChar(u'A' + _bottle));
}

// «Name A», «Name B»: recipes named in a sentence.
QString quoted(const QStringList &_names)
{
    QStringList marked;
    for (const QString &name : _names)
        marked << Designer_Window::tr("«%1»").arg(name);
    return marked.join(QStringLiteral(", "));
}

} // namespace

Designer_Window::Designer_Window(const Type_Fertilizer *_compounds, Catalogue_Editor *_entries,
                                 QWidget *_parent)
    : QWidget(_parent, Qt::Window), designer(_compounds), entries(_entries), compounds(_compounds)
{
    setObjectName(QStringLiteral("designer"));
    build();
    redraw();
    // Wide enough for both tables where the screen is.
    // The salts in spoons take room only once they are ticked and solved.
    const int spoons = salts->fontMetrics().horizontalAdvance(Teaspoon::text(5.4, 1)) +
                       2 * salts->fontMetrics().averageCharWidth();
    const int salts_width =
        salts->horizontalHeader()->length() +
        std::max(0, spoons - salts->horizontalHeader()->sectionSize(salt_spoons)) +
        2 * salts->frameWidth() + salts->verticalScrollBar()->sizeHint().width();
    int wide = targets->minimumWidth() + salts_width + split->handleWidth() + 24;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        wide = std::min(wide, screen->availableGeometry().width() * 9 / 10);
    resize(wide, fontMetrics().height() * 42);
    split->setSizes({targets->minimumWidth(), salts_width});
}

void Designer_Window::build()
{
    tank = spin_box("designer_tank", plan_limits::tank_min, plan_limits::tank_max, this);
    tank->setValue(designer.tank());
    water = spin_box("designer_water", 1, 10000, this);
    water->setValue(int(designer.water()));
    dose = new Decimal_Spin_Box(this);
    dose->setObjectName(QStringLiteral("designer_dose"));
    dose->setRange(0.01, 10000);
    dose->setDecimals(2);
    dose->setKeyboardTracking(false);
    dose->setValue(designer.dose());
    name = new QLineEdit(designer.name(), this);
    name->setObjectName(QStringLiteral("designer_name"));

    auto *settings = new QFormLayout;
    tank_label = form_row(settings, tank);
    water_label = form_row(settings, water);
    dose_label = form_row(settings, dose);
    name_label = form_row(settings, name);

    // Their headers are set with the other texts.
    const QStringList four{QString(), QString(), QString(), QString()};
    targets = table(four, "designer_targets", this);
    salts = table(four + QStringList{QString()}, "designer_salts", this);
    salts->horizontalHeader()->setStretchLastSection(true);
    suggest = button(QString(), "designer_suggest", this);
    check = new QLabel(this);
    check->setObjectName(QStringLiteral("designer_check"));
    check->setWordWrap(true);
    check->setTextFormat(Qt::PlainText);
    status = new QLabel(this);
    status->setObjectName(QStringLiteral("designer_status"));
    status->setWordWrap(true);
    status->setTextFormat(Qt::PlainText);
    save_button = button(QString(), "designer_save", this);
    plan_button = button(QString(), "designer_plan", this);

    auto *left = new QWidget(this);
    auto *left_layout = new QVBoxLayout(left);
    left_layout->setContentsMargins(0, 0, 0, 0);
    left_layout->addLayout(settings);
    left_layout->addWidget(targets, 1);
    auto *right = new QWidget(this);
    auto *right_layout = new QVBoxLayout(right);
    right_layout->setContentsMargins(0, 0, 0, 0);
    right_layout->addWidget(salts, 1);
    auto *suggest_row = new QHBoxLayout;
    suggest_row->addWidget(suggest);
    suggest_row->addStretch(1);
    right_layout->addLayout(suggest_row);
    split = new QSplitter(this);
    split->setObjectName(QStringLiteral("designer_split"));
    split->setChildrenCollapsible(false);
    split->addWidget(left);
    split->addWidget(right);
    split->setStretchFactor(1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(status, 1);
    buttons->addWidget(save_button);
    buttons->addWidget(plan_button);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(split, 1);
    layout->addWidget(check);
    layout->addLayout(buttons);
    retranslate();

    const auto spun = QOverload<int>::of(&QSpinBox::valueChanged);
    connect(tank, spun, this, [this](int _litres) {
        designer.set_tank(_litres);
        redraw();
    });
    connect(water, spun, this, [this](int _ml) {
        designer.set_water(_ml);
        redraw();
    });
    connect(dose, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this, [this](double _ml) {
        designer.set_dose(_ml);
        redraw();
    });
    connect(name, &QLineEdit::textChanged, this, [this](const QString &_name) {
        designer.set_name(_name);
        redraw();
    });
    connect(targets, &QTableWidget::itemChanged, this, &Designer_Window::target_changed);
    connect(salts, &QTableWidget::itemChanged, this, &Designer_Window::salt_changed);
    connect(suggest, &QPushButton::clicked, this, [this] {
        designer.suggest();
        redraw();
    });
    connect(save_button, &QPushButton::clicked, this, [this] { save(); });
    connect(plan_button, &QPushButton::clicked, this, [this] {
        if (save())
            emit to_plan(designer.plan_items(), designer.tank());
    });
}

void Designer_Window::retranslate()
{
    setWindowTitle(tr("Подбор рецепта"));
    tank_label->setText(tr("Аквариум:"));
    tank->setSuffix(tr(" л"));
    water_label->setText(tr("Воды в бутылке:"));
    water->setSuffix(tr(" мл"));
    dose_label->setText(tr("Доза:"));
    dose->setSuffix(tr(" мл в неделю"));
    name_label->setText(tr("Название:"));
    targets->setHorizontalHeaderLabels({tr("Элемент"), tr("Хочу, мг/л в неделю"),
                                        tr("Получится, мг/л в неделю"), tr("Отклонение, %")});
    salts->setHorizontalHeaderLabels(
        {tr("Вещество"), tr("Граммы"), tr("Ложкой"), tr("Растворимость, %"), tr("Бутылка")});
    suggest->setText(tr("Предложить"));
    suggest->setToolTip(tr("Отметить для каждой цели первые в списке вещества, которые её "
                           "дают, — столько, сколько нужно для всех целей"));
    save_button->setText(tr("Сохранить как рецепт"));
    plan_button->setText(tr("Добавить в план"));
}

void Designer_Window::changeEvent(QEvent *_event)
{
    if (_event->type() == QEvent::LanguageChange) {
        retranslate();
        // The check is made as the model works the grams out: worked out
        // again, the same grams, in the new language.
        refresh();
        show_status();
    }
    QWidget::changeEvent(_event);
}

void Designer_Window::show_status()
{
    if (!refusal.isEmpty())
        status->setText(refusal);
    else if (save_failed)
        status->setText(entries->status());
    else if (!saved_names.isEmpty())
        status->setText(tr("Сохранено в «Мои удобрения»: %1.").arg(quoted(saved_names)));
    else
        status->clear();
}

void Designer_Window::present()
{
    show();
    raise();
    activateWindow();
}

void Designer_Window::refresh()
{
    designer.refresh();
    redraw();
}

void Designer_Window::redraw()
{
    const QBrush grey = palette().brush(QPalette::Disabled, QPalette::Text);
    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    {
        const QSignalBlocker blocker(targets);
        const QVector<Recipe_Designer::Target_Row> &rows = designer.targets();
        targets->setRowCount(rows.size());
        for (int row = 0; row < rows.size(); ++row) {
            const Recipe_Designer::Target_Row &target = rows.at(row);
            const QBrush colour = target.target() ? QBrush() : grey;
            write(cell(targets, row, target_key), target.key, shown);
            QTableWidgetItem *wanted = cell(targets, row, target_wanted);
            if (target.target())
                write_figure(wanted, figure(target.wanted), target.wanted,
                             shown | Qt::ItemIsEditable);
            else
                write(wanted, QString(), shown | Qt::ItemIsEditable);
            write(cell(targets, row, target_got), figure(target.got), shown, colour);
            write(cell(targets, row, target_deviation),
                  target.target() ? number(std::round(target.deviation() * 10) / 10) : QString(),
                  shown);
        }
    }
    {
        const QSignalBlocker blocker(salts);
        const QVector<Recipe_Designer::Salt_Row> &rows = designer.salts();
        salts->setRowCount(rows.size());
        for (int row = 0; row < rows.size(); ++row) {
            const Recipe_Designer::Salt_Row &salt = rows.at(row);
            QTableWidgetItem *named = cell(salts, row, salt_name);
            write(named, salt.shown, shown | Qt::ItemIsUserCheckable);
            named->setCheckState(salt.used ? Qt::Checked : Qt::Unchecked);
            write(cell(salts, row, salt_grams), salt.used ? figure(salt.grams) : QString(), shown);
            const bool weighed = salt.used && salt.grams > 0;
            QTableWidgetItem *spoons = cell(salts, row, salt_spoons);
            write(spoons, weighed ? Teaspoon::text(salt.grams, salt.teaspoon) : QString(), shown);
            spoons->setToolTip(weighed ? Teaspoon::tip(salt.teaspoon, salt.teaspoon_source)
                                       : QString());
            QTableWidgetItem *share = cell(salts, row, salt_share);
            const bool unknown = !std::isfinite(salt.limit);
            write(share,
                  !salt.used ? QString()
                  : unknown  ? tr("не проверить")
                             : number(std::round(salt.share() * 10) / 10),
                  shown, salt.at_limit() ? QBrush(Qt::red) : QBrush());
            share->setToolTip(salt.used && unknown
                                  ? tr("Растворимость этого вещества не известна: проверить, "
                                       "растворится ли столько в воде бутылки, нельзя.")
                                  : QString());
            write(cell(salts, row, salt_bottle), bottle_letter(salt.bottle), shown);
        }
    }
    // The targets are read across: their table is as wide as its columns.
    targets->setMinimumWidth(targets->horizontalHeader()->length() + 2 * targets->frameWidth() +
                             targets->verticalScrollBar()->sizeHint().width());
    check->setText(designer.check().join(QLatin1Char('\n')));
    check->setVisible(!designer.check().isEmpty());
    const bool any = designer.bottle_count() > 0 && !designer.name().isEmpty();
    save_button->setEnabled(any);
    plan_button->setEnabled(any);
}

void Designer_Window::target_changed(QTableWidgetItem *_item)
{
    if (_item->column() != target_wanted)
        return;
    // Anything that is not a target is refused: the cell shows what stands,
    // and the status says why.
    if (!designer.type_wanted(_item->row(), _item->text(), &refusal)) {
        const QSignalBlocker blocker(targets);
        const Recipe_Designer::Target_Row &row = designer.targets().at(_item->row());
        write_figure(_item, row.target() ? figure(row.wanted) : QString(), row.wanted,
                     _item->flags());
    }
    show_status();
    redraw();
}

void Designer_Window::salt_changed(QTableWidgetItem *_item)
{
    if (_item->column() != salt_name)
        return;
    designer.set_used(_item->row(), _item->checkState() == Qt::Checked);
    redraw();
}

bool Designer_Window::may_quit()
{
    return table_cells::saved_before_quitting(
        this, [this] { return save_failed; },
        [this] {
            present();
            return tr("%1\n\nСохранить ещё раз перед выходом?").arg(status->text());
        },
        [this] { save(); });
}

bool Designer_Window::save()
{
    refusal.clear();
    const QVector<Catalogue_Editor::Draft> recipes = designer.recipes();
    if (recipes.isEmpty())
        return false;
    entries->open();
    if (!Editor_Window::may_save_into(this, entries, Catalogue_Editor::recipe)) {
        // Refused, or the file could not be moved: the status says which.
        saved_names.clear();
        save_failed = true;
        show_status();
        return false;
    }
    const QStringList taken = entries->names(Catalogue_Editor::recipe);
    QStringList replaced;
    for (const Catalogue_Editor::Draft &recipe : recipes) {
        if (taken.contains(recipe.name))
            replaced << recipe.name;
    }
    if (!replaced.isEmpty() &&
        QMessageBox::question(
            this, windowTitle(),
            tr("В ваших рецептах уже есть %1. Заменить?").arg(quoted(replaced))) !=
            QMessageBox::Yes)
        return false;
    QStringList written;
    for (const Catalogue_Editor::Draft &recipe : recipes) {
        const int index = entries->save(recipe, int(taken.indexOf(recipe.name)), *compounds);
        if (index < 0) {
            saved_names.clear();
            save_failed = true;
            show_status();
            if (!written.isEmpty())
                emit saved();
            return false;
        }
        written << recipe.name;
    }
    saved_names = written;
    save_failed = false;
    show_status();
    emit saved();
    return true;
}
