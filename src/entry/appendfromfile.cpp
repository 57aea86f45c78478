#include "entry/appendfromfile.h"

#include "app/session.h"
#include "files/wordfileroutines.h"
#include "files/wordfiletexts.h"
#include "options/access.h"

void appendFromWordFile(Dialogs &dialogs, WordList &list, const std::function<void()> &placed)
{
    const std::optional<QString> path = dialogs.openFile(openDialogRequest());
    if (!path || !acceptExtension(dialogs, *path))
        return;
    const std::optional<WordFileContent> content = readListFile(dialogs, *path);
    if (!content)
        return;
    // The header promises its pairs; with every missing word kept, all of them come.
    if (list.count() + content->pairCount() > WordList::MaxPairs) {
        dialogs.inform(appendTooLongText(list.count(), content->pairCount()));
        return;
    }
    walkWords(
        *content, [&dialogs](int) { return dialogs.message(appendMissingWordQuestion()) == Answer::Yes; },
        [&](int k, const QString &word) {
            placeWord(list, k, word);
            placed();
        });
}

void appendCommand(Session &session)
{
    if (!mayAppendFromFile(session.state.currentUser))
        return;
    WordList list = session.list();
    appendFromWordFile(session.dialogs(), list, [&] { session.setList(list); });
}
