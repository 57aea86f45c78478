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
#include <vector>

class FrmAlt;
class FrmSplash;
class FrmGlos;
class FrmGlosor;
class FrmOva;
class FrmBort;
class FrmSpara;

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
    const Clock &clock() const { return m_services.clock; }
    RandomSource &random() const { return m_services.random; }
    const FixedPaths &paths() const { return m_services.paths; }

    // The start routine: the defaults of a fresh start, then the splash window.
    void start();
    // The exit menus: every window goes at once, without its unload routine,
    // and nothing is saved.
    void end();
    // Ends every window without ending the program.
    void discardAll();

private:
    Services m_services;
    std::vector<FormSlotBase *> m_forms; // filled by the slots below

public:
    FormSlot<FrmSplash> frmSplash{*this, m_forms};
    FormSlot<FrmGlos> frmglos{*this, m_forms};
    FormSlot<FrmGlosor> frmglosor{*this, m_forms};
    FormSlot<FrmOva> frmOva{*this, m_forms};
    FormSlot<FrmAlt> frmAlt{*this, m_forms};
    FormSlot<FrmBort> frmBort{*this, m_forms};
    FormSlot<FrmSpara> frmspara{*this, m_forms};
};
