#pragma once

#include <QString>
#include <QtGlobal>

// The users of the options window's users page, by the index of their option
// button, which is also the user number stored as the current user.
inline constexpr int UserCount = 6;
inline constexpr int StandardUser = 0;

// The caption of a user's option button ("Standard användare", "Kvarto", ...);
// empty for an index outside the table.
QString userCaption(int user);

// What confirming a user change gives: accepted means the user becomes the
// current user and login mode ends; the message, when not empty, is shown in
// an OK box with the application's title.
struct LoginOutcome {
    bool accepted = false;
    QString message;

    friend bool operator==(const LoginOutcome &, const LoginOutcome &) = default;
};

// The login rules. The standard user needs no login; Kvarto, Lumba and
// Trevian are accepted only for their exact name and password texts (case
// counts, blanks count); Mirvel and Ponkel have no password and are refused.
// Lumba is accepted with the capitalised password whatever the name.
LoginOutcome checkLogin(int user, const QString &name, const QString &password);
