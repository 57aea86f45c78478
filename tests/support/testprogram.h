#pragma once

#include "app/program.h"
#include "app/wordlist.h"
#include "support/fakes.h"

#include <QTemporaryDir>
#include <QTest>

class QWidget;

// A whole program on fakes (scripted dialogs, a set clock, scripted chance,
// data folders of its own) with the start defaults in force, and the drivers
// that tests use to work its windows as a user would.
class TestProgram {
public:
    TestProgram();
    ~TestProgram();

    ScriptedDialogs dialogs;
    FakeClock clock;
    ScriptedRandom random;
    QTemporaryDir dataHome;
    FixedPaths paths;
    int quitCalls = 0;
    Program program;

    // The main window, loaded, shown and active.
    FrmGlos &main();
    // Types each pair into the main window and presses "Lägg till glosa".
    void addPairs(const QList<WordPair> &pairs);
    // The texts of the main window's list box.
    QStringList listed();
    // Adds the pairs and presses "Öva"; the practice window, or nullptr.
    FrmOva *startPractice(const QList<WordPair> &pairs);

    // Clicks a window's button or triggers its menu item, found by name;
    // windows unloaded by it are deleted afterwards.
    static void click(QWidget *window, const char *name);
    static void trigger(QWidget *window, const char *name);
    // Lets the event loop delete the windows that were unloaded.
    static void flushDeletes();
};

// A stand-in for a control that is missing, so that the test fails at its
// next check instead of crashing. Never deleted: it stays reachable.
template <class T> T *standIn()
{
    static T *const instance = new T;
    return instance;
}

// The child of a window with the given objectName. A missing one fails the
// test with its name.
template <class T> T *child(QObject *window, const QString &name)
{
    if (T *found = window ? window->findChild<T *>(name) : nullptr)
        return found;
    QTest::qFail(qPrintable(QStringLiteral("no control named %1").arg(name)), __FILE__, __LINE__);
    return standIn<T>();
}
