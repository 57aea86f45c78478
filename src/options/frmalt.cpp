#include "options/frmalt.h"

#include "core/optionschoices.h"
#include "core/session.h"
#include "options/appearancepage.h"
#include "options/practicepage.h"
#include "options/userspage.h"
#include "platform/palettecolor.h"

#include <QKeyEvent>
#include <QStackedWidget>
#include <QTabBar>

#include <array>

FrmAlt::FrmAlt(Session &session)
    : Form(session.clock())
    , m_session(session)
{
    setObjectName(QStringLiteral("frmAlt"));
    setWindowTitle(QStringLiteral("Alternativ"));
    buildControls();
}

void FrmAlt::buildControls()
{
    QWidget *client = createClient(6300, 5460);

    m_tbsOptions = named(new QTabBar(client), "tbsOptions");
    const std::array<std::pair<QString, QString>, 3> tabs{{
        {QStringLiteral("Utsende"), QStringLiteral("Här kan du ändra färger bla")},
        {QStringLiteral("Alternativ"), QStringLiteral("Her ändrar du olika inställningar")},
        {QStringLiteral("Användare"), QStringLiteral("Här ändrar du vald användare.")},
    }};
    for (const auto &[caption, toolTip] : tabs)
        m_tbsOptions->setTabToolTip(m_tbsOptions->addTab(caption), toolTip);
    placeTwips(m_tbsOptions, 120, 120, 6060, 375);

    m_cmdOK = named(new QPushButton(QStringLiteral("OK"), client), "cmdOK");
    m_cmdAvbryt = named(new QPushButton(QStringLiteral("Avbryt"), client), "cmdAvbryt");
    placeTwips(m_cmdOK, 2760, 4740, 1500, 435);
    placeTwips(m_cmdAvbryt, 4440, 4740, 1500, 435);
    m_tid = addClock(client, QStringLiteral("Label1"), "Timer1", m_session.state.showClock);
    placeTwips(m_tid, 120, 5160, 2400, 255);

    // The pages, one in view at a time, in the order of the tab strip.
    m_pages = new QStackedWidget(client);
    placeTwips(m_pages, 210, 540, 5880, 4080);
    m_appearance = new AppearancePage(m_session, *this, m_pages);
    m_practice = new PracticePage(*this, m_pages);
    m_users = new UsersPage(m_session, *this, m_pages);
    for (QWidget *page : std::initializer_list<QWidget *>{m_appearance, m_practice, m_users})
        m_pages->addWidget(page);

    setDefaultButton(m_cmdOK);
    setCancelButton(m_cmdAvbryt);
    connect(m_tbsOptions, &QTabBar::currentChanged, m_pages, &QStackedWidget::setCurrentIndex);
    connect(m_cmdOK, &QPushButton::clicked, this, &FrmAlt::storeAndClose);
    connect(m_cmdAvbryt, &QPushButton::clicked, this, &FrmAlt::unload);
    connect(m_appearance, &AppearancePage::clockPreviewed, m_tid, &QLabel::setVisible);
    connect(m_users, &UsersPage::defaultButtonChosen, this, &FrmAlt::setDefaultButton);
    connect(m_users, &UsersPage::loginStarted, this, [this](QPushButton *confirm, QPushButton *undo) {
        showWindowControls(false);
        setCancelButton(undo);
        setDefaultButton(confirm);
    });
    connect(m_users, &UsersPage::loginEnded, this, [this] { showWindowControls(true); });
}

void FrmAlt::Form_Load()
{
    const OptionsChoices choices = choicesFromState(m_session.state);
    m_appearance->showClockChoice(choices.showClock);
    m_practice->showChoices(choices);
    // A test date gone by switches itself off.
    const QDate today = m_session.clock().moment().date();
    QDate test = m_session.store().testDate();
    if (test.isValid() && test < today && m_session.store().setTestDate({}).ok())
        test = {};
    m_practice->showTestDate(test, today);
    m_users->showCurrentUser();
}

void FrmAlt::showWindowControls(bool shown)
{
    for (QWidget *control : std::initializer_list<QWidget *>{m_tbsOptions, m_cmdOK, m_cmdAvbryt})
        control->setVisible(shown);
    if (!shown)
        return;
    setDefaultButton(m_cmdOK);
    m_cmdOK->setFocus();
    setCancelButton(m_cmdAvbryt);
}

void FrmAlt::storeAndClose()
{
    OptionsChoices choices;
    choices.showClock = m_appearance->showsClock();
    m_practice->collectChoices(choices);
    if (storeChoices(m_session.state, m_session.options, choices, m_session.random(), paintedInTextBox) ==
        StoreResult::ColorClash) {
        m_session.dialogs().inform(ColorClashText);
        return;
    }
    if (const QDate test = m_practice->testDate(); test != m_session.store().testDate())
        m_session.store().setTestDate(test);
    unload();
}

bool FrmAlt::mayUnload()
{
    return !m_users->inLoginMode();
}

void FrmAlt::Form_Unload()
{
    emit closed();
}

void FrmAlt::keyPressEvent(QKeyEvent *event)
{
    if (switchPageByKey(event))
        event->accept();
    else
        Form::keyPressEvent(event);
}

// Ctrl+Tab selects the next tab and Ctrl+Shift+Tab the previous one, round
// the end; Alt does not matter. The controls pass these keys on to the
// window. While the tab strip is hidden (login mode) the page stays.
bool FrmAlt::switchPageByKey(const QKeyEvent *event)
{
    const bool backtab = event->key() == Qt::Key_Backtab;
    if ((event->key() != Qt::Key_Tab && !backtab) || !(event->modifiers() & Qt::ControlModifier) ||
        m_tbsOptions->isHidden())
        return false;
    const int count = m_tbsOptions->count();
    const int step = backtab || (event->modifiers() & Qt::ShiftModifier) ? count - 1 : 1;
    m_tbsOptions->setCurrentIndex((m_tbsOptions->currentIndex() + step) % count);
    return true;
}
