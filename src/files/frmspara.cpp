#include "files/frmspara.h"

#include "app/program.h"
#include "entry/frmglos.h"
#include "files/wordfileroutines.h"

#include <QGuiApplication>

namespace {

WordFileServices servicesOf(const Program &program)
{
    return {program.dialogs(), program.paths(), [](bool busy) {
                if (busy)
                    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
                else
                    QGuiApplication::restoreOverrideCursor();
            }};
}

} // namespace

FrmSpara::FrmSpara(Program &program)
    : Form(program.clock())
    , m_program(program)
{
    setObjectName(QStringLiteral("frmspara"));
    setWindowTitle(QStringLiteral("Spara/Öppna"));
}

void FrmSpara::Form_Load()
{
    if (m_program.state.fileDialogMode == 1)
        SaveAs();
    else if (m_program.state.fileDialogMode == 0)
        Command1_Click();
}

void FrmSpara::Form_Unload()
{
    m_program.frmglos.get().show();
}

void FrmSpara::SaveAs()
{
    // The list goes out as a copy of the main window's rows 0 to wordCount.
    const int lastRow = m_program.state.wordCount;
    WordList buffer;
    m_program.frmglos.get().grid().copyTo(buffer, lastRow);
    saveWordList(servicesOf(m_program), m_program.state.currentUser, buffer, lastRow);
}

void FrmSpara::Command1_Click()
{
    // The list is replaced only once the whole file has been read.
    if (const std::optional<WordList> list = openWordList(servicesOf(m_program), m_program.state.currentUser))
        m_program.frmglos.get().receiveList(*list);
}
