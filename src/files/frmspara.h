#pragma once

#include "platform/form.h"

class Program;

// The save/open window. The main window's "&Spara" and "&Öppna" load it and
// unload it at once; its load does the whole save or open, steered by
// fileDialogMode (1 save, 0 open). What the user meets are its dialogs and
// boxes, so the window itself has no controls and is never shown.
class FrmSpara final : public Form {
    Q_OBJECT

public:
    explicit FrmSpara(Program &program);

    void Form_Load() override;

protected:
    void Form_Unload() override;

private:
    void SaveAs();
    void Command1_Click();

    Program &m_program;
};
