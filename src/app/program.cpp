#include "app/program.h"

#include "app/frmsplash.h"
#include "entry/frmglos.h"
#include "entry/frmglosor.h"
#include "practice/frmova.h"

Program::Program(Services services)
    : m_services(std::move(services))
{
}

Program::~Program() = default;

void Program::start()
{
    state.applyStartDefaults();
    frmSplash().show();
}

void Program::end()
{
    unloadAll();
    m_services.quit();
}

FrmSplash &Program::frmSplash()
{
    return m_splash.get(*this);
}

FrmGlos &Program::frmglos()
{
    return m_glos.get(*this);
}

FrmGlosor &Program::frmglosor()
{
    return m_glosor.get(*this);
}

FrmOva &Program::frmOva()
{
    return m_ova.get(*this);
}

FrmSplash *Program::loadedSplash() const
{
    return m_splash.loaded();
}

FrmGlos *Program::loadedGlos() const
{
    return m_glos.loaded();
}

FrmGlosor *Program::loadedGlosor() const
{
    return m_glosor.loaded();
}

FrmOva *Program::loadedOva() const
{
    return m_ova.loaded();
}

void Program::unloadAll()
{
    m_splash.unload();
    m_glos.unload();
    m_glosor.unload();
    m_ova.unload();
}
