#pragma once

#include "app/program.h"
#include "entry/frmglos.h"
#include "files/sqlitestore.h"
#include "practice/frmova.h"
#include "support/fakes.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <memory>

// What a user can read in a window or menu: captions, labels, tooltips, choices, tabs, list headers, a file
// dialog's places and menu items.
QStringList textsOf(QWidget *top);
// The words of three letters or more (a shorter one tells no language).
QSet<QString> wordsOf(const QStringList &texts);
// Whether every line of the label shows and no piece of it that cannot break is wider than it.
bool showsWhole(const QLabel *label);
// Types one key event per character: QTest::keyClicks cannot type å, ä, ö or é in Qt 6.4.
void typeText(QWidget *widget, const QString &text);

// The child of window named name; a missing one fails the test with its name and gives a stand-in, so that
// the test fails at its next check, not by a crash.
template <class T = QWidget> T *child(QObject *window, const QString &name)
{
    if (T *found = window ? window->findChild<T *>(name) : nullptr)
        return found;
    QTest::qFail(qPrintable(u"no control named "_s + name), __FILE__, __LINE__);
    static T *const standIn = new T;
    return standIn;
}

// A whole program on fakes, with data folders of its own and the start defaults in force, and the one driver
// that works its windows as a user does.
class TestProgram {
public:
    // store: the store's file; empty: one in the program's own data folder.
    explicit TestProgram(const QString &store = {});
    ~TestProgram();

    ScriptedDialogs dialogs;
    FakeClock clock;
    ScriptedRandom random;
    QTemporaryDir dataHome;
    FixedPaths paths;
    FakeSpeaker speaker;
    SqliteStore store; // in the data folder of its own, opened when first used
    int quits = 0;     // times the program was told to end
    Program program;
    Session &session = program.session;

    FrmGlos &main(); // loaded, shown and active
    // Types each pair into the main window and presses "Lägg till glosa".
    void addPairs(const QList<WordPair> &pairs);
    QStringList listed();                       // the main window's list box
    QString log() { return dialogs.takeLog(); } // the boxes and dialogs shown since last asked

    // Blank-separated user steps, in the active window, else the main window:
    //   "box=text"   focuses that line edit, presses Delete and types the text
    //   "tabs=N"     clicks page N of that tab bar
    //   "name"       clicks that button or chooses that menu item
    //   "Enter", "Esc", "Ctrl+S"  keys, in the control that has the focus; "@name" focuses it
    //   "^name"      activates that window; "Stäng" closes the active one by its close box
    //   "Ja", "Nej", "fil=PATH", "fil=", "färg=0xBBGGRR", "färg="  answer the box or dialog
    //                that the step before them opens (PATH under dataHome; empty: cancel)
    //   "glosor=a=1|b=2" or "glosor=N" (N pairs s=e), "användare=N"  set the list or the user
    // After each step, windows shown are activated and those unloaded deleted.
    void run(const QString &steps);
    // The active window as a user sees it, through the named controls on show: a label's or text's words,
    // "box=text" ("box=[text]" selected), a default button's name with "*", any other control's name; then
    // "@" the focused one.
    QString screen(const QString &names);
    template <class T = QWidget> T *control(const QString &name) { return child<T>(active(), name); }
    QWidget *active();

private:
    static void flushDeletes();
    // The control in the active window, else in the main window; nothing when neither has it.
    template <class T> T *find(const QString &name);
};

// The base of the window tests: a fresh program for each test function, and afterwards a check that every box
// it showed was looked at.
class WindowTest : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<TestProgram> t;
    template <class T = QWidget> T *control(const QString &name) { return t->control<T>(name); }

private slots:
    void init() { t = std::make_unique<TestProgram>(); }
    void cleanup()
    {
        VERIFY_NO_PENDING_DIALOGS(t->dialogs);
        t.reset();
    }
};
