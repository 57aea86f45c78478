#include "support/testprogram.h"

#include <QCoreApplication>

TestProgram::TestProgram()
    : paths(dataHome.path(), {})
    , program({dialogs, clock, random, paths, [this] { ++quitCalls; }})
{
}

TestProgram::~TestProgram()
{
    program.unloadAll();
    flushDeletes();
}

AppState &TestProgram::startState()
{
    program.state.applyStartDefaults();
    return program.state;
}

void TestProgram::flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
