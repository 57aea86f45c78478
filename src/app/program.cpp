#include "app/program.h"

#include "app/frmsplash.h"

Program::Program(Services services)
    : m_services(std::move(services))
{
}

Program::~Program() = default;

void Program::start()
{
    state.applyStartDefaults();
    frmSplash.get().show();
}

void Program::end()
{
    discardAll();
    m_services.quit();
}

void Program::discardAll()
{
    for (FormSlotBase *form : m_forms)
        form->discard();
}
