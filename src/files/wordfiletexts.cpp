#include "files/wordfiletexts.h"

#include "platform/dialogs.h"

namespace {

QString quoted(const QString &word)
{
    return u'"' + word + u'"';
}

QString pairsText(int pairCount)
{
    return QString::number(pairCount) +
           (pairCount == 1 ? QStringLiteral(" glosa") : QStringLiteral(" glosor"));
}

} // namespace

QString writeProblemText(const WriteProblem &problem)
{
    switch (problem.kind) {
    case WriteProblem::Kind::EmptyWord:
        return joinLines(QStringLiteral("Fel vid skrivning till fil."),
                         QStringLiteral("Glosan= ") + problem.word);
    case WriteProblem::Kind::TooManyPairs:
        return joinLines(QStringLiteral("Listan har för många glosor för att sparas."),
                         QStringLiteral("En glosfil rymmer högst ") + pairsText(problem.limit) + u'.');
    case WriteProblem::Kind::WordTooLong: {
        // The limit grows with the list: 2 × pairs − 1 bytes.
        const int pairCount = (problem.limit + 1) / 2;
        return joinLines(QStringLiteral("Ordet ") + quoted(problem.word) +
                             QStringLiteral(" är för långt för att sparas."),
                         QStringLiteral("I en lista med ") + pairsText(pairCount) +
                             QStringLiteral(" får ett ord ha högst ") + QString::number(problem.limit) +
                             QStringLiteral(" tecken."));
    }
    case WriteProblem::Kind::NotWindows1252:
        return joinLines(QStringLiteral("Ordet ") + quoted(problem.word) +
                             QStringLiteral(" har tecken som inte kan sparas i en glosfil."),
                         QStringLiteral("En glosfil kan bara lagra tecken ur teckentabellen Windows-1252."));
    }
    return {};
}
