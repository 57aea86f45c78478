#pragma once

#include "app/appstate.h"
#include "app/formslot.h"
#include "options/optionsstate.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/fixedpaths.h"
#include "platform/random.h"
#include "practice/practicestate.h"

#include <functional>

class FrmSplash;
class FrmGlos;
class FrmGlosor;
class FrmOva;

// What the program takes from the desktop; tests hand in fakes.
struct Services {
    Dialogs &dialogs;
    const Clock &clock;
    RandomSource &random;
    const FixedPaths &paths;
    std::function<void()> quit;
};

// The running program: the shared state, the window objects' own fields and
// the single instance of every window, each reached by its name.
class Program {
public:
    explicit Program(Services services);
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;
    ~Program();

    AppState state;
    PracticeState practice; // the practice window's own fields
    OptionsState options;   // the options window's own fields

    Dialogs &dialogs() const { return m_services.dialogs; }
    RandomSource &random() const { return m_services.random; }
    const FixedPaths &paths() const { return m_services.paths; }
    QString clockNow() const { return clockText(m_services.clock.now()); }

    // The start routine: the defaults of a fresh start, then the splash window.
    void start();
    // The exit menus: every window goes at once and nothing is saved.
    void end();

    FrmSplash &frmSplash();
    FrmGlos &frmglos();
    FrmGlosor &frmglosor();
    FrmOva &frmOva();

    // The window if it is loaded, otherwise nullptr; nothing is loaded.
    FrmSplash *loadedSplash() const;
    FrmGlos *loadedGlos() const;
    FrmGlosor *loadedGlosor() const;
    FrmOva *loadedOva() const;

    void unloadAll();

private:
    Services m_services;
    FormSlot<FrmSplash> m_splash;
    FormSlot<FrmGlos> m_glos;
    FormSlot<FrmGlosor> m_glosor;
    FormSlot<FrmOva> m_ova;
};
