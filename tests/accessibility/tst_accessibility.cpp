// Every window as a screen reader and a keyboard user meet it, at the
// desktop's scale (the test also runs with QT_SCALE_FACTOR 1.5 and 2): each
// control named and described, Tab going through the controls in reading
// order, no access key used twice, and the twip layout converted with the
// screen's logical resolution.
#include "platform/form.h"
#include "support/testprogram.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>

using namespace Qt::StringLiterals;

namespace {

// "objectName (what is missing)" for each control on show that lacks a name
// or a description.
void findUndescribed(QAccessibleInterface *node, QStringList &missing)
{
    if (!node || node->state().invisible)
        return;
    // The roles of what a user works or reads as a whole; labels and panes are read as part of these.
    using R = QAccessible::Role;
    static const QList<R> controls{R::Window,    R::PushButton, R::CheckBox, R::RadioButton, R::EditableText,
                                   R::List,      R::Table,      R::PageTab,  R::PageTabList, R::MenuItem,
                                   R::PopupMenu, R::ComboBox,   R::SpinBox,  R::Graphic};
    if (controls.contains(node->role())) {
        const QString name = node->object() ? node->object()->objectName() : u"?"_s;
        const QString spoken = node->text(QAccessible::Name);
        if (spoken.isEmpty() || spoken.contains(u'&')) // said without the access key's mark
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

// The controls on show that Tab reaches, in Tab's order, from first; the one
// with the focus marked "*".
QString tabCycle(QWidget *window, const QString &first)
{
    auto *start = window->findChild<QWidget *>(first);
    if (!start)
        return u"no "_s + first;
    const auto mark = [window](QWidget *control) {
        return (control == window->focusWidget() ? u"*"_s : QString()) + control->objectName();
    };
    QStringList cycle{mark(start)};
    for (QWidget *next = start->nextInFocusChain(); next != start; next = next->nextInFocusChain()) {
        const bool tab = (next->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
        if (next->window() == window && next->isVisible() && next->isEnabled() && tab)
            cycle << mark(next);
    }
    return cycle.join(u' ');
}

// The access keys ("&x") that more than one of texts mark, as "x y".
QStringList sharedKeys(const QStringList &texts)
{
    QMap<QChar, int> uses;
    for (const QString &text : texts) {
        for (qsizetype i = text.indexOf(u'&'); i >= 0 && i + 1 < text.size(); i = text.indexOf(u'&', i + 2)) {
            if (text[i + 1] != u'&') {
                ++uses[text[i + 1].toLower()];
                break;
            }
        }
    }
    QStringList shared;
    for (auto use = uses.cbegin(); use != uses.cend(); ++use) {
        if (use.value() > 1)
            shared << QString(use.key());
    }
    return shared;
}

// The access keys shared within the window's controls and menus on show,
// and within each menu's items: "x" for the window, "Menu: x" for a menu.
QString sharedAccessKeys(QMainWindow *window)
{
    QStringList texts;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window))
            continue;
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            texts << button->text();
        else if (auto *label = qobject_cast<QLabel *>(widget); label && label->buddy())
            texts << label->text();
        else if (auto *frame = qobject_cast<QGroupBox *>(widget))
            texts << frame->title();
        else if (auto *tabs = qobject_cast<QTabBar *>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
    }
    QStringList inMenus;
    for (QAction *title : window->menuBar()->actions()) {
        texts << title->text();
        QStringList items;
        for (QAction *item : title->menu()->actions())
            items << item->text();
        for (const QString &key : sharedKeys(items))
            inMenus << QString(title->text()).remove(u'&') + u": "_s + key;
    }
    return (sharedKeys(texts) + inMenus).join(u' ');
}

} // namespace

class TestAccessibility : public WindowTest {
    Q_OBJECT

private slots:
    // A window as the steps leave it on the pairs hus/house and katt/cat (the
    // splash: as the program starts), its name and the controls Tab visits
    // from the first, in order, and the client area's design size in twips (none: laid out by Qt).
    void windows_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("tabCycle");
        QTest::addColumn<QSize>("clientTwips");
        const QString end = u" cmdOK cmdAvbryt"_s;
        const QSize options(6300, 5460), edit(6960, 3720);
        // clang-format off
        QTest::newRow("splash") << u"start"_s << u"frmSplash txtinfo *cmdstart"_s << QSize();
        QTest::newRow("main") << u""_s << u"frmglos *txtsv txteng cmdNästa cmdOva listGlos"_s << QSize(5970, 3315);
        QTest::newRow("word-list view") << u"mnuAltGlos"_s << u"frmglosor *MSFlexGrid1"_s << QSize();
        QTest::newRow("practice") << u"cmdOva"_s << u"frmOva *txteng cmdLyssna Command1 cmdKlar cmdmeny"_s << QSize(6480, 3900);
        QTest::newRow("options, appearance") << u"mnuAltutse"_s
            << u"frmAlt *tbsOptions optklockan_0 optklockan_1 chebak chetxtrut chetxt cheglos cheova Command1"_s + end
            << options;
        QTest::newRow("options, practice") << u"mnuAltutse tbsOptions=1"_s
            << u"frmAlt *tbsOptions optOrdn_0 optOrdn_1 opglosggr_0 opglosggr_1 opGlos_0 opGlos_1 opGlos_2 opGlos_3 "
               u"opGlos_4 opGlos_5"_s + end << options;
        QTest::newRow("options, users") << u"mnuAltutse tbsOptions=2"_s
            << u"frmAlt *tbsOptions optanv_0 optanv_1 optanv_2 optanv_3 optanv_4 optanv_5 cmdanv"_s + end << options;
        QTest::newRow("options, login") << u"mnuAltutse tbsOptions=2 optanv_1 cmdanv"_s
            << u"frmAlt txtNamn *txtLösen cmdbyt cmdBak"_s << options;
        QTest::newRow("edit, list") << u"mnuAltBort"_s
            << u"frmBort *txtnr cmdBort cmdAndra cmdangra Command2 txtglosor"_s << edit;
        QTest::newRow("edit, change") << u"mnuAltBort txtnr=2 cmdAndra"_s
            << u"frmBort *txtsv txteng cmdlaggtill cmdBak txtglosor"_s << edit;
        // clang-format on
    }

    void windows()
    {
        QFETCH(QString, steps);
        QFETCH(QString, tabCycle);
        QFETCH(QSize, clientTwips);
        if (steps == u"start") {
            t->program.start();
            QCoreApplication::processEvents(); // the splash becomes the active window
        } else {
            t->addPairs({{u"hus"_s, u"house"_s}, {u"katt"_s, u"cat"_s}});
            t->run(steps);
        }
        auto *window = qobject_cast<Form *>(QApplication::activeWindow());
        QVERIFY(window && QTest::qWaitForWindowExposed(window));

        QStringList missing;
        findUndescribed(QAccessible::queryAccessibleInterface(window), missing);
        QVERIFY2(missing.isEmpty(), qPrintable(u"not described: "_s + missing.join(u", "_s)));

        QCOMPARE(window->objectName() + u' ' + ::tabCycle(window, tabCycle.section(u' ', 1, 1).remove(u'*')),
                 tabCycle);
        // No access key leads to two places, but where the design gives one
        // twice: the practice window's menus "&Avsluta" and "&Alternativ".
        QCOMPARE(sharedAccessKeys(window), window->objectName() == u"frmOva" ? u"a"_s : QString());

        const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR", u"1"_s);
        QCOMPARE(window->devicePixelRatioF(), scale.toDouble());
        if (clientTwips.isValid()) {
            // Twips become pixels at the screen's logical resolution, which
            // scaling leaves as it is: the window grows with the scale.
            const int dpi = window->logicalDpiX();
            const QSize expected = (QSizeF(clientTwips) * dpi / 1440.0).toSize();
            // At least the design's size, grown where a control reaches past it.
            QWidget *client = window->centralWidget();
            QCOMPARE(client->size().expandedTo(expected), client->size());
            QVERIFY(client->rect().contains(client->childrenRect()));
        }
        t->dialogs.takeMessages();
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
