// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/mainwindow.h"

#include "ui_mainwindow.h"

#include "app/designer_window.h"
#include "app/editor_window.h"
#include "app/plan_window.h"
#include "base/language.h"
#include "base/message_text.h"
#include "catalogue/catalogue_reader.h"
#include "catalogue/recipe_reader.h"
#include "catalogue/user_catalogues.h"
#include "dosing/diy_fertilizer.h"
#include "dosing/diysol_fertilizer.h"
#include "dosing/premix_fertilizer.h"

#include <QAction>
#include <QActionGroup>
#include <QBrush>
#include <QCloseEvent>
#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QDoubleValidator>
#include <QEvent>
#include <QFileInfo>
#include <QIntValidator>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QTableWidgetItem>
#include <QUrl>
#include <QVector>

#include <cmath>
#include <cstdio>
#include <initializer_list>

using namespace message_text;

namespace {

// Caption of val_methods: the reference element (method 0) or what is added (method 1).
QString caption(const QString &_text)
{
    return head() + green() + _text + QStringLiteral(" :") + close() + tail();
}

// The calculation methods, in the order of calc_methods: index 0 is method 0
// (wanted concentration -> dose), index 1 method 1.
const char *const method_texts[] = {
    QT_TRANSLATE_NOOP("Message_Text", "Итоговая концентрация, мг/л"),
    QT_TRANSLATE_NOOP("Message_Text", "Вносимое количество"),
};

// Method 0 needs a reference element to work out a dose from.
QString no_reference_message(const Compound &_entry)
{
    return rich(Message_Text::tr("У <green>%1</green> нет опорного элемента,<br>расчет возможен "
                                 "только по условию<br><green>%2</green>"))
        .arg(escaped(_entry.shown_name()), Message_Text::tr(method_texts[1]));
}

// ... and a positive content of it: with 0 the dose would be infinite.
QString unusable_reference_message(const Compound &_entry, const Element &_reference)
{
    const QString sentence =
        _reference.value == 0.0
            ? Message_Text::tr("Содержание элемента <green>%1</green> в <green>%2</green> равно "
                               "нулю,<br>расчет возможен только по условию<br><green>%3</green>")
            : Message_Text::tr(
                  "Содержание элемента <green>%1</green> в <green>%2</green> указано "
                  "неверно,<br>расчет возможен только по условию<br><green>%3</green>");
    return rich(sentence).arg(escaped(_reference.name), escaped(_entry.shown_name()),
                              Message_Text::tr(method_texts[1]));
}

// A result a double cannot hold, from extreme catalogue values.
QString out_of_range_message(const Compound &_entry)
{
    return rich(Message_Text::tr("Для <green>%1</green> результат расчета выходит за пределы "
                                 "допустимых чисел.<br>Проверьте значения элементов в каталоге"))
        .arg(escaped(_entry.shown_name()));
}

// Elements that get a row of their own: not "sol", and not the reference
// element, which stands in row 0.
bool shown_in_own_row(const QString &_name, const QString &_target)
{
    return !_name.isEmpty() && _name != QLatin1String("sol") &&
           (_target.isEmpty() || _name != _target);
}

// The README the About box points to: next to the catalogues when the program
// runs from its source tree, else where an installation puts it.
QString readme_url()
{
    QString path = QDir::current().absoluteFilePath(QStringLiteral("README.md"));
    if (!QFileInfo::exists(path))
        path = QCoreApplication::applicationDirPath() +
               QStringLiteral("/" ROVALIN_README_FROM_PROGRAM);
    return QString::fromLatin1(QUrl::fromLocalFile(QDir::cleanPath(path)).toEncoded())
        .toHtmlEscaped();
}

// The system's locale as the fields are checked and read with it: its
// decimal separator, but digits never grouped, so that a separator typed in
// the wrong place is refused, never read as thousands.
QLocale typed_locale()
{
    QLocale locale = QLocale::system();
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    return locale;
}

} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    ui = new Ui_MainWindow();
    cur_fert = nullptr;
    premix_fert = nullptr;
    diy_fert = nullptr;
    diysol_fert = nullptr;

    methods_validator = new QDoubleValidator(0.01, 1000, 2);
    tank_validator = new QIntValidator(1, 10000);
    substance_validator = new QDoubleValidator(0.01, 10000, 2);
    water_validator = new QIntValidator(1, 10000);
    for (QValidator *validator : std::initializer_list<QValidator *>{
             methods_validator, tank_validator, substance_validator, water_validator})
        validator->setLocale(typed_locale());

    load_compounds(0);
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowCloseButtonHint);
    change_type_fertilizers();

    methods_validator->setNotation(QDoubleValidator::StandardNotation);
    ui->val_methods->setValidator(methods_validator);
    ui->tank_vol->setValidator(tank_validator);
    substance_validator->setNotation(QDoubleValidator::StandardNotation);
    ui->val_methods_2->setValidator(substance_validator);
    ui->val_methods_3->setValidator(water_validator);

    // The plan, after the build-up in «Расчёт».
    action_plan_add = new QAction(this);
    action_plan_add->setObjectName(QStringLiteral("action_plan_add"));
    action_plan_add->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L));
    action_plan_add->setEnabled(false);
    action_plan = new QAction(this);
    action_plan->setObjectName(QStringLiteral("action_plan"));
    action_plan->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    ui->menu_calc->addAction(action_plan_add);
    ui->menu_calc->addAction(action_plan);
    connect(action_plan_add, &QAction::triggered, action_plan_add, [this] {
        Plan_Window *window = plan_window();
        window->add_calculation(calculated_item, calculated_tank);
        window->present();
    });
    connect(action_plan, &QAction::triggered, action_plan, [this] { plan_window()->present(); });
    // The user's own entries, after the plan.
    action_editor = new QAction(this);
    action_editor->setObjectName(QStringLiteral("action_editor"));
    ui->menu_calc->addAction(action_editor);
    connect(action_editor, &QAction::triggered, action_editor,
            [this] { editor_window()->present(); });
    action_designer = new QAction(this);
    action_designer->setObjectName(QStringLiteral("action_designer"));
    ui->menu_calc->addAction(action_designer);
    connect(action_designer, &QAction::triggered, action_designer,
            [this] { designer_window()->present(); });
    // The language, between «Расчёт» and «Справка»: the form's two actions,
    // one of them checked, the one in use.
    menu_language = new QMenu(ui->menuBar);
    menu_language->setObjectName(QStringLiteral("menu_language"));
    menu_language->addAction(ui->actionEnglish);
    menu_language->addAction(ui->actionRussian);
    ui->menuBar->insertMenu(ui->menu->menuAction(), menu_language);
    auto *languages = new QActionGroup(this);
    languages->addAction(ui->actionEnglish);
    languages->addAction(ui->actionRussian);
    ui->actionEnglish->setChecked(Language::current() == Language::english);
    ui->actionRussian->setChecked(Language::current() == Language::russian);
    connect(ui->actionEnglish, &QAction::triggered, ui->actionEnglish,
            [this] { choose_language(Language::english); });
    connect(ui->actionRussian, &QAction::triggered, ui->actionRussian,
            [this] { choose_language(Language::russian); });
    set_menu_texts();

    // Another entry, kind or method puts catalogue figures or nothing in the
    // table. These connections reach no slot of the window.
    const auto changed = QOverload<int>::of(&QComboBox::currentIndexChanged);
    connect(ui->comboBox, changed, ui->comboBox, [this] { set_calculated(false); });
    connect(ui->calc_methods, changed, ui->calc_methods, [this] { set_calculated(false); });
    connect(ui->action_dynamics, &QAction::triggered, ui->action_dynamics,
            [this] { show_dynamics(); });
}

MainWindow::~MainWindow()
{
    delete ui;
    // The line edits only keep guarded pointers to their validators.
    delete methods_validator;
    delete tank_validator;
    delete water_validator;
    delete substance_validator;
    delete premix_fert;
    delete diy_fert;
    delete diysol_fert;
}

void MainWindow::load_compounds(int _type)
{
    if (!premix_fert)
        premix_fert = new Premix_Fertilizer;
    if (!diy_fert)
        diy_fert = new Diy_Fertilizer;
    if (!diysol_fert)
        diysol_fert = new DiySol_Fertilizer;

    const QString folder = QDir(QDir::currentPath()).absolutePath() + QStringLiteral("/settings/");
    // The shipped catalogues, then the user's own.
    User_Catalogues::Problems problems;
    User_Catalogues::read(folder, User_Catalogues::folder(), premix_fert, diy_fert, diysol_fert,
                          &problems);
    const QStringList &product_problems = problems.products;
    const QStringList &compound_problems = problems.compounds;
    const QStringList &recipe_problems = problems.recipes;
    compounds_problems = compound_problems.join(QLatin1Char('\n'));
    products_problems = (product_problems + recipe_problems).join(QLatin1Char('\n'));
    // The methods and limits the plans are read against; without the file
    // there is nothing to compare with, and the plan window says so.
    QStringList target_problems;
    targets = Dosing_Targets();
    targets_problems.clear();
    const QString targets_file = QStringLiteral("targets.json");
    const QFileInfo targets_info(folder + targets_file);
    if (targets_info.exists() || targets_info.isSymLink())
        read_targets(folder + targets_file, &targets, &target_problems);
    else
        targets_problems = Plan_Window::tr("Нет файла %1: сравнивать не с чем.")
                               .arg(QDir::toNativeSeparators(folder + targets_file));
    if (!target_problems.isEmpty())
        targets_problems = target_problems.join(QLatin1Char('\n'));
    // A user who edits the catalogues by hand learns from a terminal what is
    // wrong with them, and where.
    // Once: when the catalogues are read again after an edit in the program,
    // its window has said what is wrong.
    if (!catalogues_reported) {
        for (const QString &problem :
             product_problems + compound_problems + recipe_problems + target_problems)
            std::fprintf(stderr, "rovalin: %s\n", problem.toUtf8().constData());
        std::fflush(stderr);
        catalogues_notice = User_Catalogues::unreadable_notice(problems.unreadable);
        catalogues_reported = true;
    }

    switch (_type) {
    case 0:
        cur_fert = premix_fert;
        break;
    case 1:
        cur_fert = diy_fert;
        break;
    case 2:
        cur_fert = diysol_fert;
        break;
    default:
        break;
    }
}

void MainWindow::change_compound(int _index)
{
    Q_UNUSED(_index)
    show_data(false);
}

void MainWindow::counting_compound()
{
    ui->linfo->hide();
    set_calculated(false);

    if (!ui->tank_vol->hasAcceptableInput()) {
        inform(rich(Message_Text::tr("Объём аквариума должен находится в диапазоне <br><green>от "
                                     "%1 до %2 литров </green><br> включительно"))
                   .arg(QString::number(tank_validator->bottom()),
                        QString::number(tank_validator->top())));
        return;
    }
    // A recipe whose salt cannot dissolve in its water gives no figure at all.
    const Compound *entry =
        cur_fert ? cur_fert->compound_at(ui->comboBox->currentIndex()) : nullptr;
    if (entry && !entry->refusal().isEmpty()) {
        inform(entry->refusal());
        return;
    }
    if (!cur_fert || cur_fert->get_type_fert() != QLatin1String("diy_sol")) {
        show_data(true);
        return;
    }
    if (!ui->val_methods_3->hasAcceptableInput()) {
        inform(rich(Message_Text::tr("Объём воды должен находится в диапазоне <br><green>от %1 до "
                                     "%2 мл </green><br> включительно"))
                   .arg(QString::number(water_validator->bottom()),
                        QString::number(water_validator->top())));
        return;
    }
    if (!ui->val_methods_2->hasAcceptableInput()) {
        inform(rich(Message_Text::tr("Количество хим.вещества должно находится в диапазоне "
                                     "<br><green>от %1 до %2 г</green><br> включительно"))
                   .arg(number(substance_validator->bottom()), number(substance_validator->top())));
        return;
    }
    // A solution with more compound than the water dissolves would be weaker
    // than every figure worked out from it.
    const QLocale locale = typed_locale();
    const QString undissolved = diysol_fert->undissolved_message(
        ui->comboBox->currentIndex(), locale.toDouble(ui->val_methods_2->text()),
        qRound(locale.toDouble(ui->val_methods_3->text())));
    if (!undissolved.isEmpty()) {
        inform(undissolved);
        return;
    }
    show_data(true);
}

void MainWindow::change_type_fertilizers()
{
    if (ui->comboBox->count() > 0)
        ui->comboBox->clear();
    if (!cur_fert)
        return;

    const int n = cur_fert->count_compounds();
    if (n == 0) {
        ui->tableWidget->setRowCount(0);
        ui->frcalculation->hide();
        ui->comboBox->insertItem(0, Message_Text::tr("%1 пуст").arg(cur_fert->get_list_title()));
        // Hovering over the list says why it is empty.
        const QString &why = cur_fert == premix_fert ? products_problems : compounds_problems;
        if (!why.isEmpty())
            ui->comboBox->setItemData(0, why, Qt::ToolTipRole);
    } else {
        // One insertion of all titles: inserting them one by one makes the
        // list's model announce every row, a sixth of the start-up with a
        // long catalogue. The list ends up the same, with the same signals.
        QStringList titles;
        titles.reserve(n);
        for (int i = 0; i < n; ++i)
            titles.append(cur_fert->compound_at(i)->shown_name());
        ui->comboBox->insertItems(0, titles);
        // Resting the mouse on an entry says what is wrong with it, or what to
        // beware of.
        for (int i = 0; i < n; ++i) {
            const QString note = cur_fert->compound_at(i)->note();
            if (!note.isEmpty())
                ui->comboBox->setItemData(i, note, Qt::ToolTipRole);
        }
    }
    ui->linput_type_fert->setText(cur_fert->get_choose_title());
}

void MainWindow::hide_widgets(int _index)
{
    Q_UNUSED(_index)
    ui->linfo->hide();
}

void MainWindow::change_calc_methods(int _index)
{
    ui->ltarget_name->hide();

    const int k = ui->comboBox->currentIndex();
    if (k == -1 || _index == -1 || !cur_fert || !cur_fert->compound_at(k))
        return;
    const Compound *entry = cur_fert->compound_at(k);

    QString name = QStringLiteral("");
    if (!entry->target().isEmpty())
        name = entry->find_element(entry->target()).name;

    ui->ltarget_name->show();
    if (_index == 0)
        ui->ltarget_name->setText(caption(escaped(name)));
    else if (_index == 1)
        ui->ltarget_name->setText(caption(cur_fert->get_input_title()));
}

void MainWindow::about()
{
    const QString body =
        tr("<h2>Ровалин версия 2.0</h2>"
           "<p><b>Ровалин</b> - это небольшое приложение облегчающее трудобудни начинающих, и не "
           "только аквариумистов.<br>Служит для расчета дозировки удобрений, вносимых в аквариум, "
           "с "
           "целью обеспечить питанием водные растения или водоросли, кому как нравится.<br>Список "
           "производителей УДО со временем будет пополняться.</p>"
           "Критика программы только приветствуется.<br>"
           "Вопросы и пожелания направляйте разработчикам:<br>"
           "<b><a href=\"%1\">страница проекта</a></b><br><br>"
           "Если программа вам пригодилась, помогите ее развитию:<br>"
           "<b><a href=\"%1\">как помочь проекту</a></b>"
           "<p>© 2026 Разработчики программы «Ровалин»</p>")
            .arg(readme_url());
    const QString title = tr("О программе \"Ровалин\"");
    QMessageBox::about(this, title, body);
}

void MainWindow::handler_type_fert()
{
    if (ui->rbpremix->isChecked() && cur_fert != premix_fert) {
        ui->frsol->hide();
        cur_fert = premix_fert;
        change_type_fertilizers();
    } else if (ui->rbdiy->isChecked() && cur_fert != diy_fert) {
        ui->frsol->hide();
        cur_fert = diy_fert;
        change_type_fertilizers();
    } else if (ui->rbdiysol->isChecked() && cur_fert != diysol_fert) {
        ui->frsol->show();
        cur_fert = diysol_fert;
        change_type_fertilizers();
    }
    change_calc_methods(ui->calc_methods->currentIndex());
}

void MainWindow::show_data(bool _is_calc)
{
    const int k = ui->comboBox->currentIndex();
    if (k == -1 || !cur_fert || k >= cur_fert->count_compounds())
        return;
    ui->frcalculation->show();
    const Compound *cp = cur_fert->compound_at(k);
    if (!cp)
        return;

    // Typed numbers are read as the validators check them.
    const QLocale locale = typed_locale();
    double full_set[4];
    double short_set[2];
    full_set[0] = locale.toDouble(ui->tank_vol->text());
    full_set[3] = locale.toDouble(ui->val_methods->text());
    full_set[1] = locale.toDouble(ui->val_methods_3->text());
    full_set[2] = locale.toDouble(ui->val_methods_2->text());
    full_set[2] *= 1000; // g to mg
    short_set[0] = locale.toDouble(ui->tank_vol->text());
    short_set[1] = locale.toDouble(ui->val_methods->text());
    const bool solution = cur_fert->get_type_fert() == QLatin1String("diy_sol");
    const double *values = solution ? full_set : short_set;
    const unsigned size = solution ? sizeof full_set : sizeof short_set;

    const int n = cp->count_elements();
    const QString t = cp->target();
    Element ref;
    if (!t.isEmpty())
        ref = cp->find_element(t);
    const QString rn = ref.name;
    const int m = ui->calc_methods->currentIndex();
    const bool value_acceptable = ui->val_methods->hasAcceptableInput();

    // Requests that cannot give a meaningful answer are explained before the
    // table changes: an unchecked value or a dose from a missing or zero
    // reference element would put 0, inf or nan on screen.
    if (_is_calc && rn.isEmpty()) {
        if (!value_acceptable) {
            inform(cur_fert->range_message(m, t, methods_validator->bottom(),
                                           methods_validator->top()));
            return;
        }
        if (m == 0) {
            inform(no_reference_message(*cp));
            return;
        }
    }
    if (_is_calc && !rn.isEmpty() && value_acceptable && m == 0 &&
        !(ref.value > 0 && std::isfinite(ref.value))) {
        inform(unusable_reference_message(*cp, ref));
        return;
    }

    int rows = rn.isEmpty() ? 0 : 1;
    for (int i = 0; i < n; ++i) {
        if (shown_in_own_row(cp->element_at(i).name, t))
            ++rows;
    }
    // The reference row is drawn in the green of the messages' spans. The
    // brush must stay solid: Qt 5.15 drops a NoBrush foreground (or, set as
    // raw data, paints the text invisible).
    const QBrush brush(QColor(85, 170, 127, 255), Qt::SolidPattern);
    const auto write_row = [this, &brush](int _row, const QString &_name, double _value,
                                          bool _reference) {
        auto *name_item = new QTableWidgetItem(_name, 0);
        auto *value_item = new QTableWidgetItem(number(_value), 0);
        if (_reference) {
            name_item->setForeground(brush);
            value_item->setForeground(brush);
        }
        ui->tableWidget->setItem(_row, 0, name_item);
        ui->tableWidget->setItem(_row, 1, value_item);
    };

    if (_is_calc && !rn.isEmpty() && !value_acceptable) {
        // Only the header, the row count and the reference element's name
        // change; the numbers of the last request stay.
        ui->tableWidget->setRowCount(rows);
        set_header(cur_fert, _is_calc);
        auto *name_item = new QTableWidgetItem(rn, 0);
        name_item->setForeground(brush);
        ui->tableWidget->setItem(0, 0, name_item);
        inform(
            cur_fert->range_message(m, rn, methods_validator->bottom(), methods_validator->top()));
        return;
    }

    // Work everything out first, in the calculator's order (reference element,
    // its message, then the others), so that a figure too large or too small
    // for a double never reaches the screen.
    double ref_value = ref.value;
    QString message;
    bool finite = true;
    double calculated_dose = 0;
    if (_is_calc && !rn.isEmpty()) {
        const Calc_Result r = cur_fert->calculate(m, k, cp->index_element(rn), values, size);
        calculated_dose = r.dose;
        message = cur_fert->result_message(m, k);
        if (!cp->warning().isEmpty())
            message.insert(message.size() - tail().size(), cp->warning());
        ref_value = r.concentration;
        finite = std::isfinite(r.dose) && std::isfinite(r.concentration);
    }
    QVector<QPair<QString, double>> others;
    others.reserve(rows);
    for (int i = 0; i < n; ++i) {
        const Element e = cp->element_at(i);
        if (!shown_in_own_row(e.name, t))
            continue;
        double v = e.value;
        if (_is_calc)
            v = cur_fert->calculate(m, k, i, values, size).concentration;
        finite = finite && std::isfinite(v);
        others.append({e.name, v});
    }
    if (!finite) {
        inform(out_of_range_message(*cp));
        return;
    }

    ui->tableWidget->setRowCount(rows);
    set_header(cur_fert, _is_calc);
    int first = 0;
    if (!rn.isEmpty()) {
        if (_is_calc)
            inform(message);
        write_row(0, rn, ref_value, true);
        if (ui->calc_methods->currentIndex() == 0)
            ui->ltarget_name->setText(caption(escaped(rn)));
        first = 1;
    }
    for (int j = 0; j < others.size(); ++j)
        write_row(first + j, others.at(j).first, others.at(j).second, false);

    if (_is_calc) {
        calculated_tank = qRound(values[0]);
        calculated_item = Plan_Item();
        calculated_item.kind = cur_fert->get_type_fert();
        calculated_item.name = cp->name();
        if (solution) {
            calculated_item.grams = full_set[2] / 1000;
            calculated_item.water_ml = full_set[1];
        }
        // The dose worked out, or the one typed.
        calculated_item.weekly = !rn.isEmpty() && m == 0 ? calculated_dose : full_set[3];
        calculated_entry = cp->shown_name();
        calculated_figures.clear();
        if (!rn.isEmpty())
            calculated_figures.append({rn, ref_value});
        for (const auto &other : others)
            calculated_figures.append({other.first, other.second});
        calculated_reference = !rn.isEmpty();
        set_calculated(true);
    }
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        set_menu_texts();
        // The program's own texts: the method list keeping its choice, the
        // captions, the lists with the entries' names and their problems,
        // and what a calculation on show says.
        // The form's texts put its design-time header back; where nothing
        // sets it again (an empty list), the one it had, in the new language.
        Type_Fertilizer *header = header_fert;
        const bool calculated = header_calculated;
        header_fert = nullptr;
        fill_methods();
        reload_catalogues(true);
        change_calc_methods(ui->calc_methods->currentIndex());
        if (!header_fert && header)
            set_header(header, calculated);
    }
}

void MainWindow::closeEvent(QCloseEvent *_event)
{
    if ((editor && !editor->may_quit()) || (plan && !plan->may_quit()) ||
        (designer && !designer->may_quit()))
        _event->ignore();
    else
        QMainWindow::closeEvent(_event);
}

void MainWindow::set_header(Type_Fertilizer *_fert, bool _is_calc)
{
    ui->tableWidget->setHorizontalHeaderLabels(
        {Message_Text::tr("Название элемента"), _fert->column_title(_is_calc)});
    header_fert = _fert;
    header_calculated = _is_calc;
}

void MainWindow::inform(const QString &_message)
{
    ui->linfo->show();
    ui->linfo->setText(_message);
}

void MainWindow::set_calculated(bool _calculated)
{
    ui->action_dynamics->setEnabled(_calculated);
    action_plan_add->setEnabled(_calculated);
    if (!dynamics)
        return;
    if (!_calculated)
        dynamics->hide();
    else if (dynamics->isVisible())
        dynamics->set_figures(calculated_entry, calculated_figures, calculated_reference);
}

void MainWindow::show_dynamics()
{
    // Only reached through the action, which is enabled exactly while there
    // are figures to show.
    if (!dynamics)
        dynamics = new Dynamics_Window(this);
    dynamics->set_figures(calculated_entry, calculated_figures, calculated_reference);
    dynamics->show();
    dynamics->raise();
    dynamics->activateWindow();
}

Plan_Window *MainWindow::plan_window()
{
    if (!plan) {
        plan = new Plan_Window({premix_fert, diy_fert, diysol_fert}, this);
        plan->set_targets(targets, targets_problems);
        plan->set_kind_names({ui->rbpremix->text(), ui->rbdiy->text(), ui->rbdiysol->text()});
    }
    return plan;
}

Editor_Window *MainWindow::editor_window()
{
    if (!editor) {
        const QString shipped =
            QDir(QDir::currentPath()).absolutePath() + QStringLiteral("/settings");
        editor = new Editor_Window(
            &user_entries, diy_fert, shipped,
            [this](Catalogue_Editor::Kind *_kind) -> const Compound * {
                if (!cur_fert)
                    return nullptr;
                *_kind = cur_fert == premix_fert ? Catalogue_Editor::product
                                                 : Catalogue_Editor::compound;
                return cur_fert->compound_at(ui->comboBox->currentIndex());
            },
            this);
        connect(editor, &Editor_Window::saved, this, [this] { reload_catalogues(); });
    }
    return editor;
}

Designer_Window *MainWindow::designer_window()
{
    if (!designer) {
        designer = new Designer_Window(diy_fert, &user_entries, this);
        connect(designer, &Designer_Window::saved, this, [this] {
            reload_catalogues();
            if (editor)
                editor->refresh();
        });
        connect(designer, &Designer_Window::to_plan, this,
                [this](const QVector<Plan_Item> &_items, int _tank) {
                    Plan_Window *window = plan_window();
                    for (const Plan_Item &item : _items)
                        window->add_calculation(item, _tank);
                    window->present();
                });
    }
    return designer;
}

void MainWindow::fill_methods()
{
    for (int i = 0; i < 2; ++i) {
        const QString text = Message_Text::tr(method_texts[i]);
        if (i < ui->calc_methods->count())
            ui->calc_methods->setItemText(i, text);
        else
            ui->calc_methods->insertItem(i, text);
    }
}

void MainWindow::reload_catalogues(bool _message_too)
{
    const int kind = cur_fert == diysol_fert ? 2 : cur_fert == diy_fert ? 1 : 0;
    const Compound *entry =
        cur_fert ? cur_fert->compound_at(ui->comboBox->currentIndex()) : nullptr;
    const QString name = entry ? entry->name() : QString();
    const bool calculated = ui->action_dynamics->isEnabled();
    const bool message = _message_too && ui->linfo->isVisible();
    const bool building_up = dynamics && dynamics->isVisible();

    load_compounds(kind);
    change_type_fertilizers();
    for (int i = 0; i < cur_fert->count_compounds(); ++i) {
        if (cur_fert->compound_at(i)->name() == name) {
            ui->comboBox->setCurrentIndex(i);
            break;
        }
    }
    if ((calculated || message) && cur_fert->compound_at(ui->comboBox->currentIndex()) &&
        cur_fert->compound_at(ui->comboBox->currentIndex())->name() == name) {
        counting_compound();
        if (building_up && ui->action_dynamics->isEnabled())
            show_dynamics();
    }
    if (plan)
        plan->refresh();
    if (designer)
        designer->refresh();
}

void MainWindow::choose_language(Language::Code _code)
{
    if (!Language::apply(_code)) {
        QMessageBox::warning(this, windowTitle(),
                             Language::tr("Перевод не загружается: тексты остаются на русском."));
        _code = Language::current();
    }
    QString problem;
    if (!Language::remember(_code, &problem))
        QMessageBox::warning(this, windowTitle(), problem);
    ui->actionEnglish->setChecked(_code == Language::english);
    ui->actionRussian->setChecked(_code == Language::russian);
}

void MainWindow::set_menu_texts()
{
    menu_language->setTitle(Language::tr("Язык"));
    action_plan_add->setText(Plan_Window::tr("Добавить в план"));
    action_plan->setText(Plan_Window::tr("План внесения…"));
    action_editor->setText(Editor_Window::tr("Мои удобрения…"));
    action_designer->setText(Designer_Window::tr("Подбор рецепта…"));
    if (plan)
        plan->set_kind_names({ui->rbpremix->text(), ui->rbdiy->text(), ui->rbdiysol->text()});
}
