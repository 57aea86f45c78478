#pragma once

#include <QString>
#include <QtGlobal>

// The six users of the program, by the index of their option button on the
// options window's users page, which is also the user number stored as the
// current user. Everything a user may do is read from this table.
inline constexpr int UserCount = 6;
inline constexpr int StandardUser = 0;

// Whether the user may use the word-file commands at all, and if not, which
// refusal they get.
enum class FileAccess { Allowed, StandardUser, OtherUser };

// Where a user's save or open goes.
enum class FileTarget { None, Dialog, FixedFile };

// How choosing the user with "&Ändra användare nu" goes on.
enum class Login {
    None,     // chosen at once, without a name or password
    Password, // asked for a name and a password
    Refused,  // asked for them, and always refused
};

struct User {
    QString caption; // of the option button; the login's name box starts with it
    Login login = Login::Refused;
    QString loginMessage; // after the login is accepted, or why it is refused (empty: no box)
    FileAccess access = FileAccess::OtherUser;
    FileTarget save = FileTarget::None;
    FileTarget open = FileTarget::None;
    bool mayAppend = false; // "Lägg till från gloslista"
    QString fixedFile;      // the base name of the user's fixed word file
    QString mainCaption;    // what the main window's caption adds
};

// The user of that number; a number outside the table may do nothing.
const User &user(int number);

// What confirming a user change gives: accepted means the user becomes the
// current user and login mode ends; the message, when not empty, is shown in
// an OK box with the application's title.
struct LoginOutcome {
    bool accepted = false;
    QString message;

    friend bool operator==(const LoginOutcome &, const LoginOutcome &) = default;
};

// The login rules: a user without a login is accepted at once; a user with
// one only for their exact name and password texts (case counts, blanks
// count); a refused login is refused whatever is typed.
LoginOutcome checkLogin(int number, const QString &name, const QString &password);
