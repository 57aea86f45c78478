#pragma once

#include "app/wordlist.h"
#include "platform/form.h"
#include "practice/practiceengine.h"

class Program;
class QFrame;
class QLabel;
class QLineEdit;

// The practice window plays the drill of the practice engine. While it is
// open it holds the only copy of the word list, which it hands back to the
// main window when the user leaves.
class FrmOva final : public Form {
    Q_OBJECT

public:
    explicit FrmOva(Program &program);

    // The main window's practice button: shows this window, takes the list
    // (rows 0 to the word count) and asks the first question.
    void startPractice(const WordList &list);
    // Back from the options window: shows this window, takes the list and asks
    // the question that was being asked, in the direction now in force; the
    // counts and hints go on.
    void resumePractice(const WordList &list);
    const WordList &grid() const { return m_grd; }

    void Form_Load() override;
    void cmdKlar_Click();
    void cmdforsok_Click();
    void cmdny_Click();
    void Command1_Click();
    void CmdFusk_Click();
    void cmdmeny_Click();
    void mnuAltSe_Click();
    void mnuArkavsluta_Click();

private:
    void buildControls();
    void buildMenus();
    void showEngine(); // puts the engine's labels and step button on screen

    Program &m_program;
    WordList m_grd;
    PracticeEngine m_engine;
    QLabel *m_text1 = nullptr;
    QFrame *m_fr = nullptr;
    QLabel *m_frsv = nullptr;
    QLineEdit *m_txteng = nullptr;
    QPushButton *m_cmdKlar = nullptr;
    QPushButton *m_cmdny = nullptr;
    QPushButton *m_cmdforsok = nullptr;
    QLabel *m_tid = nullptr;
};
