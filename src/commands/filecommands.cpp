#include "commands/filecommands.h"

#include "commands/printouts.h"
#include "commands/wordfiletexts.h"
#include "core/session.h"
#include "core/users.h"
#include "files/filebytes.h"
#include "files/pairfiles.h"

namespace {

// Which command tells an outcome: a few tell the same failure their own way.
enum class Command { Save, Open, FixedOpen, Append, Export, Import };

Message okBox(const QString &text)
{
    return {text, {}, Message::Buttons::Ok, Message::Icon::None};
}

// The boxes that tell an outcome, in the order they are shown.
QList<Message> messagesFor(Command command, const FileOutcome &outcome)
{
    using Kind = FileOutcome::Kind;
    const int error = outcome.error;
    switch (outcome.kind) {
    case Kind::Done:
        return {};
    case Kind::PathBroken:
        switch (command) {
        case Command::Save:
            return {okBox(saveErrorText(error))};
        case Command::Export:
            return {okBox(writeFailedText(error))};
        case Command::FixedOpen:
            return {okBox(fixedOpenErrorText(error))};
        case Command::Open: // the broken path is named, then the read tells what fails
            return {okBox(pendingOpenErrorText(error)), okBox(readErrorText(error))};
        case Command::Append:
        case Command::Import:
            return {okBox(readErrorText(error))};
        }
        break;
    case Kind::ReadFailed:
        return {okBox(readErrorText(error))};
    case Kind::BadHeader:
        return {badHeaderMessage()};
    case Kind::TooLarge:
        return {okBox(importTooLargeText())};
    case Kind::NotText:
        return {okBox(notTextText())};
    case Kind::BadDocument:
        return {okBox(badDocumentText())};
    case Kind::NotXmlText:
    case Kind::TooManyPairs:
    case Kind::EmptyWord:
    case Kind::WordTooLong:
    case Kind::NotWindows1252:
        return {okBox(writeProblemText(outcome))};
    case Kind::WriteFailed:
        if (!outcome.backup.isEmpty())
            return {okBox(joinLines(writeFailedText(error), backupKeptText(outcome.backup)))};
        return {okBox(writeFailedText(error))};
    }
    return {};
}

// Shows what an outcome tells; true when it was done.
bool tell(Session &session, Command command, const FileOutcome &outcome)
{
    for (const Message &message : messagesFor(command, outcome))
        session.dialogs().message(message);
    return outcome.ok();
}

const User &loggedIn(const Session &session)
{
    return user(session.state.currentUser);
}

// False, after the refusal, when the logged-in user may not save or open.
bool mayUseFiles(const Session &session, const QString &refusalTitle = {})
{
    const FileAccess access = loggedIn(session).access;
    if (access == FileAccess::StandardUser)
        session.dialogs().inform(
            QStringLiteral("Standard användaren har inte tillgång till den här funktionen"), refusalTitle);
    else if (access == FileAccess::OtherUser)
        session.dialogs().inform(QStringLiteral("Byt användare för att få tillgång till funktionen"),
                                 refusalTitle);
    return access == FileAccess::Allowed;
}

// A path chosen in the open dialog, once its extension is accepted.
std::optional<QString> chooseWordFile(Dialogs &dialogs)
{
    const std::optional<QString> path = dialogs.openFile(openDialogRequest());
    if (!path)
        return std::nullopt;
    if (!path->endsWith(QStringLiteral(".gls")) && !dialogs.askYesNo(extensionQuestion()))
        return std::nullopt;
    return path;
}

// A word-file intake whose pairs fit the list, or nothing after saying why not.
std::optional<Intake> intakeFitting(Session &session, Command command, Intake intake)
{
    if (!tell(session, command, intake.outcome))
        return std::nullopt;
    if (!session.list().hasRoomFor(intake.pairs.size())) {
        session.dialogs().inform(appendTooLongText(session.wordCount(), int(intake.pairs.size())));
        return std::nullopt;
    }
    return intake;
}

// False, after saying why, when the list cannot be printed: empty, or a user
// who may not save (a print dialog can write a PDF file).
bool mayPrint(const Session &session)
{
    if (session.wordCount() == 0) {
        session.dialogs().inform(QStringLiteral("Det finns inga glosor att skriva ut"));
        return false;
    }
    return mayUseFiles(session);
}

} // namespace

void saveCommand(Session &session, const std::function<void(bool)> &setBusy)
{
    Dialogs &dialogs = session.dialogs();
    if (session.wordCount() == 0) {
        dialogs.inform(QStringLiteral("Du måste lägga till glosor för att spara"));
        return;
    }
    if (!mayUseFiles(session))
        return;
    const User &who = loggedIn(session);
    std::optional<QString> path;
    if (who.save == FileTarget::Dialog)
        path = dialogs.saveFile(saveDialogRequest());
    else if (who.save == FileTarget::FixedFile)
        path = session.paths().forWriting(fixedSavePath(who.fixedFile));
    if (!path)
        return;
    setBusy(true);
    const FileOutcome outcome = writePairs(*path, session.list().pairs(), PairFormat::WordFile);
    setBusy(false);
    if (tell(session, Command::Save, outcome)) {
        session.setWordFile(*path);
        session.markSaved();
    }
}

bool openCommand(Session &session)
{
    if (!mayUseFiles(session, QStringLiteral("Åtkomst nekas")))
        return false;
    Dialogs &dialogs = session.dialogs();
    const User &who = loggedIn(session);
    std::optional<QString> path;
    Command command = Command::Open;
    if (who.open == FileTarget::FixedFile) {
        // No dialog to cancel here: one stray key must not throw away typed pairs.
        if (session.hasUnsavedPairs() &&
            !dialogs.askYesNoDefaultNo(
                QStringLiteral("Vill du ersätta glosorna i listan med glosorna i filen?"),
                QStringLiteral("Öppna glosor")))
            return false;
        command = Command::FixedOpen;
        path = session.paths().forReading(fixedOpenPath(who.fixedFile));
        if (const int failure = pathFailure(*path)) {
            dialogs.inform(fixedOpenErrorText(failure));
            return false;
        }
        if (!path->endsWith(QStringLiteral(".gls")) && !dialogs.askYesNo(extensionQuestion()))
            return false;
    } else if (who.open == FileTarget::Dialog) {
        path = chooseWordFile(dialogs);
    }
    if (!path)
        return false;

    const Intake intake = readPairs(*path, PairFormat::WordFile);
    if (!tell(session, command, intake.outcome))
        return false;
    for (int k : intake.missing) {
        if (dialogs.message(missingWordQuestion(k)) != Answer::Yes)
            return false;
    }
    // The list is replaced only once the whole file has been read.
    WordList list;
    list.append(intake.pairs);
    session.setWordFile(*path);
    session.setOpenedList(list);
    return true;
}

void appendCommand(Session &session)
{
    if (!loggedIn(session).mayAppend)
        return;
    const std::optional<QString> path = chooseWordFile(session.dialogs());
    if (!path)
        return;
    // The header promises its pairs; with every missing word kept, all of them come.
    std::optional<Intake> intake =
        intakeFitting(session, Command::Append, readPairs(*path, PairFormat::WordFile));
    if (!intake)
        return;
    for (int k : intake->missing) {
        if (session.dialogs().message(appendMissingWordQuestion()) != Answer::Yes) {
            intake->keepWordsBefore(k); // what came before the missing word stays
            break;
        }
    }
    session.appendPairs(intake->pairs);
}

void exportCommand(Session &session)
{
    if (!mayUseFiles(session))
        return;
    const std::optional<QString> path = session.dialogs().saveFile(exportDialogRequest());
    if (!path)
        return;
    tell(session, Command::Export, writePairs(*path, session.list().pairs(), exportFormatFor(*path)));
}

void importCommand(Session &session)
{
    if (!mayUseFiles(session))
        return;
    const std::optional<QString> path = session.dialogs().openFile(importDialogRequest());
    if (!path)
        return;
    const std::optional<Intake> intake =
        intakeFitting(session, Command::Import, readPairs(*path, PairFormat::Text));
    if (!intake)
        return;
    if (!intake->pairs.isEmpty())
        session.appendPairs(intake->pairs);
    session.dialogs().inform(importResultText(int(intake->pairs.size()), intake->skipped));
}

void printListCommand(Session &session)
{
    if (mayPrint(session))
        session.dialogs().print(listPrintout(session.list(), QDate::currentDate()));
}

void printQuizCommand(Session &session)
{
    if (mayPrint(session))
        session.dialogs().print(
            quizPrintout(session.list(), session.state, session.random(), QDate::currentDate()));
}
