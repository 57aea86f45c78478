#pragma once

#include <QList>
#include <QWidget>

class Form;
class Session;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The options window's third page, "Användare": chooses the user. The
// standard user is chosen at once; a named user is asked for a name and a
// password in login mode, which the window follows (it hides its tab strip,
// "OK" and "Avbryt") until the login succeeds or "&Ångra" leaves it. A user
// change is stored at once, whatever the window is left with.
class UsersPage final : public QWidget {
    Q_OBJECT

public:
    UsersPage(Session &session, const Form &window, QWidget *parent);

    // Chooses the option of the current user.
    void showCurrentUser();
    bool inLoginMode() const;

signals:
    // An option was chosen: Enter should press "&Ändra användare nu".
    void defaultButtonChosen(QPushButton *button);
    // Login mode began: Enter presses confirm, Esc presses undo.
    void loginStarted(QPushButton *confirm, QPushButton *undo);
    void loginEnded();

private:
    void makeChangeDefault(); // an option chosen: Enter means "&Ändra användare nu"
    void changeUser();        // "&Ändra användare nu"
    void confirmLogin();      // "Bekräfta ändring"
    void leaveLogin();        // "&Ångra"
    void hidePassword();      // the password box, once typed in

    void buildControls(const Form &window);
    void setLoginControls(bool login);

    Session &m_session;
    QList<QRadioButton *> m_optanv;
    QPushButton *m_cmdanv = nullptr;
    QLineEdit *m_txtNamn = nullptr;
    QLineEdit *m_txtPassword = nullptr;
    QPushButton *m_cmdbyt = nullptr;
    QPushButton *m_cmdBak = nullptr;
};
