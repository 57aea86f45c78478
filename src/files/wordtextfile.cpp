#include "files/wordtextfile.h"

#include "files/filebytes.h"
#include "files/wordfiletexts.h"
#include "files/wordtext.h"

namespace {

const QString TextFilter = QStringLiteral("Textfiler (*.txt *.tsv)|*.txt *.tsv|CSV-filer (*.csv)|*.csv");

} // namespace

FileDialogRequest exportDialogRequest()
{
    return {.title = QStringLiteral("Exportera glosor"),
            .filter = TextFilter,
            .confirmReplace = true,
            .mustExist = false};
}

FileDialogRequest importDialogRequest()
{
    return {.title = QStringLiteral("Importera glosor"),
            .filter = TextFilter + QStringLiteral("|Alla filer (*)|*"),
            .confirmReplace = false,
            .mustExist = true};
}

QString importResultText(int added, int skipped)
{
    return QStringLiteral("%1 glosor lades till. %2 rader hoppades över.").arg(added).arg(skipped);
}

QString importTooLargeText()
{
    return joinLines(QStringLiteral("Filen är för stor för att vara en gloslista."),
                     QStringLiteral("En textfil med glosor får vara högst 16 MiB."));
}

void exportWordText(Dialogs &dialogs, const WordList &list)
{
    const std::optional<QString> path = dialogs.saveFile(exportDialogRequest());
    if (!path)
        return;
    if (const int error = replaceFile(*path, WordText::format(list.pairs(), WordText::formatFor(*path))))
        dialogs.inform(writeFailedText(error));
}

void importWordText(Dialogs &dialogs, WordList &list, const std::function<void()> &placed)
{
    const std::optional<QString> path = dialogs.openFile(importDialogRequest());
    if (!path)
        return;
    // One byte past the limit tells a file at the limit from a larger one.
    const FileRead file = readFileStart(*path, WordText::MaxFileBytes + 1);
    if (!file.ok()) {
        dialogs.inform(readErrorText(file.error));
        return;
    }
    if (file.bytes.size() > WordText::MaxFileBytes) {
        dialogs.inform(importTooLargeText());
        return;
    }
    const WordText::Parsed parsed = WordText::parse(file.bytes);
    if (!WordText::fits(list.count(), int(parsed.pairs.size()))) {
        dialogs.inform(appendTooLongText(list.count(), int(parsed.pairs.size())));
        return;
    }

    for (const WordPair &pair : parsed.pairs)
        list.append(pair);
    if (!parsed.pairs.isEmpty())
        placed();
    dialogs.inform(importResultText(int(parsed.pairs.size()), parsed.skipped));
}
