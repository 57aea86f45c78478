#pragma once

#include "core/practiceengine.h"
#include "core/wordlist.h"
#include "platform/form.h"

class Session;
class QFrame;
class QLabel;
class QLineEdit;

// The practice window plays the drill of the practice engine on the
// practice's snapshot of the word list, taken when practice starts and kept
// through the options window, so that a change made elsewhere does not
// disturb the question being asked. Leaving never writes the snapshot back.
class FrmOva final : public Form {
    Q_OBJECT

public:
    explicit FrmOva(Session &session);

    // Shows this window, takes pairs as the practice's snapshot and asks the
    // first question: the whole list, or the pairs missed last time.
    void startPractice(const WordList &pairs);
    // Back from the options window: shows this window and asks the question
    // that was being asked, from the same snapshot, in the direction now in
    // force; the counts and hints go on.
    void resumePractice();

    void Form_Load() override;

signals:
    void backRequested();
    void optionsRequested();
    void quitRequested();

private:
    void checkAnswer();  // "Klar"
    void retry();        // "Försök igen"
    void nextQuestion(); // "Nästa"
    void giveHint();     // "Glos hjälp"
    void goBack();       // "Tillbaka"
    void listen();       // "&Lyssna"
    void showSpeech();   // "&Lyssna" disabled, and why, where no voice can say the word
    void buildControls();
    void buildMenus();
    void showEngine(); // puts the engine's labels and step button on screen

    Session &m_session;
    PracticeEngine m_engine;
    QLabel *m_text1 = nullptr;
    QFrame *m_fr = nullptr;
    QLabel *m_frsv = nullptr;
    QLineEdit *m_txteng = nullptr;
    QPushButton *m_cmdKlar = nullptr;
    QPushButton *m_cmdny = nullptr;
    QPushButton *m_cmdforsok = nullptr;
    QPushButton *m_cmdLyssna = nullptr;
    bool m_speechAsked = false; // the speaker is loaded only once a word is to be said
    QLabel *m_tid = nullptr;
};
