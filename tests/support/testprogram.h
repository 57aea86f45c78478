#pragma once

#include "app/program.h"
#include "app/wordlist.h"
#include "support/fakes.h"

#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

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
    FakeSpeaker speaker;
    int quitCalls = 0;
    Program program;
    Session &session = program.session;

    // The main window, loaded, shown and active.
    FrmGlos &main();
    // Types each pair into the main window and presses "Lägg till glosa".
    void addPairs(const QList<WordPair> &pairs);
    // The texts of the main window's list box.
    QStringList listed();
    // Adds the pairs and presses "Öva"; the practice window, or nullptr.
    FrmOva *startPractice(const QList<WordPair> &pairs);

    // Works the windows as a user does, one blank-separated step at a time:
    //   "box=text"  focuses that line edit (which selects what it holds),
    //               presses Delete and types the text;
    //   "tabs=N"    clicks page N of that tab bar;
    //   "Enter", "Esc", "Ctrl+S"  presses the keys in the control that has the focus;
    //   "name"      clicks that button or chooses that menu item.
    // Names are looked up in the active window, then in the main window. After
    // each step, windows shown are activated and those unloaded deleted.
    void run(const QString &steps);
    // Lets the event loop delete the windows that were unloaded.
    static void flushDeletes();

private:
    template <class T> T *find(const QString &name);
};

// What a user can read in a window or a menu: captions, labels, tooltips,
// choices, tabs, list headers, the places of a file dialog and menu items.
QStringList textsOf(QWidget *top);
// The words of three letters or more of texts (a shorter one, such as "in",
// tells no language), without access-key marks and key names.
QSet<QString> wordsOf(const QStringList &texts);

// Types text into a widget one key event per character, each carrying its
// text. QTest::keyClicks cannot be used for å, ä, ö or é in Qt 6.4: it looks
// the characters up in a key table that does not have them.
void typeText(QWidget *widget, const QString &text);
// Presses Enter (the Return key) in a widget.
inline void pressEnter(QWidget *widget)
{
    QTest::keyClick(widget, Qt::Key_Return);
}

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
    QTest::qFail(qPrintable(u"no control named %1"_s.arg(name)), __FILE__, __LINE__);
    return standIn<T>();
}

// The base of the window tests: a fresh program for each test function, and
// afterwards a check that every message it showed was looked at.
class WindowTest : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<TestProgram> t;

private slots:
    void init() { t = std::make_unique<TestProgram>(); }
    void cleanup()
    {
        VERIFY_NO_PENDING_DIALOGS(t->dialogs);
        t.reset();
    }
};
