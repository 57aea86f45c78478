#include "practice/frmova.h"

#include "core/progress.h"
#include "core/session.h"
#include "platform/palettecolor.h"
#include "platform/wholetext.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QVBoxLayout>

namespace {
constexpr qreal WordPoints = 24;
const QString ListenTip = QStringLiteral("Tryck här för att höra ordet.");

QFont sized(QFont font, qreal points)
{
    font.setPointSizeF(points);
    return font;
}
} // namespace

FrmOva::FrmOva(Session &session)
    : Form(session.clock())
    , m_session(session)
    , m_engine(session.state, session.practice, session.practice.snapshot, session.random())
{
    setObjectName(QStringLiteral("frmOva"));
    setWindowTitle(QStringLiteral("Glosövning"));
    buildControls();
    buildMenus();
    connect(&m_session.speaker(), &Speaker::voicesChanged, this, &FrmOva::showSpeech);
    m_engine.answered = [this](const WordPair &pair, bool englishShown, ReviewOutcome outcome,
                               const QString &typed) {
        recordAnswer(m_session, pair, englishShown, outcome, typed);
    };
}

void FrmOva::buildControls()
{
    QWidget *client = createClient(6480, 3900);

    m_text1 = named(new QLabel(QStringLiteral("Översätt:"), client), "Text1");
    m_text1->setFont(sized(font(), 18));
    m_fr = named(new QFrame(client), "fr");
    m_fr->setFrameShape(QFrame::Box);
    m_frsv = named(new QLabel(m_fr), "frsv");
    m_frsv->setFont(sized(font(), WordPoints));
    (new QVBoxLayout(m_fr))->addWidget(m_frsv);
    m_txteng = named(new QLineEdit(client), "txteng", QStringLiteral("Skriv in översättningen här."));
    m_txteng->setFont(sized(font(), 24));
    m_txteng->setMaxLength(WordList::MaxWordLength);

    const QFont buttonFont = sized(font(), 13.5);
    m_cmdKlar = named(new QPushButton(QStringLiteral("Klar"), client), "cmdKlar",
                      QStringLiteral("Tryck här för att rätta"));
    m_cmdny = named(new QPushButton(QStringLiteral("Nästa"), client), "cmdny");
    m_cmdforsok = named(new QPushButton(QStringLiteral("Försök igen"), client), "cmdforsok");
    auto *hint = named(new QPushButton(QStringLiteral("Glos hjälp"), client), "Command1",
                       QStringLiteral("Tryck här om du glömt glosan!"));
    auto *cheat = named(new QPushButton(QStringLiteral("Fusk"), client), "CmdFusk");
    m_cmdLyssna = named(new QPushButton(QStringLiteral("&Lyssna"), client), "cmdLyssna", ListenTip);
    auto *back = named(new QPushButton(QStringLiteral("Tillbaka"), client), "cmdmeny",
                       QStringLiteral("Tryck här för att komma tillbaka till startfönstret"));
    m_tid = addClock(client, QStringLiteral("Tid"), "Timer1", m_session.state.showClock);

    placeTwips(m_text1, 240, 120, 3000, 480);
    placeTwips(m_fr, 240, 600, 6000, 900);
    placeTwips(m_txteng, 240, 1620, 6000, 615);
    placeTwips(hint, 5040, 2340, 1200, 375);
    placeTwips(m_cmdLyssna, 3720, 2340, 1200, 375);
    for (QPushButton *step : {m_cmdKlar, m_cmdny, m_cmdforsok}) {
        placeTwips(step, 240, 2880, 2400, 615); // the three step buttons share one place
        step->setFont(buttonFont);
    }
    placeTwips(back, 3840, 2880, 2400, 615);
    back->setFont(buttonFont);
    placeTwips(m_tid, 0, 3600, 2400, 255);
    cheat->hide(); // the answer is revealed through the hint only
    m_cmdny->hide();
    m_cmdforsok->hide();

    m_txteng->setFocus();
    setDefaultButton(m_cmdKlar);

    connect(m_cmdKlar, &QPushButton::clicked, this, &FrmOva::checkAnswer);
    connect(m_cmdforsok, &QPushButton::clicked, this, &FrmOva::retry);
    connect(m_cmdny, &QPushButton::clicked, this, &FrmOva::nextQuestion);
    connect(hint, &QPushButton::clicked, this, &FrmOva::giveHint);
    connect(back, &QPushButton::clicked, this, &FrmOva::goBack);
    connect(m_cmdLyssna, &QPushButton::clicked, this, &FrmOva::listen);
}

void FrmOva::buildMenus()
{
    QMenu *quit = addMenu(QStringLiteral("&Avsluta"), "mnuavsluta");
    QAction *quitItem = addMenuItem(quit, QStringLiteral("Avsl&uta"), "mnuArkavsluta");
    quitItem->setShortcut(Qt::CTRL | Qt::Key_Q); // the desktop's key for quitting
    connect(quitItem, &QAction::triggered, this, &FrmOva::quitRequested);
    QMenu *options = addMenu(QStringLiteral("&Alternativ"), "mnuAlt");
    connect(addMenuItem(options, QStringLiteral("Al&ternativ"), "mnuAltSe"), &QAction::triggered, this,
            &FrmOva::optionsRequested);
}

void FrmOva::Form_Load()
{
    const AppState &state = m_session.state;
    for (QWidget *surface : std::initializer_list<QWidget *>{centralWidget(), m_text1, m_frsv, m_tid, m_fr})
        paintBackground(surface, state.practiceColors.back);
    paintBackground(m_txteng, state.practiceColors.boxBack);
    paintText(m_txteng, state.practiceColors.text);
}

void FrmOva::startPractice(const WordList &pairs)
{
    show();
    m_session.practice.snapshot = pairs;
    m_engine.start();
    showEngine();
    updateClock();
}

void FrmOva::resumePractice()
{
    show();
    m_engine.resume();
    showEngine();
    updateClock();
}

void FrmOva::showEngine()
{
    const PracticeEngine::Display &display = m_engine.display();
    m_text1->setText(display.prompt);
    m_fr->layout()->activate(); // the word's room is known before it is measured
    showWhole(m_frsv, display.word, WordPoints);
    paintBackground(m_frsv, display.wordBack);

    showSpeech();

    // The three step buttons share one place; at most one is on show. When
    // practice is over none is, so nothing invites a step that cannot come.
    QPushButton *step = nullptr;
    switch (display.phase) {
    case PracticeEngine::Phase::Asking:
        step = m_cmdKlar;
        break;
    case PracticeEngine::Phase::AnsweredWrong:
        step = m_cmdforsok;
        break;
    case PracticeEngine::Phase::AnsweredRight:
        step = m_cmdny;
        break;
    case PracticeEngine::Phase::Finished:
        break;
    }
    const QList<QPushButton *> steps{m_cmdKlar, m_cmdforsok, m_cmdny};
    const bool stepHadFocus = steps.contains(focusWidget());
    if (step)
        step->show();
    for (QPushButton *button : steps) {
        if (button != step)
            button->hide();
    }
    setDefaultButton(step);
    // A step button pressed with the mouse hands the focus to the next one,
    // so that Enter goes on with the drill.
    if (stepHadFocus && step)
        step->setFocus();
}

void FrmOva::listen()
{
    m_speechAsked = true;
    const PracticeEngine::Spoken word = m_engine.spokenWord();
    showSpeech();
    if (m_cmdLyssna->isEnabled())
        m_session.speaker().say(word.text, word.language);
    m_txteng->setFocus(); // Enter goes on with the drill
}

void FrmOva::showSpeech()
{
    using Voice = Speaker::Voice;
    Speaker &speaker = m_session.speaker();
    const Speaker::Language language = m_engine.spokenWord().language;
    // Speech is loaded only once a word is to be said; what is known already counts at once.
    if (m_speechAsked && speaker.voice(language) == Voice::Unknown)
        speaker.findVoice(language);
    const Voice voice = speaker.voice(language);
    m_cmdLyssna->setEnabled(voice == Voice::Unknown || voice == Voice::Present);
    if (voice == Voice::NotAnswering)
        m_cmdLyssna->setToolTip(
            QStringLiteral("Datorns uppläsning svarar inte, så ordet kan inte läsas upp."));
    else if (voice == Voice::Missing)
        m_cmdLyssna->setToolTip(
            language == Speaker::Language::Swedish
                ? QStringLiteral("Det finns ingen svensk röst på datorn att läsa upp ordet med.")
                : QStringLiteral("Det finns ingen engelsk röst på datorn att läsa upp ordet med."));
    else
        m_cmdLyssna->setToolTip(ListenTip);
}

void FrmOva::checkAnswer()
{
    const PracticeEngine::Outcome outcome = m_engine.checkAnswer(m_txteng->text());
    showEngine();
    if (outcome == PracticeEngine::Outcome::PracticeOver) {
        m_session.dialogs().message(PracticeEngine::allUsedMessage());
        goBack();
    }
}

void FrmOva::retry()
{
    m_engine.retryQuestion();
    showEngine();
    m_txteng->setFocus();
    m_txteng->selectAll();
}

void FrmOva::nextQuestion()
{
    m_engine.nextQuestion();
    showEngine();
    m_txteng->clear();
    m_txteng->setFocus();
}

void FrmOva::giveHint()
{
    const PracticeEngine::HintResult hint = m_engine.giveHint();
    if (hint.revealed) {
        m_session.dialogs().message(hint.reveal);
        showSpeech(); // now the answer may be said
    } else
        m_txteng->setText(hint.answerText);
}

void FrmOva::goBack()
{
    emit backRequested();
    m_session.dialogs().inform(PracticeEngine::summaryText(m_session.practice));
    unload(); // the counts live on in the session
}
