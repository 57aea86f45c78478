#pragma once

#include "app/formslot.h"
#include "core/recovery.h"
#include "core/session.h"

#include <vector>

class FrmAlt;
class FrmBort;
class FrmFramsteg;
class FrmGlos;
class FrmGlosor;
class FrmOva;
class FrmSplash;

// The running program: the session and the router between the windows. The
// windows only say what the user asked for; the router shows and unloads
// them, and is the one place that knows them all.
class Program {
public:
    explicit Program(Services services);
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;
    ~Program();

    Session session;
    Recovery recovery{session}; // the unsaved pairs' copy in the store

    // The start routine: the defaults of a fresh start, then the splash window.
    void start();
    // The exit menus: every window goes at once, without its unload routine,
    // and nothing is saved.
    void end();
    // The program is asked to end from outside (a signal, the desktop's
    // session end): what is not copied yet is written first.
    void keepUnsaved() { recovery.flush(); }
    // Ends every window without ending the program.
    void discardAll();

private:
    // Which window opened the options window, and so comes back when it closes.
    enum class OptionsCaller { Main, Practice };

    void wire(FrmSplash &window);
    void wire(FrmGlos &window);
    void wire(FrmGlosor &window);
    void wire(FrmOva &window);
    void wire(FrmAlt &window);
    void wire(FrmBort &window);
    void wire(FrmFramsteg &window);
    void openOptions(OptionsCaller caller);
    void openEdit();
    void backToMain();

    std::vector<FormSlotBase *> m_forms; // filled by the slots below
    OptionsCaller m_optionsCaller = OptionsCaller::Main;
    bool m_recoveryOffered = false;

    template <class W> FormSlot<W> slot()
    {
        return FormSlot<W>(session, m_forms, [this](W &window) { wire(window); });
    }

public:
    FormSlot<FrmSplash> frmSplash = slot<FrmSplash>();
    FormSlot<FrmGlos> frmglos = slot<FrmGlos>();
    FormSlot<FrmGlosor> frmglosor = slot<FrmGlosor>();
    FormSlot<FrmOva> frmOva = slot<FrmOva>();
    FormSlot<FrmAlt> frmAlt = slot<FrmAlt>();
    FormSlot<FrmBort> frmBort = slot<FrmBort>();
    FormSlot<FrmFramsteg> frmFramsteg = slot<FrmFramsteg>();
};
