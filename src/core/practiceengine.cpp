#include "core/practiceengine.h"

#include <QTextBoundaryFinder>

#include <algorithm>
#include <limits>

namespace {

constexpr ColorValue WrongBack = 0x000000FF; // red
constexpr ColorValue RightBack = 0x0000FF00; // green

// The counts are reported as 16-bit numbers; they stop at the top instead of
// wrapping to negative totals.
void countUp(qint16 &count)
{
    if (count < std::numeric_limits<qint16>::max())
        ++count;
}

// Where each character of text ends, as a reader counts characters: an emoji
// or a letter with its accents is one, however many UTF-16 units it takes.
QList<qsizetype> characterEnds(const QString &text)
{
    QList<qsizetype> ends;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    while (finder.toNextBoundary() > 0)
        ends.append(finder.position());
    return ends;
}

// numerator / denominator to the nearest whole number, an exact half to the
// even neighbour. Both are non-negative.
qint64 roundHalfEven(qint64 numerator, qint64 denominator)
{
    const qint64 quotient = numerator / denominator;
    const qint64 twiceRest = 2 * (numerator % denominator);
    if (twiceRest > denominator || (twiceRest == denominator && quotient % 2 != 0))
        return quotient + 1;
    return quotient;
}

} // namespace

PracticeEngine::PracticeEngine(AppState &state, PracticeState &practice, const WordList &list,
                               RandomSource &random)
    : m_state(state)
    , m_practice(practice)
    , m_list(list)
    , m_random(random)
{
}

void PracticeEngine::start()
{
    m_practice.hintLetters = 0;
    m_revealed = false;
    m_missedNow = false;
    if (m_state.directionMode == DirectionMode::Repeat)
        m_state.currentDirection = Direction::English; // each word begins with its English side
    if (m_state.practiceOrder == PracticeOrder::Random) {
        beginRandomPass(0);
    } else {
        m_practice.inRandomPass = false;
        m_state.questionIndex = 1;
    }
    showQuestion();
}

void PracticeEngine::markMissed()
{
    // Only while the pair is asked: a hint after "Rätt!" only shows it again.
    if (m_display.phase == Phase::AnsweredRight || m_display.phase == Phase::Finished)
        return;
    m_missedNow = true;
    const WordPair &pair = m_list.pair(m_state.questionIndex);
    if (!m_practice.missed.contains(pair))
        m_practice.missed.append(pair);
}

void PracticeEngine::resume()
{
    if (m_state.questionIndex < 1 || m_state.questionIndex > wordCount())
        m_state.questionIndex = 1;
    showQuestion();
}

PracticeEngine::Outcome PracticeEngine::checkAnswer(const QString &answer)
{
    if (composed(answer) != expectedAnswer()) {
        tell(ReviewOutcome::Wrong, answer);
        markMissed();
        m_display = {QString(), QStringLiteral("Fel försök igen"), WrongBack, Phase::AnsweredWrong};
        return Outcome::Wrong;
    }

    tell(m_missedNow ? ReviewOutcome::RightAfterMiss : ReviewOutcome::RightFirstTry, answer);
    if (!m_missedNow) // right at the first try without a hint: no longer missed
        m_practice.missed.removeAll(m_list.pair(m_state.questionIndex));
    const bool complete = passComplete();
    countUp(m_practice.correctCount);
    m_display = {QString(), QStringLiteral("Rätt!"), RightBack, Phase::AnsweredRight};
    if (m_state.directionMode == DirectionMode::AlwaysSwap)
        swapDirection();
    if (complete) {
        if (m_state.directionMode == DirectionMode::AlternatePasses)
            swapDirection();
        // Endless practice needs nothing more here: the next advance begins
        // the next pass, so the row stays a real word until then.
        if (!m_state.endlessPractice) {
            m_display.phase = Phase::Finished;
            return Outcome::PracticeOver;
        }
    }
    if (m_state.directionMode == DirectionMode::Random)
        drawDirection();
    return Outcome::Right;
}

void PracticeEngine::retryQuestion()
{
    showQuestion();
    countUp(m_practice.retryCount);
}

void PracticeEngine::nextQuestion()
{
    m_revealed = false;
    m_missedNow = false;
    advanceQuestion();
    m_practice.hintLetters = 0;
}

PracticeEngine::HintResult PracticeEngine::giveHint()
{
    countUp(m_practice.hintCount);
    const QString answer = expectedAnswer();
    const QList<qsizetype> ends = characterEnds(answer);
    const bool partial = m_practice.hintLetters < hintLimit(int(ends.size()));
    if (m_display.phase != Phase::AnsweredRight && m_display.phase != Phase::Finished)
        tell(partial ? ReviewOutcome::Hint : ReviewOutcome::Shown, {});
    markMissed();
    HintResult result;
    if (partial) {
        ++m_practice.hintLetters;
        result.answerText = answer.left(ends[m_practice.hintLetters - 1]);
    } else {
        result.revealed = true;
        result.reveal = revealAnswer();
    }
    return result;
}

Message PracticeEngine::revealAnswer()
{
    countUp(m_practice.cheatCount);
    m_revealed = true;
    return {joinLines(QStringLiteral("Rätt svar är:"), expectedAnswer()), QStringLiteral("FUSK"),
            Message::Buttons::Ok, Message::Icon::None};
}

PracticeEngine::Spoken PracticeEngine::spokenWord() const
{
    using Language = Speaker::Language;
    const bool answerShown =
        m_revealed || m_display.phase == Phase::AnsweredRight || m_display.phase == Phase::Finished;
    if (answerShown)
        return {m_list.pair(m_state.questionIndex).english, Language::English};
    const Direction shown = m_state.currentDirection;
    return {sideOf(m_state.questionIndex, shown),
            shown == Direction::Swedish ? Language::Swedish : Language::English};
}

void PracticeEngine::tell(ReviewOutcome outcome, const QString &typed)
{
    if (answered)
        answered(m_list.pair(m_state.questionIndex), m_state.currentDirection == Direction::English, outcome,
                 composed(typed));
}

QString PracticeEngine::expectedAnswer() const
{
    return sideOf(m_state.questionIndex, opposite(m_state.currentDirection));
}

QString PracticeEngine::summaryText(const PracticeState &practice)
{
    const QString lineBreak = QStringLiteral("\r\n");
    return QStringLiteral("Du tränade ") + QString::number(practice.correctCount) +
           QStringLiteral(" glosor") + lineBreak + QStringLiteral("Du hade ") +
           QString::number(practice.retryCount) + QStringLiteral(" fel") + lineBreak +
           QStringLiteral("Använde gloshjälpen ") + QString::number(practice.hintCount) +
           QStringLiteral(" gång(er)") + lineBreak + QStringLiteral("Du använde fuskfunktionen ") +
           QString::number(practice.cheatCount) + QStringLiteral(" gång(er)") + lineBreak;
}

Message PracticeEngine::allUsedMessage()
{
    return {QStringLiteral("Alla glosor är användna"), QString(), Message::Buttons::Ok, Message::Icon::None};
}

int PracticeEngine::hintLimit(int length)
{
    if (length <= 0)
        return 0;
    const qint64 l = length; // 3 * length must not overflow
    if (l < 8)
        return int(roundHalfEven(l, 2));
    if (l < 12)
        return int(roundHalfEven(l + 4, 2)); // l/2 + 2
    return int(roundHalfEven(3 * l, 4));
}

void PracticeEngine::advanceQuestion()
{
    if (m_state.directionMode == DirectionMode::Repeat) {
        // English side first, then the Swedish side of the same word.
        const bool keepRow = m_state.currentDirection == Direction::English;
        m_state.currentDirection = keepRow ? Direction::Swedish : Direction::English;
        if (!keepRow)
            advanceRow();
    } else {
        if (m_state.directionMode == DirectionMode::Random)
            drawDirection();
        advanceRow();
    }
    showQuestion();
}

void PracticeEngine::swapDirection()
{
    m_state.currentDirection = opposite(m_state.currentDirection);
}

void PracticeEngine::showQuestion()
{
    m_display = {QStringLiteral("Översätt:"), sideOf(m_state.questionIndex, m_state.currentDirection),
                 m_state.practiceColors.back, Phase::Asking};
}

void PracticeEngine::advanceRow()
{
    if (m_state.practiceOrder == PracticeOrder::Random) {
        if (randomPassRunning())
            drawFromPool();
        else
            beginRandomPass(m_state.questionIndex);
        return;
    }
    m_practice.inRandomPass = false;
    // Past the last row only in endless practice; a single pass has ended there.
    const int row = m_state.questionIndex;
    m_state.questionIndex = quint8(row >= 1 && row < wordCount() ? row + 1 : 1);
}

void PracticeEngine::drawDirection()
{
    m_state.currentDirection = m_random.below(2) == 0 ? Direction::Swedish : Direction::English;
}

bool PracticeEngine::passComplete() const
{
    // A repeated word is done only after its second, Swedish-shown half.
    if (m_state.directionMode == DirectionMode::Repeat && m_state.currentDirection != Direction::Swedish)
        return false;
    if (m_state.practiceOrder == PracticeOrder::Random)
        return m_practice.inRandomPass && m_practice.poolSize <= 0;
    return m_state.questionIndex >= wordCount();
}

bool PracticeEngine::randomPassRunning() const
{
    return m_practice.inRandomPass && m_practice.poolSize > 0 &&
           m_practice.poolSize <= int(m_practice.questionPool.size());
}

void PracticeEngine::beginRandomPass(int avoidRow)
{
    // The word just asked sits out the first draw, so that a new pass never
    // repeats it straight away; it goes back into the pool afterwards.
    const int words = std::min(wordCount(), int(m_practice.questionPool.size()) - 1);
    const bool avoid = words > 1 && avoidRow >= 1 && avoidRow <= words;
    m_practice.questionPool.fill(0);
    m_practice.poolSize = 0;
    for (int row = 1; row <= words; ++row) {
        if (!avoid || row != avoidRow)
            m_practice.questionPool[m_practice.poolSize++] = quint8(row);
    }
    m_practice.inRandomPass = true;
    drawFromPool();
    if (avoid)
        m_practice.questionPool[m_practice.poolSize++] = quint8(avoidRow);
}

void PracticeEngine::drawFromPool()
{
    if (m_practice.poolSize <= 0) {
        m_state.questionIndex = 1; // an empty list: nothing to draw
        return;
    }
    const int position = std::clamp(m_random.below(m_practice.poolSize), 0, m_practice.poolSize - 1);
    m_state.questionIndex = m_practice.questionPool[position];
    removeFromPool(position);
}

void PracticeEngine::removeFromPool(int position)
{
    auto &pool = m_practice.questionPool;
    for (int i = position; i < m_practice.poolSize - 1; ++i)
        pool[i] = pool[i + 1];
    pool[m_practice.poolSize - 1] = 0;
    --m_practice.poolSize;
}

QString PracticeEngine::sideOf(int number, Direction side) const
{
    const WordPair pair = m_list.pair(number);
    return side == Direction::Swedish ? pair.swedish : pair.english;
}
