#include "app/program.h"

#include "commands/filecommands.h"
#include "commands/leftovers.h"
#include "commands/recoverycommand.h"
#include "core/missed.h"
#include "core/progress.h"
#include "edit/frmbort.h"
#include "entry/frmglos.h"
#include "entry/frmglosor.h"
#include "options/frmalt.h"
#include "practice/frmova.h"
#include "progress/frmframsteg.h"
#include "splash/frmsplash.h"

#include <QGuiApplication>
#include <QTimer>

namespace {
// The hourglass while a word file is written.
void setBusy(bool busy)
{
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}
} // namespace

Program::Program(Services services)
    : session(std::move(services))
{
}

Program::~Program() = default;

void Program::start()
{
    session.state.applyStartDefaults();
    frmSplash.get().show();
    // A save killed while it wrote a file in place left the old bytes aside.
    offerLeftoverBackups(session);
}

void Program::end()
{
    recovery.flush(); // nothing is saved, but what was typed stays in its copy
    discardAll();
    session.quit();
}

void Program::discardAll()
{
    for (FormSlotBase *form : m_forms)
        form->discard();
}

void Program::backToMain()
{
    frmglos.get().bringToFront();
}

void Program::wire(FrmSplash &window)
{
    QObject::connect(&window, &FrmSplash::startRequested, &window, [this] {
        FrmGlos &main = frmglos.get();
        main.show();
        main.updateClock();
        // Once the window is on screen: the store is opened only then.
        if (!std::exchange(m_recoveryOffered, true))
            QTimer::singleShot(0, &main, [this] { offerRecoveredPairs(session); });
    });
}

void Program::wire(FrmGlos &main)
{
    QObject::connect(&main, &FrmGlos::practiceRequested, &main, [this] {
        frmOva.get().startPractice(session.list());
        frmglos.unload(); // practice has its own snapshot; the list stays in the session
    });
    QObject::connect(&main, &FrmGlos::missedPracticeRequested, &main, [this] {
        WordList missed;
        missed.append(missedInList(session.list(), session.practice.missed));
        if (missed.count() == 0)
            return;
        frmOva.get().startPractice(missed);
        frmglos.unload();
    });
    QObject::connect(&main, &FrmGlos::todaysPracticeRequested, &main, [this] {
        WordList today;
        today.append(todaysPairs(session));
        if (today.count() == 0)
            return;
        frmOva.get().startPractice(today);
        frmglos.unload();
    });
    QObject::connect(&main, &FrmGlos::progressRequested, &main, [this] { frmFramsteg.get().showProgress(); });
    QObject::connect(&main, &FrmGlos::editRequested, &main, [this] { openEdit(); });
    QObject::connect(&main, &FrmGlos::viewRequested, &main, [this] {
        FrmGlosor &view = frmglosor.get();
        view.show(); // asked for again, it comes to the front with the keyboard
        view.raise();
        view.activateWindow();
    });
    QObject::connect(&main, &FrmGlos::saveRequested, &main, [this] { saveCommand(session, setBusy); });
    QObject::connect(&main, &FrmGlos::openRequested, &main, [this] {
        if (openCommand(session))
            backToMain();
    });
    QObject::connect(&main, &FrmGlos::appendRequested, &main, [this] { appendCommand(session); });
    QObject::connect(&main, &FrmGlos::exportRequested, &main, [this] { exportCommand(session); });
    QObject::connect(&main, &FrmGlos::importRequested, &main, [this] { importCommand(session); });
    QObject::connect(&main, &FrmGlos::printRequested, &main, [this] { printListCommand(session); });
    QObject::connect(&main, &FrmGlos::printQuizRequested, &main, [this] { printQuizCommand(session); });
    QObject::connect(&main, &FrmGlos::optionsRequested, &main, [this] {
        openOptions(OptionsCaller::Main);
        frmglos.unload();
    });
    QObject::connect(&main, &FrmGlos::quitRequested, &main, [this] { end(); });
}

void Program::wire(FrmGlosor &)
{
    // The view asks for nothing; it follows the list by itself.
}

void Program::wire(FrmOva &practice)
{
    QObject::connect(&practice, &FrmOva::backRequested, &practice, [this] { backToMain(); });
    QObject::connect(&practice, &FrmOva::optionsRequested, &practice, [this] {
        openOptions(OptionsCaller::Practice);
        frmOva.unload(); // the counts and the question asked live on in the session
    });
    QObject::connect(&practice, &FrmOva::quitRequested, &practice, [this] { end(); });
}

void Program::wire(FrmAlt &options)
{
    QObject::connect(&options, &FrmAlt::closed, &options, [this] {
        if (m_optionsCaller == OptionsCaller::Practice)
            frmOva.get().resumePractice();
        else
            backToMain();
    });
}

void Program::wire(FrmBort &edit)
{
    QObject::connect(&edit, &FrmBort::committed, &edit,
                     [this](const WordList &list, const QList<std::pair<WordPair, WordPair>> &changed) {
                         for (const auto &[from, to] : changed)
                             carryHistory(session, from, to);
                         session.setList(list);
                         backToMain();
                     });
    QObject::connect(&edit, &FrmBort::closed, &edit, [this] { backToMain(); });
}

void Program::wire(FrmFramsteg &progress)
{
    // Back to the main window, unless it went meanwhile (to practice, say).
    QObject::connect(&progress, &FrmFramsteg::closed, &progress, [this] {
        if (frmglos.loaded())
            backToMain();
    });
}

void Program::openOptions(OptionsCaller caller)
{
    m_optionsCaller = caller;
    frmAlt.get().bringToFront();
}

void Program::openEdit()
{
    const bool fresh = !frmBort.loaded();
    FrmBort &edit = frmBort.get();
    if (fresh) {
        if (const FrmGlos *main = frmglos.loaded())
            edit.placeBeside(*main);
    }
    edit.editList();
}
