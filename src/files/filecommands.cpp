#include "files/filecommands.h"

#include "app/session.h"
#include "files/wordtextfile.h"
#include "options/access.h"

namespace {
// False, after the refusal, when the logged-in user may not save or open.
bool mayUseFiles(const Session &session, const QString &refusalTitle = {})
{
    const FileAccess access = fileAccess(session.state.currentUser);
    if (access != FileAccess::Allowed)
        session.dialogs().inform(refusalText(access), refusalTitle);
    return access == FileAccess::Allowed;
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
    saveWordList({dialogs, session.paths(), setBusy}, session.state.currentUser, session.list(),
                 session.wordCount());
}

bool openCommand(Session &session)
{
    if (!mayUseFiles(session, AccessDeniedTitle))
        return false;
    // The list is replaced only once the whole file has been read.
    const std::optional<WordList> list =
        openWordList({session.dialogs(), session.paths()}, session.state.currentUser);
    if (list)
        session.setList(*list);
    return list.has_value();
}

void exportCommand(Session &session)
{
    if (mayUseFiles(session))
        exportWordText(session.dialogs(), session.list());
}

void importCommand(Session &session)
{
    if (!mayUseFiles(session))
        return;
    WordList list = session.list();
    importWordText(session.dialogs(), list, [&] { session.setList(list); });
}
