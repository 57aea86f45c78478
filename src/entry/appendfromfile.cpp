#include "entry/appendfromfile.h"

#include "files/wordfileroutines.h"
#include "files/wordfiletexts.h"

bool appendFromWordFile(Dialogs &dialogs, WordList &list, const std::function<void(const QString &)> &listed)
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

    int row = list.count() + 1;
    walkWords(
        *content, [&dialogs](int) { return dialogs.message(appendMissingWordQuestion()) == Answer::Yes; },
        [&](int k, const QString &word) {
            if (k % 2 == 1) {
                list.setRowCount(list.rowCount() + 1);
                listed(word);
                list.setCell(row, 0, word);
            } else {
                list.setCell(row, 1, word);
                ++row;
            }
        });
    list.setCell(0, 0, QString::number(list.count()));
    return true;
}
