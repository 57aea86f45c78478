#include "options/userspage.h"

#include "app/session.h"
#include "options/frmalt.h"
#include "options/optionarray.h"
#include "options/users.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

UsersPage::UsersPage(Session &session, FrmAlt &window, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
    , m_window(window)
{
    setObjectName(QStringLiteral("picOptions_2"));
    buildControls();
}

void UsersPage::buildControls()
{
    QGroupBox *frame = addFrame(this, "frmanvandare", QStringLiteral("Användare:"));
    QStringList captions;
    for (int user = 0; user < UserCount; ++user)
        captions << userCaption(user);
    m_optanv = addOptionArray(frame, "optanv", captions);
    m_optanv[StandardUser]->setChecked(true);

    m_cmdanv = named(new QPushButton(QStringLiteral("&Ändra användare nu"), this), "cmdanv");
    m_txtNamn = named(new QLineEdit(QStringLiteral("txtnamn"), this), "txtNamn");
    m_txtLösen = named(new QLineEdit(QStringLiteral("Lösenord"), this), "txtLösen");
    // The password character of the old program, whatever the style's own is.
    m_txtLösen->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    // No label stands beside the two boxes; screen readers are told what they hold.
    m_txtNamn->setAccessibleName(QStringLiteral("Namn"));
    m_txtLösen->setAccessibleName(QStringLiteral("Lösenord"));
    m_cmdbyt = named(new QPushButton(QStringLiteral("Bekräfta ändring"), this), "cmdbyt");
    m_cmdBak = named(new QPushButton(QStringLiteral("&Ångra"), this), "cmdBak");
    selectAllOnFocus(m_txtNamn);
    selectAllOnFocus(m_txtLösen);
    setLoginControls(false);

    m_window.placeTwips(frame, 0, 0, 2520, 2520);
    m_window.placeTwips(m_cmdanv, 2760, 120, 2640, 495);
    m_window.placeTwips(m_txtNamn, 2760, 840, 2640, 375);
    m_window.placeTwips(m_txtLösen, 2760, 1320, 2640, 375);
    m_window.placeTwips(m_cmdbyt, 2760, 1800, 2640, 495);
    m_window.placeTwips(m_cmdBak, 2760, 2400, 2640, 495);

    for (QRadioButton *option : m_optanv)
        connect(option, &QRadioButton::clicked, this, &UsersPage::makeChangeDefault);
    connect(m_cmdanv, &QPushButton::clicked, this, &UsersPage::changeUser);
    connect(m_cmdbyt, &QPushButton::clicked, this, &UsersPage::confirmLogin);
    connect(m_cmdBak, &QPushButton::clicked, this, &UsersPage::leaveLogin);
    connect(m_txtLösen, &QLineEdit::textChanged, this, &UsersPage::hidePassword);
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
    for (QWidget *control : std::initializer_list<QWidget *>{m_cmdBak, m_cmdbyt, m_txtNamn, m_txtLösen})
        control->setVisible(login);
    for (QRadioButton *option : m_optanv)
        option->setEnabled(!login);
}

void UsersPage::makeChangeDefault()
{
    m_window.setDefaultButton(m_cmdanv);
}

void UsersPage::changeUser()
{
    const int user = chosenIndex(m_optanv).value_or(StandardUser);
    if (user == StandardUser) {
        m_session.state.currentUser = StandardUser;
        m_session.dialogs().inform(checkLogin(StandardUser, {}, {}).message);
        return;
    }
    m_window.showWindowControls(false);
    setLoginControls(true);
    m_window.setCancelButton(m_cmdBak);
    m_txtNamn->setText(userCaption(user)); // the third user must write another name
    m_optanv[user]->setChecked(true);
    m_session.options.chosenUser = quint8(user);
    m_window.setDefaultButton(m_cmdbyt);
    m_txtLösen->setFocus();
}

void UsersPage::confirmLogin()
{
    const int user = m_session.options.chosenUser;
    const LoginOutcome outcome = checkLogin(user, m_txtNamn->text(), m_txtLösen->text());
    if (outcome.accepted)
        m_session.state.currentUser = quint8(user);
    if (!outcome.message.isEmpty())
        m_session.dialogs().inform(outcome.message);
    if (outcome.accepted)
        leaveLogin();
}

void UsersPage::leaveLogin()
{
    m_window.showWindowControls(true);
    setLoginControls(false);
}

void UsersPage::hidePassword()
{
    m_txtLösen->setEchoMode(QLineEdit::Password);
}
