// Every window as a screen reader and a keyboard user meet it, at the desktop's scale (also run with
// QT_SCALE_FACTOR 1.5 and 2): each control named and described, Tab going through the controls in reading
// order, no access key used twice, and every control inside the window.
#include "platform/form.h"
#include "support/testprogram.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

namespace {
// "objectName (what is missing)" for each control on show that lacks a name or a description.
void findUndescribed(QAccessibleInterface *node, QStringList &missing)
{
    if (!node || node->state().invisible)
        return;
    // What a user works or reads as a whole; labels and panes are read as part of these.
    using R = QAccessible::Role;
    static const QList<R> controls{R::Window,    R::PushButton, R::CheckBox, R::RadioButton, R::EditableText,
                                   R::List,      R::Table,      R::PageTab,  R::PageTabList, R::MenuItem,
                                   R::PopupMenu, R::ComboBox,   R::SpinBox,  R::Graphic};
    if (controls.contains(node->role())) {
        const QString name = node->object() ? node->object()->objectName() : u"?"_s;
        const QString spoken = node->text(QAccessible::Name);
        if (spoken.isEmpty() || spoken.contains(u'&')) // said without the access key's mark
            missing << name + u" (name)"_s;
        // Qt describes neither menu items nor the tab strip as a whole; the tabs have theirs.
        if (node->role() != R::MenuItem && node->role() != R::PageTabList &&
            node->text(QAccessible::Description).isEmpty())
            missing << name + u" (description)"_s;
    }
    for (int i = 0; i < node->childCount(); ++i)
        findUndescribed(node->child(i), missing);
}

// The controls on show that Tab reaches, in Tab's order, from the first; the focused one marked "*", a text
// box with the name its caption gives it.
QString tabCycle(QWidget *window, const QString &first)
{
    auto *start = window->findChild<QWidget *>(first);
    if (!start)
        return u"no "_s + first;
    const auto mark = [window](QWidget *control) {
        const bool box = qobject_cast<QLineEdit *>(control);
        return (control == window->focusWidget() ? u"*"_s : QString()) + control->objectName() +
               (box ? u'(' + control->accessibleName() + u')' : QString());
    };
    QStringList cycle{mark(start)};
    for (QWidget *next = start->nextInFocusChain(); next != start; next = next->nextInFocusChain())
        if (next->window() == window && next->isVisible() && next->isEnabled() &&
            (next->focusPolicy() & Qt::TabFocus) == Qt::TabFocus)
            cycle << mark(next);
    return cycle.join(u' ');
}

// The access keys ("&x") marked twice among what the window shows ("x") and within a menu ("Menu: x").
QString sharedAccessKeys(QMainWindow *window)
{
    QList<std::pair<QString, QStringList>> groups{{QString(), textsOf(window)}};
    for (QAction *title : window->menuBar()->actions()) {
        groups.append({QString(title->text()).remove(u'&') + u": "_s, {}});
        for (QAction *item : title->menu()->actions())
            groups.last().second << item->text();
    }
    QStringList shared;
    for (const auto &[where, texts] : groups) {
        QMap<QChar, int> uses;
        for (const QString &text : texts)
            for (qsizetype i = text.indexOf(u'&'); i >= 0 && i + 1 < text.size();
                 i = text.indexOf(u'&', i + 2))
                if (text[i + 1] != u'&') {
                    ++uses[text[i + 1].toLower()];
                    break;
                }
        for (auto use = uses.cbegin(); use != uses.cend(); ++use)
            if (use.value() > 1)
                shared << where + use.key();
    }
    return shared.join(u' ');
}
} // namespace

class TestAccessibility : public WindowTest {
    Q_OBJECT

private slots:
    // A window as the steps leave it on the pairs hus/house and katt/cat ("start": the program starting), its
    // name and the controls Tab visits from the first, in order, each box with its caption.
    void windows_data()
    {
        const QString options = u"frmAlt *tbsOptions "_s, end = u" cmdOK cmdAvbryt"_s;
        addRows<Scenario>({
            {"splash", "start", "frmSplash txtinfo *cmdstart"},
            {"main", "", "frmglos *txtsv(Ord) txteng(Översättning) cmdNästa cmdOva listGlos"},
            {"word-list view", "mnuAltGlos", "frmglosor *MSFlexGrid1"},
            {"practice", "cmdOva", "frmOva *txteng(Översätt) cmdLyssna Command1 cmdKlar cmdmeny"},
            {"options, appearance", "mnuAltutse",
             options + "optklockan_0 optklockan_1 chebak chetxtrut chetxt cheglos cheova Command1" + end},
            {"options, practice", "mnuAltutse tbsOptions=1",
             options +
                 "optOrdn_0 optOrdn_1 opglosggr_0 opglosggr_1 chkForhor opGlos_0 opGlos_1 opGlos_2 opGlos_3 "
                 "opGlos_4 "
                 "opGlos_5" +
                 end},
            {"options, users", "mnuAltutse tbsOptions=2",
             options + "optanv_0 optanv_1 optanv_2 optanv_3 optanv_4 optanv_5 cmdanv" + end},
            {"options, login", "mnuAltutse tbsOptions=2 optanv_1 cmdanv",
             "frmAlt txtNamn(Namn) *txtLösen(Lösenord) cmdbyt cmdBak"},
            {"edit, list", "mnuAltBort", "frmBort *txtnr(Nr) cmdBort cmdAndra cmdangra Command2 txtglosor"},
            {"edit, change", "mnuAltBort txtnr=2 cmdAndra",
             "frmBort *txtsv(Skriv in det nya ordet i rutan) txteng(Skriv in den nya översättningen) "
             "cmdlaggtill "
             "cmdBak txtglosor"},
            {"progress", "mnuAltFramsteg", "frmFramsteg *grdFramsteg cmdStang"}, // nothing to forget yet
        });
    }
    void windows()
    {
        QFETCH(Scenario, row);
        if (row.given == u"start")
            t->program.start(), QCoreApplication::processEvents();
        else
            t->addPairs({{u"hus"_s, u"house"_s}, {u"katt"_s, u"cat"_s}}), t->run(row.given);
        auto *window = qobject_cast<Form *>(QApplication::activeWindow());
        QVERIFY(window && QTest::qWaitForWindowExposed(window));
        QStringList missing;
        findUndescribed(QAccessible::queryAccessibleInterface(window), missing);
        // Menus are read while closed too, by their names.
        for (const QAction *title : window->menuBar()->actions())
            if (title->menu()->accessibleName().isEmpty() || title->menu()->accessibleName().contains(u'&'))
                missing << title->menu()->objectName() + u" (name)"_s;
        QVERIFY2(missing.isEmpty(), qPrintable(u"not described: "_s + missing.join(u", "_s)));
        const QString first = row.shown.section(u' ', 1, 1).remove(u'*').section(u'(', 0, 0);
        QCOMPARE(window->objectName() + u' ' + tabCycle(window, first), row.shown);
        // No access key leads to two places, but where the design gives one twice: the practice window's
        // menus "&Avsluta" and "&Alternativ".
        QCOMPARE(sharedAccessKeys(window), window->objectName() == u"frmOva" ? u"a"_s : QString());
        QCOMPARE(window->devicePixelRatioF(), qEnvironmentVariable("QT_SCALE_FACTOR", u"1"_s).toDouble());
        if (QWidget *client = window->centralWidget(); client && window->objectName() != u"frmglosor")
            QVERIFY(client->rect().contains(client->childrenRect()));
        t->log();
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
