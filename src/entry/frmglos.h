#pragma once

#include "app/wordlist.h"
#include "platform/form.h"

class Program;
class QLabel;
class QLineEdit;
class QListWidget;

// The main window: pairs are typed here and listed by their Swedish words,
// and every other part of the program is reached from its menus. While it is
// loaded its grid holds the word list.
class FrmGlos final : public Form {
    Q_OBJECT

public:
    explicit FrmGlos(Program &program);

    const WordList &grid() const { return m_grd; }

    // Takes back a list that another window held: the grid gets the source's
    // row count and its rows 0 to lastRow, the list box the Swedish words of
    // rows 1 to lastRow.
    void receiveList(const WordList &source, int lastRow);

    void Timer_Timer();
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
    void buildControls();
    void buildMenus();
    void Form_Load();

    Program &m_program;
    WordList m_grd;
    QLineEdit *m_txtsv = nullptr;
    QLineEdit *m_txteng = nullptr;
    QListWidget *m_listGlos = nullptr;
    QLabel *m_tid = nullptr;
};
