#include "support/testprogram.h"

#include "entry/frmglos.h"
#include "practice/frmova.h"
#include "support/typing.h"

#include <QAction>
#include <QCoreApplication>
#include <QListWidget>

TestProgram::TestProgram()
    : paths(dataHome.path(), {})
    , program({dialogs, clock, random, paths, [this] { ++quitCalls; }})
{
    program.state.applyStartDefaults();
}

TestProgram::~TestProgram()
{
    program.discardAll();
    flushDeletes();
}

namespace {
// Makes a window active, as it is when a user works in it.
void activate(QWidget &window)
{
    if (window.isActiveWindow())
        return;
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        qWarning("%s did not become active", qPrintable(window.objectName()));
}
} // namespace

FrmGlos &TestProgram::main()
{
    FrmGlos &window = program.frmglos.get();
    activate(window);
    return window;
}

void TestProgram::addPairs(const QList<WordPair> &pairs)
{
    for (const WordPair &pair : pairs) {
        typeText(child<QLineEdit>(&main(), "txtsv"), pair.swedish);
        typeText(child<QLineEdit>(&main(), "txteng"), pair.english);
        click(&main(), "cmdNästa");
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
    click(&main(), "cmdOva");
    if (FrmOva *practice = program.frmOva.loaded()) {
        activate(*practice);
        return practice;
    }
    return nullptr;
}

void TestProgram::click(QWidget *window, const char *name)
{
    QTest::mouseClick(child<QPushButton>(window, QString::fromUtf8(name)), Qt::LeftButton);
    flushDeletes();
}

void TestProgram::trigger(QWidget *window, const char *name)
{
    child<QAction>(window, QString::fromUtf8(name))->trigger();
    flushDeletes();
}

void TestProgram::flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
