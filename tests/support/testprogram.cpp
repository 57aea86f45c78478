#include "support/testprogram.h"

#include "entry/frmglos.h"
#include "practice/frmova.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>

using namespace Qt::StringLiterals;

TestProgram::TestProgram()
    : paths(dataHome.path(), {})
    , program({dialogs, clock, random, paths, speaker, [this] { ++quitCalls; }})
{
    session.state.applyStartDefaults();
}

TestProgram::~TestProgram()
{
    program.discardAll();
    flushDeletes();
}

FrmGlos &TestProgram::main()
{
    FrmGlos &window = program.frmglos.get();
    if (!window.isActiveWindow()) { // as it is when a user works in it
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("the main window did not become active");
    }
    return window;
}

void TestProgram::addPairs(const QList<WordPair> &pairs)
{
    for (const WordPair &pair : pairs) {
        typeText(child<QLineEdit>(&main(), "txtsv"), pair.swedish);
        typeText(child<QLineEdit>(&main(), "txteng"), pair.english);
        QTest::mouseClick(child<QPushButton>(&main(), u"cmdNästa"_s), Qt::LeftButton);
    }
}

QStringList TestProgram::listed()
{
    auto *list = child<QListWidget>(&main(), "listGlos");
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

FrmOva *TestProgram::startPractice(const QList<WordPair> &pairs)
{
    addPairs(pairs);
    run(u"cmdOva"_s);
    return program.frmOva.loaded();
}

template <class T> T *TestProgram::find(const QString &name)
{
    for (QWidget *window : {QApplication::activeWindow(), static_cast<QWidget *>(program.frmglos.loaded())})
        if (T *found = window ? window->findChild<T *>(name) : nullptr)
            return found;
    return nullptr;
}

void TestProgram::run(const QString &steps)
{
    QCoreApplication::processEvents(); // a window shown by code becomes the active one
    for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts)) {
        const QString name = step.section(u'=', 0, 0), value = step.section(u'=', 1);
        QWidget *focus = QApplication::focusWidget();
        if (focus && (step == u"Enter" || step == u"Esc")) {
            QTest::keyClick(focus, step == u"Enter" ? Qt::Key_Return : Qt::Key_Escape);
        } else if (focus && step.startsWith(u"Ctrl+")) {
            const QKeyCombination key = QKeySequence(step)[0];
            QTest::keyClick(focus, key.key(), key.keyboardModifiers());
        } else if (auto *tabs = find<QTabBar>(name)) {
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(value.toInt()).center());
        } else if (auto *box = find<QLineEdit>(name)) {
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Delete);
            typeText(box, value);
        } else if (auto *button = find<QAbstractButton>(name)) {
            // Option buttons and check boxes take clicks on their mark, at the left.
            const bool push = qobject_cast<QPushButton *>(button);
            QTest::mouseClick(button, Qt::LeftButton, {}, push ? QPoint() : QPoint(4, button->height() / 2));
        } else if (auto *item = find<QAction>(name)) {
            item->trigger();
        } else {
            QTest::qFail(qPrintable(u"no control named "_s + name), __FILE__, __LINE__);
            return;
        }
        QCoreApplication::processEvents();
        flushDeletes();
    }
}

void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void TestProgram::flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList textsOf(QWidget *top)
{
    QStringList texts{top->windowTitle()};
    QList<QWidget *> widgets = top->findChildren<QWidget *>();
    widgets.prepend(top);
    for (QWidget *widget : std::as_const(widgets)) {
        if (widget != top && !widget->isVisibleTo(top))
            continue;
        texts << widget->toolTip() << widget->accessibleName();
        if (auto *label = qobject_cast<QLabel *>(widget))
            texts << label->text();
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            texts << button->text();
        if (auto *frame = qobject_cast<QGroupBox *>(widget))
            texts << frame->title();
        if (auto *choices = qobject_cast<QComboBox *>(widget))
            for (int i = 0; i < choices->count(); ++i)
                texts << choices->itemText(i);
        if (auto *tabs = qobject_cast<QTabWidget *>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        if (auto *view = qobject_cast<QAbstractItemView *>(widget); view && view->model()) {
            const QAbstractItemModel *model = view->model();
            for (int column = 0; column < model->columnCount(view->rootIndex()); ++column)
                texts << model->headerData(column, Qt::Horizontal).toString();
            if (view->objectName() == u"sidebar") // the places; files and their dates are the user's
                for (int row = 0; row < model->rowCount(); ++row)
                    texts << model->index(row, 0).data().toString();
        }
        for (const QAction *action : widget->actions())
            texts << action->text() << action->toolTip();
    }
    return texts;
}

QSet<QString> wordsOf(const QStringList &texts)
{
    static const QRegularExpression word(u"[A-Za-zÅÄÖåäöéÉ]{3,}"_s);
    QSet<QString> words;
    for (QString text : texts) {
        text.remove(u'&').remove(QRegularExpression(u"\\t.*"_s));
        for (const QRegularExpressionMatch &match : word.globalMatch(text))
            words << match.captured();
    }
    return words;
}
