#include "files/filecommands.h"

#include "app/session.h"
#include "options/access.h"

void saveCommand(Session &session, const std::function<void(bool)> &setBusy)
{
    Dialogs &dialogs = session.dialogs();
    if (session.wordCount() == 0) {
        dialogs.inform(QStringLiteral("Du måste lägga till glosor för att spara"));
        return;
    }
    const FileAccess access = fileAccess(session.state.currentUser);
    if (access != FileAccess::Allowed) {
        dialogs.inform(refusalText(access));
        return;
    }
    saveWordList({dialogs, session.paths(), setBusy}, session.state.currentUser, session.list(),
                 session.wordCount());
}

bool openCommand(Session &session)
{
    const FileAccess access = fileAccess(session.state.currentUser);
    if (access != FileAccess::Allowed) {
        session.dialogs().inform(refusalText(access), AccessDeniedTitle);
        return false;
    }
    // The list is replaced only once the whole file has been read.
    const std::optional<WordList> list =
        openWordList({session.dialogs(), session.paths()}, session.state.currentUser);
    if (list)
        session.setList(*list);
    return list.has_value();
}
