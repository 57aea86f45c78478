#include "commands/printouts.h"

#include "core/practiceengine.h"

namespace {

QString dated(const QString &heading, QDate date)
{
    return heading + QStringLiteral(" – ") + date.toString(Qt::ISODate);
}

} // namespace

Printout listPrintout(const WordList &list, QDate date)
{
    Printout::Section section{dated(QStringLiteral("Glosor"), date),
                              {QStringLiteral("Nr"), QStringLiteral("Svenska"), QStringLiteral("Engelska")},
                              {},
                              false};
    for (int number = 1; number <= list.count(); ++number)
        section.rows.append({QString::number(number), list.pair(number).swedish, list.pair(number).english});
    return {QStringLiteral("Glosor"), {section}};
}

Printout quizPrintout(const WordList &list, const AppState &options, RandomSource &random, QDate date)
{
    // A practice of its own, on copies: the program's state is not touched.
    AppState state = options;
    PracticeState practice;
    PracticeEngine engine(state, practice, list, random);
    engine.start();
    QList<int> asked; // pair numbers, in the order asked
    QStringList shown, answers;
    for (int step = 0; asked.size() < list.count() && step < 4 * WordList::MaxPairs; ++step) {
        const int number = state.questionIndex;
        const WordPair &pair = list.pair(number);
        const bool swedishShown = state.currentDirection == Direction::Swedish;
        if (!asked.contains(number)) { // "Repetera" asks a pair twice: its first side counts
            asked.append(number);
            shown << (swedishShown ? pair.swedish : pair.english);
            answers << (swedishShown ? pair.english : pair.swedish);
        }
        if (engine.checkAnswer(swedishShown ? pair.english : pair.swedish) ==
            PracticeEngine::Outcome::PracticeOver)
            break;
        engine.nextQuestion();
    }
    const QStringList columns{QStringLiteral("Nr"), QStringLiteral("Ord"), QStringLiteral("Svar")};
    Printout::Section quiz{dated(QStringLiteral("Förhör"), date), columns, {}, true};
    Printout::Section key{QStringLiteral("Facit"), columns, {}, false};
    for (qsizetype i = 0; i < shown.size(); ++i) {
        quiz.rows.append({QString::number(i + 1), shown[i], QString()});
        key.rows.append({QString::number(i + 1), shown[i], answers[i]});
    }
    return {QStringLiteral("Förhör"), {quiz, key}};
}
