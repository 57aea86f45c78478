#include "files/wordfileroutines.h"

#include "files/filebytes.h"
#include "files/wordfiletexts.h"

namespace {

QList<WordPair> pairsOf(const WordList &list, int lastRow)
{
    QList<WordPair> pairs;
    for (int row = 1; row <= lastRow; ++row)
        pairs.append(list.pair(row));
    return pairs;
}

} // namespace

void placeWord(WordList &list, int k, const QString &word)
{
    if (k % 2 == 1)
        list.append(word, {});
    else
        list.setPair(list.count(), {list.pair(list.count()).swedish, word});
}

void saveWordList(const WordFileServices &services, quint8 user, const WordList &list, int lastRow)
{
    Dialogs &dialogs = services.dialogs;
    QString path;
    if (user == 1 || user == 2) {
        const std::optional<QString> chosen = dialogs.saveFile(saveDialogRequest());
        if (!chosen)
            return;
        path = *chosen;
    } else if (user == 3) {
        path = services.paths.forWriting(fixedSavePath(user));
    } else {
        return;
    }
    if (const int failure = pathFailure(path)) {
        dialogs.inform(saveErrorText(failure));
        return;
    }

    services.setBusy(true);
    const WordFileBytes file = writeWordFile(pairsOf(list, lastRow));
    const int error = file.problem ? 0 : replaceFile(path, file.bytes);
    services.setBusy(false);
    if (file.problem)
        dialogs.inform(writeProblemText(*file.problem));
    else if (error != 0)
        dialogs.inform(writeFailedText(error));
}

std::optional<WordList> openWordList(const WordFileServices &services, quint8 user)
{
    Dialogs &dialogs = services.dialogs;
    QString path;
    if (user == 2 || user == 3) {
        path = services.paths.forReading(fixedOpenPath(user));
        if (const int failure = pathFailure(path)) {
            dialogs.inform(fixedOpenErrorText(failure));
            return std::nullopt;
        }
    } else if (user == 1) {
        const std::optional<QString> chosen = dialogs.openFile(openDialogRequest());
        if (!chosen)
            return std::nullopt;
        path = *chosen;
    } else {
        return std::nullopt;
    }
    if (!acceptExtension(dialogs, path))
        return std::nullopt;

    // A path that is already broken is named, then the read tells what fails.
    const PathLookUp lookUp = lookUpPath(path);
    if (lookUp.error != 0)
        dialogs.inform(pendingOpenErrorText(lookUp.error));
    const std::optional<WordFileContent> content = readListFile(dialogs, path, lookUp);
    if (!content)
        return std::nullopt;

    WordList buffer;
    buffer.reserve(content->pairCount());
    const bool complete = walkWords(
        *content, [&dialogs](int k) { return dialogs.message(missingWordQuestion(k)) == Answer::Yes; },
        [&buffer](int k, const QString &word) { placeWord(buffer, k, word); });
    if (!complete)
        return std::nullopt;
    return buffer;
}

bool acceptExtension(Dialogs &dialogs, const QString &path)
{
    return path.endsWith(QStringLiteral(".gls")) || dialogs.askYesNo(extensionQuestion());
}

std::optional<WordFileContent> readListFile(Dialogs &dialogs, const QString &path)
{
    return readListFile(dialogs, path, lookUpPath(path));
}

std::optional<WordFileContent> readListFile(Dialogs &dialogs, const QString &path, const PathLookUp &lookUp)
{
    const FileRead read = readFileStart(path, WordFile::MaxBytes, lookUp);
    if (!read.ok()) {
        dialogs.inform(readErrorText(read.error));
        return std::nullopt;
    }
    WordFileContent content = readWordFile(read.bytes);
    if (content.header == 0) {
        dialogs.message(badHeaderMessage());
        return std::nullopt;
    }
    return content;
}
