#include "support/testprogram.h"

#include "entry/frmglos.h"
#include "practice/frmova.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QTabBar>

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
