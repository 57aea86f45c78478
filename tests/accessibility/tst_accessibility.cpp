// Every window as a screen reader and a keyboard user meet it, at the
// desktop's scale (the test also runs with QT_SCALE_FACTOR 1.5 and 2): each
// control named and described, Tab going through the controls in reading
// order, and the twip layout converted with the screen's logical resolution.
#include "app/frmsplash.h"
#include "edit/frmbort.h"
#include "entry/frmglos.h"
#include "entry/frmglosor.h"
#include "options/frmalt.h"
#include "practice/frmova.h"
#include "support/testprogram.h"
#include "support/typing.h"

#include <QAccessible>
#include <QRadioButton>
#include <QTabBar>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct Scene {
    const char *name;
    std::function<Form *(TestProgram &)> open;
    QStringList tabCycle;   // the controls Tab visits, in order, from the first
    QSize clientTwips = {}; // the client area's design size; none: laid out by Qt
};

FrmGlos *mainWithPairs(TestProgram &t)
{
    t.addPairs({{u"hus"_s, u"house"_s}, {u"katt"_s, u"cat"_s}});
    return &t.main();
}

FrmAlt *optionsPage(TestProgram &t, int page)
{
    TestProgram::trigger(mainWithPairs(t), "mnuAltutse");
    FrmAlt *options = t.program.frmAlt.loaded();
    child<QTabBar>(options, u"tbsOptions"_s)->setCurrentIndex(page);
    return options;
}

FrmBort *editWindow(TestProgram &t)
{
    TestProgram::trigger(mainWithPairs(t), "mnuAltBort");
    return t.program.frmBort.loaded();
}

const QStringList OptionsEnd{u"cmdOK"_s, u"cmdAvbryt"_s};

const std::vector<Scene> &scenes()
{
    static const std::vector<Scene> all{
        {"splash",
         [](TestProgram &t) {
             t.program.start();
             return t.program.frmSplash.loaded();
         },
         {u"txtinfo"_s, u"cmdstart"_s}},
        {"main",
         mainWithPairs,
         {u"txtsv"_s, u"txteng"_s, u"cmdNästa"_s, u"cmdOva"_s, u"listGlos"_s},
         {5970, 3315}},
        {"word-list view",
         [](TestProgram &t) {
             TestProgram::trigger(mainWithPairs(t), "mnuAltGlos");
             return t.program.frmglosor.loaded();
         },
         {u"MSFlexGrid1"_s}},
        {"practice",
         [](TestProgram &t) {
             return t.startPractice({{u"hus"_s, u"house"_s}});
         },
         {u"txteng"_s, u"Command1"_s, u"cmdKlar"_s, u"cmdmeny"_s},
         {6480, 3900}},
        {"options, appearance",
         [](TestProgram &t) { return optionsPage(t, 0); },
         QStringList{u"tbsOptions"_s, u"optklockan_0"_s, u"optklockan_1"_s, u"chebak"_s, u"chetxtrut"_s,
                     u"chetxt"_s, u"cheglos"_s, u"cheova"_s, u"Command1"_s} +
             OptionsEnd,
         {6300, 5460}},
        {"options, practice",
         [](TestProgram &t) { return optionsPage(t, 1); },
         QStringList{u"tbsOptions"_s, u"optOrdn_0"_s, u"optOrdn_1"_s, u"opglosggr_0"_s, u"opglosggr_1"_s,
                     u"opGlos_0"_s, u"opGlos_1"_s, u"opGlos_2"_s, u"opGlos_3"_s, u"opGlos_4"_s,
                     u"opGlos_5"_s} +
             OptionsEnd,
         {6300, 5460}},
        {"options, users",
         [](TestProgram &t) { return optionsPage(t, 2); },
         QStringList{u"tbsOptions"_s, u"optanv_0"_s, u"optanv_1"_s, u"optanv_2"_s, u"optanv_3"_s,
                     u"optanv_4"_s, u"optanv_5"_s, u"cmdanv"_s} +
             OptionsEnd,
         {6300, 5460}},
        {"options, login",
         [](TestProgram &t) {
             FrmAlt *options = optionsPage(t, 2);
             child<QRadioButton>(options, u"optanv_1"_s)->click();
             TestProgram::click(options, "cmdanv");
             return options;
         },
         {u"txtNamn"_s, u"txtLösen"_s, u"cmdbyt"_s, u"cmdBak"_s},
         {6300, 5460}},
        {"edit, list",
         editWindow,
         {u"txtnr"_s, u"cmdBort"_s, u"cmdAndra"_s, u"cmdangra"_s, u"Command2"_s, u"txtglosor"_s},
         {6960, 3720}},
        {"edit, change",
         [](TestProgram &t) {
             FrmBort *edit = editWindow(t);
             typeText(child<QLineEdit>(edit, u"txtnr"_s), u"2"_s);
             TestProgram::click(edit, "cmdAndra");
             return edit;
         },
         {u"txtsv"_s, u"txteng"_s, u"cmdlaggtill"_s, u"cmdBak"_s, u"txtglosor"_s},
         {6960, 3720}},
    };
    return all;
}

// The roles of what a user works or reads as a whole; labels and panes are
// read as part of these.
bool isControl(QAccessible::Role role)
{
    using R = QAccessible::Role;
    static const QList<R> roles{R::Window,    R::PushButton, R::CheckBox, R::RadioButton, R::EditableText,
                                R::List,      R::Table,      R::PageTab,  R::PageTabList, R::MenuItem,
                                R::PopupMenu, R::ComboBox,   R::SpinBox,  R::Graphic};
    return roles.contains(role);
}

// "objectName (what is missing)" for each control on show that lacks a name
// or a description.
void findUndescribed(QAccessibleInterface *node, QStringList &missing)
{
    if (!node || node->state().invisible)
        return;
    if (isControl(node->role())) {
        const QString name = node->object() ? node->object()->objectName() : u"?"_s;
        if (node->text(QAccessible::Name).isEmpty())
            missing << name + u" (name)"_s;
        // Qt gives menu items and the tab strip as a whole no description;
        // the tabs themselves have theirs.
        const bool describable =
            node->role() != QAccessible::MenuItem && node->role() != QAccessible::PageTabList;
        if (describable && node->text(QAccessible::Description).isEmpty())
            missing << name + u" (description)"_s;
    }
    for (int i = 0; i < node->childCount(); ++i)
        findUndescribed(node->child(i), missing);
}

// The controls on show that Tab reaches, in Tab's order, from first.
QStringList tabCycle(QWidget *window, const QString &first)
{
    auto *start = window->findChild<QWidget *>(first);
    if (!start)
        return {u"no "_s + first};
    QStringList cycle{first};
    for (QWidget *next = start->nextInFocusChain(); next != start; next = next->nextInFocusChain()) {
        const bool tab = (next->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
        if (next->window() == window && next->isVisible() && next->isEnabled() && tab)
            cycle << next->objectName();
    }
    return cycle;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> t;
    Form *window = nullptr;

    const Scene &scene()
    {
        QFETCH(int, index);
        return scenes()[std::size_t(index)];
    }

private slots:
    void init() { t = std::make_unique<TestProgram>(); }
    void cleanup()
    {
        window = nullptr;
        t.reset();
    }

    void windows_data()
    {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < scenes().size(); ++i)
            QTest::newRow(scenes()[i].name) << int(i);
    }

    void windows()
    {
        const Scene &shown = scene();
        window = shown.open(*t);
        QVERIFY(window);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));

        QStringList missing;
        findUndescribed(QAccessible::queryAccessibleInterface(window), missing);
        QVERIFY2(missing.isEmpty(), qPrintable(u"not described: "_s + missing.join(u", "_s)));

        QCOMPARE(tabCycle(window, shown.tabCycle.first()), shown.tabCycle);

        const qreal scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                                ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                                : 1.0;
        QCOMPARE(window->devicePixelRatioF(), scale);
        if (shown.clientTwips.isValid()) {
            // Twips become pixels at the screen's logical resolution, which
            // scaling leaves as it is: the window grows with the scale.
            const int dpi = window->logicalDpiX();
            const QSize expected(qRound(shown.clientTwips.width() * dpi / 1440.0),
                                 qRound(shown.clientTwips.height() * dpi / 1440.0));
            // At least the design's size, grown where a control reaches past it.
            QWidget *client = window->centralWidget();
            QCOMPARE(client->size().expandedTo(expected), client->size());
            QVERIFY(client->rect().contains(client->childrenRect()));
        }
        const QSize drawn = window->grab().deviceIndependentSize().toSize();
        QCOMPARE(drawn, window->size());
        QCOMPARE(window->grab().size(), (QSizeF(window->size()) * scale).toSize());
        t->dialogs.takeMessages();
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
