#include "options/userspage.h"

#include "core/session.h"
#include "core/users.h"
#include "options/optionarray.h"
#include "platform/form.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

UsersPage::UsersPage(Session &session, const Form &window, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("picOptions_2"));
    buildControls(window);
}

void UsersPage::buildControls(const Form &window)
{
    QGroupBox *frame = addFrame(this, "frmanvandare", QStringLiteral("Användare:"));
    QStringList captions;
    for (int number = 0; number < UserCount; ++number)
        captions << user(number).caption;
    m_optanv = addOptionArray(frame, "optanv", captions);
    m_optanv[StandardUser]->setChecked(true);

    m_cmdanv = named(new QPushButton(QStringLiteral("&Ändra användare nu"), this), "cmdanv");
    m_txtNamn = named(new QLineEdit(QStringLiteral("txtnamn"), this), "txtNamn");
    m_txtPassword = named(new QLineEdit(QStringLiteral("Lösenord"), this), "txtLösen");
    // The password character of the old program, whatever the style's own is.
    m_txtPassword->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    // No label stands beside the two boxes; screen readers are told what they hold.
    m_txtNamn->setAccessibleName(QStringLiteral("Namn"));
    m_txtPassword->setAccessibleName(QStringLiteral("Lösenord"));
    m_cmdbyt = named(new QPushButton(QStringLiteral("Bekräfta ändring"), this), "cmdbyt");
    m_cmdBak = named(new QPushButton(QStringLiteral("&Ångra"), this), "cmdBak");
    selectAllOnFocus(m_txtNamn);
    selectAllOnFocus(m_txtPassword);
    setLoginControls(false);

    window.placeTwips(frame, 0, 0, 2520, 2520);
    window.placeTwips(m_cmdanv, 2760, 120, 2640, 495);
    window.placeTwips(m_txtNamn, 2760, 840, 2640, 375);
    window.placeTwips(m_txtPassword, 2760, 1320, 2640, 375);
    window.placeTwips(m_cmdbyt, 2760, 1800, 2640, 495);
    window.placeTwips(m_cmdBak, 2760, 2400, 2640, 495);

    for (QRadioButton *option : m_optanv)
        connect(option, &QRadioButton::clicked, this, &UsersPage::makeChangeDefault);
    connect(m_cmdanv, &QPushButton::clicked, this, &UsersPage::changeUser);
    connect(m_cmdbyt, &QPushButton::clicked, this, &UsersPage::confirmLogin);
    connect(m_cmdBak, &QPushButton::clicked, this, &UsersPage::leaveLogin);
    connect(m_txtPassword, &QLineEdit::textChanged, this, &UsersPage::hidePassword);
}

void UsersPage::showCurrentUser()
{
    chooseIndex(m_optanv, m_session.state.currentUser);
}

bool UsersPage::inLoginMode() const
{
    return !m_cmdbyt->isHidden();
}

void UsersPage::setLoginControls(bool login)
{
    m_cmdanv->setVisible(!login);
    for (QWidget *control : std::initializer_list<QWidget *>{m_cmdBak, m_cmdbyt, m_txtNamn, m_txtPassword})
        control->setVisible(login);
    for (QRadioButton *option : m_optanv)
        option->setEnabled(!login);
}

void UsersPage::makeChangeDefault()
{
    emit defaultButtonChosen(m_cmdanv);
}

void UsersPage::changeUser()
{
    const int number = chosenIndex(m_optanv).value_or(StandardUser);
    if (user(number).login == Login::None) {
        m_session.state.currentUser = quint8(number);
        m_session.dialogs().inform(checkLogin(number, {}, {}).message);
        return;
    }
    setLoginControls(true);
    m_txtNamn->setText(user(number).caption); // the third user must write another name
    m_optanv[number]->setChecked(true);
    m_session.options.chosenUser = quint8(number);
    emit loginStarted(m_cmdbyt, m_cmdBak);
    m_txtPassword->setFocus();
}

void UsersPage::confirmLogin()
{
    const int number = m_session.options.chosenUser;
    const LoginOutcome outcome = checkLogin(number, m_txtNamn->text(), m_txtPassword->text());
    if (outcome.accepted)
        m_session.state.currentUser = quint8(number);
    if (!outcome.message.isEmpty())
        m_session.dialogs().inform(outcome.message);
    if (outcome.accepted)
        leaveLogin();
}

void UsersPage::leaveLogin()
{
    setLoginControls(false);
    emit loginEnded();
}

void UsersPage::hidePassword()
{
    m_txtPassword->setEchoMode(QLineEdit::Password);
}
