#pragma once

#include "core/appstate.h"
#include "core/practicestate.h"
#include "core/store.h"
#include "core/wordlist.h"
#include "platform/dialogs.h"
#include "platform/random.h"
#include "platform/speaker.h"

#include <QString>

#include <functional>

// The drill over the practice window's snapshot of the word list: which pair is
// asked in which language, checking the answer, retry, hints, revealing the
// answer and the end of a pass. It only reads the list and leaves painting
// and message boxes to the window, which shows what display() describes.
class PracticeEngine {
public:
    // Which step button the window shows (and makes the default one):
    // "Klar", "Försök igen" or "Nästa"; none once a single pass is over.
    enum class Phase { Asking, AnsweredWrong, AnsweredRight, Finished };
    enum class Outcome { Wrong, Right, PracticeOver };

    // The prompt label, the word label with its background, and the phase.
    struct Display {
        QString prompt;
        QString word;
        ColorValue wordBack = 0;
        Phase phase = Phase::Asking;
    };

    // Not revealed: answerText replaces the answer box. Revealed: the window
    // shows `reveal` and leaves the answer box as it is.
    struct HintResult {
        bool revealed = false;
        QString answerText;
        Message reveal;
    };

    PracticeEngine(AppState &state, PracticeState &practice, const WordList &list, RandomSource &random);

    // A new practice started from the main window.
    void start();
    // Asks the current question again, as after a trip through the options
    // window; counts, hints and the pass go on.
    void resume();
    Outcome checkAnswer(const QString &answer);
    void retryQuestion();
    void nextQuestion();
    HintResult giveHint();

    const Display &display() const { return m_display; }

    // What "&Lyssna" may say now: while a question is asked, the word shown,
    // in its language; after "Rätt!" or a revealed answer, the English word.
    // Never an answer the user has not given or been shown.
    struct Spoken {
        QString text;
        Speaker::Language language = Speaker::Language::Swedish;
    };
    Spoken spokenWord() const;

    // Told of every answer while a pair is asked (a check, a hint, the answer
    // shown), for the review log.
    std::function<void(const WordPair &pair, bool englishShown, ReviewOutcome outcome, const QString &typed)>
        answered;

    static QString summaryText(const PracticeState &practice);
    static Message allUsedMessage();
    static int hintLimit(int length);

private:
    // Counts a reveal and returns the box that shows the answer.
    Message revealAnswer();
    QString expectedAnswer() const;
    void markMissed(); // the pair asked now
    void tell(ReviewOutcome outcome, const QString &typed);
    void advanceQuestion();
    void swapDirection();
    void showQuestion();
    void advanceRow();
    void drawDirection();
    bool passComplete() const;
    bool randomPassRunning() const;
    void beginRandomPass(int avoidRow);
    void drawFromPool();
    void removeFromPool(int position);
    int wordCount() const { return m_list.count(); }
    QString sideOf(int number, Direction side) const;

    AppState &m_state;
    PracticeState &m_practice;
    const WordList &m_list;
    RandomSource &m_random;
    Display m_display;
    bool m_revealed = false;  // the answer of the question asked now was shown
    bool m_missedNow = false; // the question asked now was answered wrong or hinted
};
