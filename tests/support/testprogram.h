#pragma once

#include "app/program.h"
#include "support/fakes.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A whole program on fakes: scripted dialogs, a set clock, scripted chance
// and data folders of its own, for tests that drive the real windows.
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

    // Runs the start routine's settings without showing the splash window.
    AppState &startState();

    // Lets the event loop delete the windows that were unloaded.
    static void flushDeletes();
};

// The child of a window with the given objectName; fails the test if missing.
template <class T> T *child(QObject *window, const QString &name)
{
    T *found = window ? window->findChild<T *>(name) : nullptr;
    if (!found)
        QTest::qFail(qPrintable(QStringLiteral("no control named %1").arg(name)), __FILE__, __LINE__);
    return found;
}

// Fails the calling test when a message was shown that the test did not check,
// or a scripted answer was never asked for.
#define VERIFY_NO_PENDING_DIALOGS(dialogs)                                                                   \
    QVERIFY2((dialogs).pendingReport().isEmpty(), qPrintable((dialogs).pendingReport()))
