// SPDX-License-Identifier: GPL-3.0-or-later

// The main window as the form builds it: every named object with its class,
// parent and place, the fonts, colours and properties a user can see, the
// stacking order, the menu, the texts and the connections to the window.
// Widgets are looked up by object name, so the names are checked as well.

#include "window_fixture.h"

#include <QtTest>

namespace {

// QObject::receivers() is protected; a pointer to it taken through a subclass
// may be applied to any object.
struct Receivers : QObject
{
    static int count(const QObject *_sender, const char *_signal)
    {
        return (_sender->*(&Receivers::receivers))(_signal);
    }
};

QStringList child_widget_names(const QObject *_parent)
{
    QStringList names;
    for (const QObject *child : _parent->children())
        if (child->isWidgetType())
            names << child->objectName();
    return names;
}

} // namespace

class TestForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void objects_data();
    void objects();
    void window();
    void stacking_order_data();
    void stacking_order();
    void focus_chain();
    void table();
    void labels_data();
    void labels();
    void line_edits_data();
    void line_edits();
    void buttons();
    void frames_data();
    void frames();
    void palettes_data();
    void palettes();
    void actions_data();
    void actions();
    void menu_bar();
    void connections();
    void texts_data();
    void texts();

private:
    template <typename T = QWidget>
    T *named(const char *_name) const
    {
        return f.window->findChild<T *>(QString::fromLatin1(_name));
    }

    Window_Fixture f;
};

void TestForm::initTestCase()
{
    QVERIFY(f.open());
}

void TestForm::objects_data()
{
    QTest::addColumn<QObject *>("member");
    QTest::addColumn<QString>("class_name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry"); // null: placed by the window, or not a widget
    QTest::addColumn<int>("point_size"); // 0: the font is inherited
    QTest::addColumn<bool>("bold");

    const auto add = [](const char *_name, QObject *_member, const char *_class,
                        const char *_parent, QRect _geometry = QRect(), int _point_size = 0,
                        bool _bold = false) {
        QTest::newRow(_name) << _member << _class << _parent << _geometry << _point_size << _bold;
    };
#define OBJECT(name, ...) add(#name, f.ui->name, __VA_ARGS__)
    OBJECT(actionEnglish, "QAction", "MainWindow");
    OBJECT(actionRussian, "QAction", "MainWindow");
    OBJECT(action, "QAction", "MainWindow");
    OBJECT(action_dynamics, "QAction", "MainWindow");
    OBJECT(action_4, "QAction", "MainWindow");
    OBJECT(action_5, "QAction", "MainWindow");
    OBJECT(action_7, "QAction", "MainWindow");
    OBJECT(action_8, "QAction", "MainWindow");
    OBJECT(centralWidget, "QWidget", "MainWindow");
    OBJECT(label, "QLabel", "centralWidget", QRect(20, 10, 151, 31), 11);
    OBJECT(tank_vol, "QLineEdit", "centralWidget", QRect(174, 16, 50, 22), 10);
    OBJECT(comboBox, "QComboBox", "centralWidget", QRect(20, 155, 204, 30), 10);
    OBJECT(tableWidget, "QTableWidget", "centralWidget", QRect(236, 16, 319, 565), 12, true);
    OBJECT(frcalculation, "QFrame", "centralWidget", QRect(14, 191, 214, 401));
    OBJECT(linfo, "QLabel", "frcalculation", QRect(6, 219, 204, 171), 12);
    OBJECT(pushButton, "QPushButton", "frcalculation", QRect(6, 172, 204, 40), 11);
    OBJECT(val_methods, "QLineEdit", "frcalculation", QRect(156, 69, 54, 22), 10);
    OBJECT(calc_methods, "QComboBox", "frcalculation", QRect(6, 30, 204, 30), 10);
    OBJECT(ltarget_name, "QLabel", "frcalculation", QRect(50, 69, 100, 22), 12);
    OBJECT(label_3, "QLabel", "frcalculation", QRect(6, 5, 161, 21), 11);
    OBJECT(line, "QFrame", "frcalculation", QRect(6, 150, 204, 20));
    OBJECT(frsol, "QFrame", "frcalculation", QRect(1, 95, 211, 60));
    OBJECT(linput_type_fert_2, "QLabel", "frsol", QRect(5, 5, 130, 21), 11);
    OBJECT(linput_type_fert_3, "QLabel", "frsol", QRect(5, 34, 147, 20), 11);
    OBJECT(val_methods_3, "QLineEdit", "frsol", QRect(155, 6, 54, 22), 10);
    OBJECT(val_methods_2, "QLineEdit", "frsol", QRect(155, 33, 54, 22), 10);
    OBJECT(linput_type_fert, "QLabel", "centralWidget", QRect(20, 131, 191, 21), 11);
    OBJECT(frtype_fert, "QFrame", "centralWidget", QRect(20, 70, 204, 55));
    OBJECT(rbpremix, "QRadioButton", "frtype_fert", QRect(10, 5, 81, 17), 11);
    OBJECT(rbdiy, "QRadioButton", "frtype_fert", QRect(112, 5, 82, 17), 11);
    OBJECT(rbdiysol, "QRadioButton", "frtype_fert", QRect(31, 32, 140, 17), 11);
    OBJECT(line_2, "QFrame", "frtype_fert", QRect(0, 18, 204, 20));
    OBJECT(label_4, "QLabel", "centralWidget", QRect(20, 46, 141, 21), 11);
    OBJECT(menuBar, "QMenuBar", "MainWindow");
    OBJECT(menu, "QMenu", "menuBar");
    OBJECT(menu_calc, "QMenu", "menuBar");
#undef OBJECT
}

void TestForm::objects()
{
    QFETCH(QObject *, member);
    QFETCH(QString, class_name);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    QFETCH(int, point_size);
    QFETCH(bool, bold);

    const QString name = QString::fromLatin1(QTest::currentDataTag());
    const QList<QObject *> found = f.window->findChildren<QObject *>(name);
    QCOMPARE(found.size(), 1);
    QObject *object = found.first();
    QCOMPARE(object, member);
    QCOMPARE(QString::fromLatin1(object->metaObject()->className()), class_name);
    QVERIFY(object->parent());
    QCOMPARE(object->parent()->objectName(), parent);
    const auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return;
    if (!geometry.isNull())
        QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->testAttribute(Qt::WA_SetFont), point_size != 0);
    if (point_size != 0) {
        QCOMPARE(widget->font().pointSize(), point_size);
        QCOMPARE(widget->font().bold(), bold);
        QCOMPARE(widget->font().weight(), bold ? int(QFont::Bold) : int(QFont::Normal));
    }
}

void TestForm::window()
{
    QMainWindow *window = f.window.get();
    QCOMPARE(window->objectName(), QStringLiteral("MainWindow"));
    QVERIFY(window->isEnabled());
    QCOMPARE(window->size(), QSize(571, 618));
    QCOMPARE(window->minimumSize(), QSize(571, 618));
    QCOMPARE(window->maximumSize(), QSize(571, 618));
    QCOMPARE(window->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(window->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(window->sizePolicy().horizontalStretch(), 0);
    QCOMPARE(window->sizePolicy().verticalStretch(), 0);
    QVERIFY(!window->isAnimated());
    // Only a close button; Qt adds the title and system-menu hints that a
    // close button implies, so compare with a widget given the same flags.
    QWidget reference;
    reference.setWindowFlags(Qt::Window | Qt::WindowCloseButtonHint);
    QCOMPARE(int(window->windowFlags()), int(reference.windowFlags()));
    QCOMPARE(window->windowType(), Qt::Window);
    QCOMPARE(int(window->windowFlags() & (Qt::WindowMinMaxButtonsHint | Qt::CustomizeWindowHint)),
             0);
    // The menu bar spans the top, whatever height the style gives it; the
    // central widget fills the rest.
    QWidget *bar = named("menuBar");
    QCOMPARE(window->menuBar(), bar);
    QCOMPARE(window->centralWidget(), named("centralWidget"));
    QCOMPARE(bar->geometry(), QRect(0, 0, 571, bar->height()));
    QCOMPARE(window->centralWidget()->geometry(),
             QRect(0, bar->height(), 571, 618 - bar->height()));
}

// raise() moves a widget to the end of its parent's children, so the list
// reads bottom to top in painting order.
void TestForm::stacking_order_data()
{
    QTest::addColumn<QStringList>("children");

    QTest::newRow("centralWidget")
        << QStringList{"frcalculation",    "label",       "tank_vol", "comboBox", "tableWidget",
                       "linput_type_fert", "frtype_fert", "label_4"};
    QTest::newRow("frcalculation")
        << QStringList{"frsol",        "linfo",        "pushButton", "val_methods",
                       "calc_methods", "ltarget_name", "label_3",    "line"};
    QTest::newRow("frsol") << QStringList{"linput_type_fert_2", "linput_type_fert_3",
                                          "val_methods_3", "val_methods_2"};
    QTest::newRow("frtype_fert") << QStringList{"rbpremix", "rbdiy", "rbdiysol", "line_2"};
}

void TestForm::stacking_order()
{
    QFETCH(QStringList, children);

    const QWidget *parent = named(QTest::currentDataTag());
    QVERIFY(parent);
    QCOMPARE(child_widget_names(parent), children);
}

// Tab moves through the inputs in the order they were created.
void TestForm::focus_chain()
{
    QStringList order;
    for (QWidget *widget = f.window->nextInFocusChain(); widget != f.window.get();
         widget = widget->nextInFocusChain())
        if (widget->focusPolicy() & Qt::TabFocus)
            order << widget->objectName();
    QCOMPARE(order, (QStringList{"tank_vol", "comboBox", "tableWidget", "pushButton", "val_methods",
                                 "calc_methods", "val_methods_3", "val_methods_2", "rbpremix",
                                 "rbdiy", "rbdiysol"}));
}

void TestForm::table()
{
    const auto *table = named<QTableWidget>("tableWidget");
    QVERIFY(table);
    QCOMPARE(table->columnCount(), 2);
    QCOMPARE(int(table->editTriggers()), int(QAbstractItemView::NoEditTriggers));
    QCOMPARE(table->selectionMode(), QAbstractItemView::NoSelection);
    QCOMPARE(table->contextMenuPolicy(), Qt::NoContextMenu);
    QCOMPARE(table->sizeAdjustPolicy(), QAbstractScrollArea::AdjustIgnored);
    QCOMPARE(table->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    QCOMPARE(table->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
    QVERIFY(!table->isSortingEnabled());
    QVERIFY(!table->wordWrap());
    QVERIFY(!table->isCornerButtonEnabled());
    QVERIFY(!table->tabKeyNavigation());
    QVERIFY(!table->dragDropOverwriteMode());
    QCOMPARE(table->property("showDropIndicator"), QVariant(false));
    QCOMPARE(table->gridStyle(), Qt::SolidLine);

    const QHeaderView *columns = table->horizontalHeader();
    QVERIFY(!columns->isHidden());
    QVERIFY(columns->highlightSections());
    QCOMPARE(columns->defaultSectionSize(), 150);
    QCOMPARE(columns->minimumSectionSize(), 50);
    QCOMPARE(columns->sectionSize(0), 150);
    QCOMPARE(columns->sectionSize(1), 150);
    QVERIFY(table->verticalHeader()->isHidden());
    QVERIFY(!table->verticalHeader()->highlightSections());

    // The column captions: bold, centred, in the table's size.
    for (int column = 0; column < 2; ++column) {
        const QTableWidgetItem *item = table->horizontalHeaderItem(column);
        QVERIFY(item);
        QCOMPARE(item->textAlignment(), int(Qt::AlignHCenter | Qt::AlignVCenter));
        QVERIFY(item->font().bold());
        QCOMPARE(item->font().weight(), int(QFont::Bold));
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
        QVERIFY(!(item->font().resolve() & QFont::SizeResolved));
#else
        QVERIFY(!(item->font().resolveMask() & QFont::SizeResolved));
#endif
    }
}

void TestForm::labels_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("interaction");
    QTest::addColumn<bool>("word_wrap");
    QTest::addColumn<int>("margin");

    const int left = Qt::AlignLeft | Qt::AlignVCenter;
    for (const char *name : {"label", "label_3", "label_4", "linput_type_fert",
                             "linput_type_fert_2", "linput_type_fert_3"})
        QTest::newRow(name) << int(Qt::PlainText) << left << int(Qt::NoTextInteraction) << false
                            << 0;
    // Messages and the value caption are HTML.
    QTest::newRow("linfo") << int(Qt::AutoText) << int(Qt::AlignHCenter | Qt::AlignVCenter)
                           << int(Qt::LinksAccessibleByMouse) << true << 2;
    QTest::newRow("ltarget_name") << int(Qt::AutoText) << int(Qt::AlignRight | Qt::AlignVCenter)
                                  << int(Qt::NoTextInteraction) << false << 0;
}

void TestForm::labels()
{
    QFETCH(int, format);
    QFETCH(int, alignment);
    QFETCH(int, interaction);
    QFETCH(bool, word_wrap);
    QFETCH(int, margin);

    const auto *label = named<QLabel>(QTest::currentDataTag());
    QVERIFY(label);
    QCOMPARE(int(label->textFormat()), format);
    QCOMPARE(int(label->alignment()), alignment);
    QCOMPARE(int(label->textInteractionFlags()), interaction);
    QCOMPARE(label->wordWrap(), word_wrap);
    QCOMPARE(label->margin(), margin);
    QVERIFY(!label->hasScaledContents());
}

void TestForm::line_edits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<bool>("russian"); // else the locale is inherited

    QTest::newRow("tank_vol") << "10" << 2 << false;
    QTest::newRow("val_methods") << "1" << 1 << true;
    QTest::newRow("val_methods_3") << "1000" << 4 << true;
    QTest::newRow("val_methods_2") << "1" << 1 << true;
}

void TestForm::line_edits()
{
    QFETCH(QString, text);
    QFETCH(int, cursor);
    QFETCH(bool, russian);

    const auto *edit = named<QLineEdit>(QTest::currentDataTag());
    QVERIFY(edit);
    QCOMPARE(edit->text(), text);
    QCOMPARE(edit->cursorPosition(), cursor);
    QVERIFY(!edit->isClearButtonEnabled());
    QVERIFY(!edit->hasMouseTracking());
    QCOMPARE(edit->testAttribute(Qt::WA_SetLocale), russian);
    if (russian) {
        QCOMPARE(edit->locale().language(), QLocale::Russian);
        QCOMPARE(edit->locale().country(), QLocale::Russia);
    } else {
        QCOMPARE(edit->locale(), QLocale());
    }
}

void TestForm::buttons()
{
    const auto *premix = named<QRadioButton>("rbpremix");
    const auto *diy = named<QRadioButton>("rbdiy");
    const auto *diysol = named<QRadioButton>("rbdiysol");
    QVERIFY(premix && diy && diysol);
    QVERIFY(premix->isChecked());
    QVERIFY(!diy->isChecked());
    QVERIFY(!diysol->isChecked());
    // Exclusive as siblings, not through a button group.
    for (const QRadioButton *button : {premix, diy, diysol}) {
        QVERIFY(button->autoExclusive());
        QVERIFY(!button->group());
    }

    const auto *calculate = named<QPushButton>("pushButton");
    QVERIFY(calculate);
    QVERIFY(calculate->isDefault());
    QVERIFY(!calculate->autoDefault());
    QVERIFY(!calculate->isFlat());
}

void TestForm::frames_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<int>("shadow");
    QTest::addColumn<bool>("auto_fill");

    QTest::newRow("frcalculation") << int(QFrame::NoFrame) << int(QFrame::Plain) << false;
    QTest::newRow("frsol") << int(QFrame::StyledPanel) << int(QFrame::Raised) << false;
    QTest::newRow("frtype_fert") << int(QFrame::Panel) << int(QFrame::Raised) << true;
    QTest::newRow("line") << int(QFrame::HLine) << int(QFrame::Sunken) << false;
    QTest::newRow("line_2") << int(QFrame::HLine) << int(QFrame::Raised) << false;
    QTest::newRow("linfo") << int(QFrame::WinPanel) << int(QFrame::Plain) << false;
}

void TestForm::frames()
{
    QFETCH(int, shape);
    QFETCH(int, shadow);
    QFETCH(bool, auto_fill);

    const auto *frame = named<QFrame>(QTest::currentDataTag());
    QVERIFY(frame);
    QCOMPARE(int(frame->frameShape()), shape);
    QCOMPARE(int(frame->frameShadow()), shadow);
    QCOMPARE(frame->lineWidth(), 1);
    QCOMPARE(frame->autoFillBackground(), auto_fill);
}

void TestForm::palettes_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("role");
    QTest::addColumn<QColor>("colour");

    const auto add = [](const char *_widget, QPalette::ColorGroup _group, QPalette::ColorRole _role,
                        QRgb _rgb) {
        QTest::addRow("%s %s %s", _widget,
                      QMetaEnum::fromType<QPalette::ColorGroup>().valueToKey(_group),
                      QMetaEnum::fromType<QPalette::ColorRole>().valueToKey(_role))
            << _widget << int(_group) << int(_role) << QColor(_rgb);
    };
    // frtype_fert: Active and Inactive alike, then Disabled.
    const struct
    {
        QPalette::ColorRole role;
        QRgb enabled;
        QRgb disabled;
    } panel[] = {
        {QPalette::WindowText, qRgb(0, 0, 0), qRgb(117, 120, 119)},
        {QPalette::Button, qRgb(234, 240, 239), qRgb(234, 240, 239)},
        {QPalette::Light, qRgb(255, 255, 255), qRgb(255, 255, 255)},
        {QPalette::Midlight, qRgb(244, 247, 247), qRgb(244, 247, 247)},
        {QPalette::Dark, qRgb(117, 120, 119), qRgb(117, 120, 119)},
        {QPalette::Mid, qRgb(156, 160, 159), qRgb(156, 160, 159)},
        {QPalette::Text, qRgb(0, 0, 0), qRgb(117, 120, 119)},
        {QPalette::BrightText, qRgb(255, 255, 255), qRgb(255, 255, 255)},
        {QPalette::ButtonText, qRgb(0, 0, 0), qRgb(117, 120, 119)},
        {QPalette::Base, qRgb(255, 255, 255), qRgb(234, 240, 239)},
        {QPalette::Window, qRgb(234, 240, 239), qRgb(234, 240, 239)},
        {QPalette::Shadow, qRgb(0, 0, 0), qRgb(0, 0, 0)},
        {QPalette::AlternateBase, qRgb(244, 247, 247), qRgb(234, 240, 239)},
        {QPalette::ToolTipBase, qRgb(255, 255, 220), qRgb(255, 255, 220)},
        {QPalette::ToolTipText, qRgb(0, 0, 0), qRgb(0, 0, 0)},
    };
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        for (const auto role : {QPalette::WindowText, QPalette::Text}) {
            add("tableWidget", group, role, disabled ? qRgb(120, 120, 120) : qRgb(85, 85, 255));
            add("linfo", group, role, disabled ? qRgb(120, 120, 120) : qRgb(255, 85, 255));
        }
        for (const auto &entry : panel)
            add("frtype_fert", group, entry.role, disabled ? entry.disabled : entry.enabled);
    }
}

void TestForm::palettes()
{
    QFETCH(QString, widget);
    QFETCH(int, group);
    QFETCH(int, role);
    QFETCH(QColor, colour);

    const QWidget *target = named(qPrintable(widget));
    QVERIFY(target);
    const QBrush brush =
        target->palette().brush(QPalette::ColorGroup(group), QPalette::ColorRole(role));
    QCOMPARE(brush.style(), Qt::SolidPattern);
    QCOMPARE(brush.color(), colour);
}

void TestForm::actions_data()
{
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("auto_repeat");
    QTest::addColumn<QStringList>("shown_in");
    QTest::addColumn<QString>("shortcut");

    QTest::newRow("actionEnglish") << true << false << false << QStringList{"menu_language"} << "";
    QTest::newRow("actionRussian") << true << true << false << QStringList{"menu_language"} << "";
    QTest::newRow("action") << false << false << true << QStringList{"menu"} << "";
    QTest::newRow("action_dynamics")
        << false << false << true << QStringList{"menu_calc"} << "Ctrl+D";
    QTest::newRow("action_plan_add")
        << false << false << true << QStringList{"menu_calc"} << "Ctrl+Shift+L";
    QTest::newRow("action_plan") << false << false << true << QStringList{"menu_calc"} << "Ctrl+L";
    QTest::newRow("action_editor") << false << false << true << QStringList{"menu_calc"} << "";
    QTest::newRow("action_designer") << false << false << true << QStringList{"menu_calc"} << "";
    for (const char *name : {"action_4", "action_5", "action_7", "action_8"})
        QTest::newRow(name) << false << false << true << QStringList() << "";
}

void TestForm::actions()
{
    QFETCH(bool, checkable);
    QFETCH(bool, checked);
    QFETCH(bool, auto_repeat);
    QFETCH(QStringList, shown_in);
    QFETCH(QString, shortcut);

    const auto *action = named<QAction>(QTest::currentDataTag());
    QVERIFY(action);
    QCOMPARE(action->isCheckable(), checkable);
    QCOMPARE(action->isChecked(), checked);
    QCOMPARE(action->autoRepeat(), auto_repeat);
    QVERIFY(action->icon().isNull());
    QCOMPARE(action->shortcut().toString(), shortcut);
    // No key the platform gives a standard meaning.
    for (int key = QKeySequence::HelpContents; key <= QKeySequence::Cancel; ++key)
        for (const QKeySequence &standard :
             QKeySequence::keyBindings(QKeySequence::StandardKey(key)))
            QVERIFY2(shortcut.isEmpty() || standard != action->shortcut(),
                     qPrintable(standard.toString()));
    QStringList widgets;
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    for (const QWidget *widget : action->associatedWidgets())
        widgets << widget->objectName();
#else
    for (const QObject *object : action->associatedObjects())
        if (qobject_cast<const QWidget *>(object))
            widgets << object->objectName();
#endif
    QCOMPARE(widgets, shown_in);
}

void TestForm::menu_bar()
{
    const auto *bar = named<QMenuBar>("menuBar");
    const auto *menu = named<QMenu>("menu");
    QVERIFY(bar && menu);
    QCOMPARE(bar->layoutDirection(), Qt::RightToLeft);
    QVERIFY(!bar->acceptDrops());
    // «Расчёт», «Язык», then «Справка»: in the bar's right-to-left order, at its right end.
    const auto *calc = named<QMenu>("menu_calc");
    QVERIFY(calc);
    const auto *language = named<QMenu>("menu_language");
    QVERIFY(language);
    QCOMPARE(bar->actions(),
             (QList<QAction *>{calc->menuAction(), language->menuAction(), menu->menuAction()}));
    QCOMPARE(language->title(), QStringLiteral("Язык"));
    QCOMPARE(language->actions(),
             (QList<QAction *>{named<QAction>("actionEnglish"), named<QAction>("actionRussian")}));
    QCOMPARE(calc->title(), QStringLiteral("Расчёт"));
    QCOMPARE(calc->actions(),
             (QList<QAction *>{named<QAction>("action_dynamics"), named<QAction>("action_plan_add"),
                               named<QAction>("action_plan"), named<QAction>("action_editor"),
                               named<QAction>("action_designer")}));
    QCOMPARE(menu->title(), QStringLiteral("Справка"));

    QCOMPARE(menu->layoutDirection(), Qt::RightToLeft);
    QVERIFY(!menu->acceptDrops());
    QVERIFY(!menu->isTearOffEnabled());
    QVERIFY(!menu->separatorsCollapsible());
    QCOMPARE(menu->actions().size(), 1);
    QCOMPARE(menu->actions().first(), named<QAction>("action"));
    QCOMPARE(menu->actions().first()->text(), QStringLiteral("О программе"));
}

// Each listed connection exists once, and nothing else reaches the window.
// Disconnecting changes the window, so this runs on one of its own.
void TestForm::connections()
{
    Window_Fixture g;
    QVERIFY(g.open());
    QWidget *window = g.window.get();
    const auto sender = [window](const char *_name) {
        return window->findChild<QObject *>(QString::fromLatin1(_name));
    };
    const char *index_changed = SIGNAL(currentIndexChanged(int));
    const char *clicked = SIGNAL(clicked());
    const struct
    {
        QObject *sender;
        const char *signal;
        const char *slot;
    } expected[] = {
        {sender("comboBox"), index_changed, SLOT(change_compound(int))},
        {sender("pushButton"), clicked, SLOT(counting_compound())},
        {sender("calc_methods"), index_changed, SLOT(hide_widgets(int))},
        {sender("comboBox"), index_changed, SLOT(hide_widgets(int))},
        {sender("calc_methods"), index_changed, SLOT(change_calc_methods(int))},
        {sender("action"), SIGNAL(triggered()), SLOT(about())},
        {sender("rbpremix"), clicked, SLOT(handler_type_fert())},
        {sender("rbdiy"), clicked, SLOT(handler_type_fert())},
        {sender("rbdiysol"), clicked, SLOT(handler_type_fert())},
    };

    QHash<QPair<QObject *, QByteArray>, int> before;
    for (const auto &connection : expected) {
        QVERIFY(connection.sender);
        before[qMakePair(connection.sender, QByteArray(connection.signal))] =
            Receivers::count(connection.sender, connection.signal);
    }
    for (const auto &connection : expected)
        QVERIFY2(QObject::disconnect(connection.sender, connection.signal, window, connection.slot),
                 connection.slot);
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        int listed = 0;
        for (const auto &connection : expected)
            listed += connection.sender == it.key().first && it.key().second == connection.signal;
        QCOMPARE(it.value() - Receivers::count(it.key().first, it.key().second), listed);
    }
    for (QObject *object : window->findChildren<QObject *>())
        QVERIFY2(!QObject::disconnect(object, nullptr, window, nullptr),
                 qPrintable(object->objectName()));
}

void TestForm::texts_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QByteArray>("property"); // or the column of tableWidget's header
    QTest::addColumn<QByteArray>("text");

    const auto add = [](const char *_object, const char *_property, const char *_text) {
        QTest::addRow("%s %s", _object, _property)
            << _object << QByteArray(_property) << QByteArray(_text);
    };
    add("MainWindow", "windowTitle", "Ровалин");
    add("actionEnglish", "text", "English");
    add("actionRussian", "text", "Русский");
    add("action", "text", "О программе");
    add("action_4", "text", "Покупные");
    add("action_5", "text", "Самомес");
    add("action_7", "text", "Покупные");
    add("action_8", "text", "Самомес");
    add("label", "text", "Объём аквариума, л");
    add("tableWidget", "0", "Название элемента");
    add("tableWidget", "1", "Концентрация (мг/л)");
    add("pushButton", "text", "Рассчитать");
    add("label_3", "text", "Условия для расчета :");
    add("linput_type_fert_2", "text", "Объём воды, мл :");
    add("linput_type_fert_3", "text", "Кол. вещества, г :");
    add("linput_type_fert", "text", "Выберите название УДО :");
    add("rbpremix", "text", "Готовое");
    add("rbdiy", "text", "Самомес");
    add("rbdiysol", "text", "Самомес раствор");
    add("label_4", "text", "Выберите тип УДО :");
    add("menu", "title", "Справка");
    add("menu_calc", "title", "Расчёт");
    add("action_dynamics", "text", "Динамика по неделям…");
}

void TestForm::texts()
{
    QFETCH(QString, object);
    QFETCH(QByteArray, property);
    QFETCH(QByteArray, text);

    // The controller replaces some captions at start, and sets them again on
    // a language change; the form's own operation brings back the form's.
    f.ui->retranslateUi(f.window.get());

    QObject *target =
        object == f.window->objectName() ? f.window.get() : f.window->findChild<QObject *>(object);
    QVERIFY(target);
    QString shown;
    if (const auto *table = qobject_cast<QTableWidget *>(target)) {
        const QTableWidgetItem *item = table->horizontalHeaderItem(property.toInt());
        QVERIFY(item);
        shown = item->data(Qt::DisplayRole).toString();
    } else {
        QVERIFY(target->property(property).isValid());
        shown = target->property(property).toString();
    }
    QCOMPARE(shown.toUtf8(), text);
}

QTEST_MAIN(TestForm)
#include "tst_form.moc"
