#include "entry/appendfromfile.h"

#include "app/session.h"
#include "files/wordfileroutines.h"
#include "files/wordfiletexts.h"
#include "options/access.h"

bool appendFromWordFile(Dialogs &dialogs, WordList &list)
{
    const std::optional<QString> path = dialogs.openFile(openDialogRequest());
    if (!path || !acceptExtension(dialogs, *path))
        return false;
    const std::optional<WordFileContent> content = readListFile(dialogs, *path);
    if (!content)
        return false;
    // The header promises its pairs; with every missing word kept, all of them come.
    if (list.count() + content->pairCount() > WordList::MaxPairs) {
        dialogs.inform(appendTooLongText(list.count(), content->pairCount()));
        return false;
    }
    walkWords(
        *content, [&dialogs](int) { return dialogs.message(appendMissingWordQuestion()) == Answer::Yes; },
        [&list](int k, const QString &word) { placeWord(list, k, word); });
    return true;
}

void appendCommand(Session &session)
{
    if (!mayAppendFromFile(session.state.currentUser))
        return;
    WordList list = session.list();
    if (appendFromWordFile(session.dialogs(), list))
        session.setList(list);
}
