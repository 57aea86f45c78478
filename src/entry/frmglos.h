#pragma once

#include "app/wordlist.h"
#include "platform/form.h"

class Program;
class QListWidget;

// The main window: pairs are typed here and listed by their Swedish words,
// and every other part of the program is reached from its menus. While it is
// loaded its grid holds the word list.
class FrmGlos final : public Form {
    Q_OBJECT

public:
    explicit FrmGlos(Program &program);

    const WordList &grid() const { return m_grd; }

    // The one way a list comes back from another window: shows this window,
    // takes the list, lists its Swedish words, sets the word count from it and
    // shows the time.
    void receiveList(const WordList &list);

    void Form_Load() override;
    void cmdNästa_Click();
    void cmdOva_Click();
    void mnuAvlsuta_Click();
    void mnuAltBort_Click();
    void mnuAltGlos_Click();
    void mnuAltrensa_Click();
    void mnuAltOpenSave_Click();
    void mnuAltOpen_Click();
    void mnuAltLaggtill_Click();
    void mnuAltutse_Click();

private:
    // "&Exportera som text..." and "&Importera text...": the list as
    // delimited text, for the users who may save.
    void exportAsText();
    void importText();
    // False, after the refusal, when the logged-in user may not save or open.
    bool mayUseFiles();
    void buildControls();
    void buildMenus();
    void runSaveOpenWindow();

    Program &m_program;
    WordList m_grd;
    QLabel *m_text1 = nullptr;
    QLabel *m_text2 = nullptr;
    QLabel *m_text3 = nullptr;
    QLineEdit *m_txtsv = nullptr;
    QLineEdit *m_txteng = nullptr;
    QListWidget *m_listGlos = nullptr;
    QLabel *m_tid = nullptr;
};
