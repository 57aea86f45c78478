#include "commands/recoverycommand.h"

#include "core/recovery.h"
#include "core/session.h"

namespace {
Message recoveryQuestion(int pairs)
{
    const QString text =
        pairs == 1
            ? QStringLiteral("Det finns 1 glosa som inte sparades förra gången programmet användes. Vill "
                             "du få tillbaka den?")
            : QStringLiteral("Det finns %1 glosor som inte sparades förra gången programmet användes. Vill "
                             "du få tillbaka dem?")
                  .arg(pairs);
    // "Ja" loses nothing, so it is the default.
    return {text, QStringLiteral("Återställ glosor"), Message::Buttons::YesNo, Message::Icon::None};
}
} // namespace

void offerRecoveredPairs(Session &session)
{
    Store &store = session.store();
    Dialogs &dialogs = session.dialogs();
    const QList<RecoveryCopy> copies = store.endedCopies();
    if (const QString notice = store.takeNotice(); !notice.isEmpty())
        dialogs.inform(notice);
    bool told = false;
    for (const RecoveryCopy &copy : copies) {
        StoreOutcome result;
        if (dialogs.message(recoveryQuestion(int(copy.pairs.size()))) == Answer::Yes) {
            const qsizetype room = WordList::MaxPairs - session.wordCount();
            const QList<WordPair> taken = copy.pairs.first(qMin(room, copy.pairs.size()));
            QList<WordPair> list = session.list().pairs();
            list.append(taken);
            const QString wordFile = session.wordCount() == 0 ? copy.wordFile : session.wordFile();
            // The copy is this run's before the list changes: never missing in between.
            result = store.takeOver(copy.id, copy.pairs.mid(taken.size()), wordFile, list);
            if (result.ok()) {
                session.setWordFile(wordFile);
                session.appendPairs(taken);
            }
        } else {
            result = store.dropEndedCopy(copy.id);
        }
        if (!result.ok() && !std::exchange(told, true))
            dialogs.inform(recoveryProblemText(result.error));
    }
}
