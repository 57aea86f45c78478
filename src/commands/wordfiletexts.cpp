#include "commands/wordfiletexts.h"

#include "core/wordlist.h"

namespace {

const QString OpenFolder = QStringLiteral(R"(D:\SPEL\Res\Vrak\mrk_program\mrk\Kvartos\Glosor\)");
const QString SaveFolder = QStringLiteral(R"(D:\Spel\Res\Vrak\mrk_program\mrk\Kvartos\Glosor\)");

const QString TextFilter = QStringLiteral("Textfiler (*.txt *.tsv)|*.txt *.tsv|CSV-filer (*.csv)|*.csv");
const QString KvtmlFilter = QStringLiteral("|KDE-ordlistor (*.kvtml)|*.kvtml");

// A word in quotes; a long one only begins there, so that the box stays small.
QString quoted(const QString &word)
{
    constexpr qsizetype Shown = 40;
    if (word.size() <= Shown)
        return u'"' + word + u'"';
    const qsizetype cut = word[Shown - 1].isHighSurrogate() ? Shown - 1 : Shown;
    return u'"' + word.left(cut) + QStringLiteral("…\"");
}

QString pairsText(int pairCount)
{
    return QString::number(pairCount) +
           (pairCount == 1 ? QStringLiteral(" glosa") : QStringLiteral(" glosor"));
}

QString number(int value)
{
    return QString::number(value);
}

} // namespace

FileDialogRequest openDialogRequest()
{
    return {.title = QStringLiteral("Ladda glosor"),
            .filter = QStringLiteral("Glos filer(*.gls)|*.gls|Alla filer(*.*)|*.*"),
            .confirmReplace = false,
            .mustExist = false,
            .typeGivesExtension = false};
}

FileDialogRequest saveDialogRequest()
{
    return {.title = QStringLiteral("Spara glosor"),
            .filter = QStringLiteral("Glos filer(*.gls)|*.gls|Alla filer|*.*"),
            .confirmReplace = true,
            .mustExist = false,
            .typeGivesExtension = false};
}

FileDialogRequest exportDialogRequest()
{
    return {.title = QStringLiteral("Exportera glosor"),
            .filter = TextFilter + KvtmlFilter,
            .confirmReplace = true,
            .mustExist = false,
            .typeGivesExtension = true};
}

FileDialogRequest importDialogRequest()
{
    return {.title = QStringLiteral("Importera glosor"),
            .filter =
                QStringLiteral("Alla ordlistor (*.txt *.tsv *.csv *.kvtml)|*.txt *.tsv *.csv *.kvtml|") +
                TextFilter + KvtmlFilter + QStringLiteral("|Alla filer (*)|*"),
            .confirmReplace = false,
            .mustExist = true,
            .typeGivesExtension = false};
}

QString fixedOpenPath(const QString &name)
{
    return OpenFolder + name + QStringLiteral(".gls");
}

QString fixedSavePath(const QString &name)
{
    return SaveFolder + name + QStringLiteral(".gls");
}

QString saveErrorText(int error)
{
    return QStringLiteral("Error=") + number(error);
}

QString fixedOpenErrorText(int error)
{
    return QStringLiteral("Fel vid öppna. Error =") + number(error);
}

QString pendingOpenErrorText(int error)
{
    return QStringLiteral("Error= ") + number(error);
}

QString readErrorText(int error)
{
    return QStringLiteral("Error = ") + number(error);
}

QString writeFailedText(int error)
{
    return joinLines(QStringLiteral("Fel vid skrivning till fil."), saveErrorText(error));
}

QString backupKeptText(const QString &backup)
{
    return QStringLiteral("Filen kunde inte återställas. Den gamla filen finns kvar i: ") + backup;
}

Message leftoverBackupQuestion(const QString &file, bool whole)
{
    const QString text =
        QStringLiteral("Programmet avbröts förra gången medan det sparade filen:\r\n%1\r\n%2\r\n"
                       "Vill du sätta tillbaka den gamla versionen av filen?")
            .arg(file, whole ? QStringLiteral("Filen går att läsa hel nu.")
                             : QStringLiteral("Filen går inte att läsa hel nu."));
    // Putting the old version back throws the newer one away: only a damaged file makes it the default.
    return {text, QStringLiteral("Återställ fil"),
            whole ? Message::Buttons::YesNoDefaultNo : Message::Buttons::YesNo, Message::Icon::None};
}

QString leftoverBackupText(const QStringList &backups)
{
    return joinLines(QStringLiteral("En sparning avbröts innan den var klar. Den gamla filen finns kvar i:"),
                     backups.join(QStringLiteral("\r\n")));
}

QString extensionQuestion()
{
    return joinLines(QStringLiteral("Filen har inte ändelsen .gls!"),
                     QStringLiteral("Vill du fortsätta ändå?"));
}

Message badHeaderMessage()
{
    return {joinLines(QStringLiteral("Fel vid öppning av fil."),
                      QStringLiteral("Informationen om antal glosor var felaktig")),
            {},
            Message::Buttons::Ok,
            Message::Icon::Critical};
}

Message missingWordQuestion(int k)
{
    return {
        joinLines(QStringLiteral("Informationen om glosa nr ") + number(k) + QStringLiteral("har försvunnit"),
                  QStringLiteral("Vill du fortsätta")),
        {},
        Message::Buttons::YesNo,
        Message::Icon::Critical};
}

Message appendMissingWordQuestion()
{
    return {joinLines(QStringLiteral("Informationen om en glosa har försvunnit"),
                      QStringLiteral("Vill du fortsätta")),
            {},
            Message::Buttons::YesNo,
            Message::Icon::Critical};
}

QString appendTooLongText(int listPairs, int filePairs)
{
    return joinLines(QStringLiteral("Glosorna i filen får inte plats i listan."),
                     QStringLiteral("Listan rymmer högst ") + number(WordList::MaxPairs) +
                         QStringLiteral(" glosor. Den har ") + number(listPairs) +
                         QStringLiteral(" och filen ") + number(filePairs) + u'.');
}

QString importResultText(int added, int skipped)
{
    const QString pairs = added == 1 ? QStringLiteral("glosa") : QStringLiteral("glosor");
    const QString lines = skipped == 1 ? QStringLiteral("rad") : QStringLiteral("rader");
    return QStringLiteral("%1 %2 lades till. %3 %4 hoppades över.")
        .arg(added)
        .arg(pairs)
        .arg(skipped)
        .arg(lines);
}

QString importTooLargeText()
{
    return joinLines(QStringLiteral("Filen är för stor för att vara en gloslista."),
                     QStringLiteral("En textfil med glosor får vara högst 16 MiB."));
}

QString notTextText()
{
    return joinLines(QStringLiteral("Filen är ingen textfil."),
                     QStringLiteral("Glosor kan importeras från text i UTF-8, UTF-16 eller Windows-1252."));
}

QString badDocumentText()
{
    return joinLines(QStringLiteral("Filen kunde inte läsas som en KDE-ordlista."),
                     QStringLiteral("Den är skadad eller innehåller sådant som en ordlista inte har."));
}

QString writeProblemText(const FileOutcome &problem)
{
    using Kind = FileOutcome::Kind;
    switch (problem.kind) {
    case Kind::EmptyWord:
        return joinLines(QStringLiteral("Fel vid skrivning till fil."),
                         QStringLiteral("Glosan= ") + problem.word);
    case Kind::TooManyPairs:
        return joinLines(QStringLiteral("Listan har för många glosor för att sparas."),
                         QStringLiteral("En glosfil rymmer högst ") + pairsText(problem.limit) + u'.');
    case Kind::WordTooLong: {
        // The limit grows with the list: 2 × pairs − 1 bytes.
        const int pairCount = (problem.limit + 1) / 2;
        return joinLines(QStringLiteral("Ordet ") + quoted(problem.word) +
                             QStringLiteral(" är för långt för att sparas."),
                         QStringLiteral("I en lista med ") + pairsText(pairCount) +
                             QStringLiteral(" får ett ord ha högst ") + number(problem.limit) +
                             QStringLiteral(" tecken."));
    }
    case Kind::NotWindows1252:
        return joinLines(QStringLiteral("Ordet ") + quoted(problem.word) +
                             QStringLiteral(" har tecken som inte kan sparas i en glosfil."),
                         QStringLiteral("En glosfil kan bara lagra tecken ur teckentabellen Windows-1252."));
    case Kind::NotXmlText:
        return joinLines(QStringLiteral("Ordet ") + quoted(problem.word) +
                             QStringLiteral(" har tecken som inte kan sparas i en KDE-ordlista."),
                         QStringLiteral("Listan exporterades inte."));
    default:
        break;
    }
    return {};
}
