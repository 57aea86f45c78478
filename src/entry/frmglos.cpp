#include "entry/frmglos.h"

#include "core/missed.h"
#include "core/progress.h"
#include "core/session.h"
#include "core/users.h"
#include "platform/palettecolor.h"

#include <QListWidget>
#include <QMenu>

namespace {
const QString Caption = QStringLiteral("Kvartos Ordkvarn");
} // namespace

FrmGlos::FrmGlos(Session &session)
    : Form(session.clock())
    , m_session(session)
{
    setObjectName(QStringLiteral("frmglos"));
    buildControls();
    buildMenus();
    connect(&session, &Session::listChanged, this, &FrmGlos::showList);
    connect(&session, &Session::progressChanged, this, &FrmGlos::enableMissed);
}

void FrmGlos::buildControls()
{
    QWidget *client = createClient(5970, 3315);

    QFont large = font();
    large.setPointSize(18);

    auto *text3 = named(new QLabel(QStringLiteral("Ord:"), client), "Text3");
    m_listGlos = named(new QListWidget(client), "listGlos");
    auto *text1 = named(new QLabel(QStringLiteral("Ord:"), client), "Text1");
    m_txtsv = named(new QLineEdit(client), "txtsv",
                    QStringLiteral("Här skriver du in det ord som du ska översätta."));
    auto *text2 = named(new QLabel(QStringLiteral("Översättning:"), client), "Text2");
    m_txteng =
        named(new QLineEdit(client), "txteng", QStringLiteral("Här skriver du in översättningen på ordet"));
    auto *cmdNasta = named(new QPushButton(QStringLiteral("Lägg till glosa"), client), "cmdNästa",
                           QStringLiteral("Klicka här för att använda glosan."));
    auto *cmdOva = named(new QPushButton(QStringLiteral("Öva"), client), "cmdOva",
                         QStringLiteral("Klicka här om du vill öva dig på de glosor som du har lagt till."));
    QLabel *tid = addClock(client, QStringLiteral("Label1"), "Timer", m_session.state.showClock);
    m_surfaces = {client, text1, text2, text3, tid};

    for (QLineEdit *box : {m_txtsv, m_txteng}) {
        box->setFont(large);
        box->setMaxLength(WordList::MaxWordLength);
    }
    placeTwips(text3, 360, 120, 375, 240);
    placeTwips(m_listGlos, 240, 360, 1335, 2595);
    placeTwips(text1, 2040, 120, 1935, 375);
    placeTwips(m_txtsv, 2040, 480, 3615, 495);
    placeTwips(text2, 2040, 1080, 1695, 375);
    placeTwips(m_txteng, 2040, 1440, 3615, 495);
    placeTwips(cmdNasta, 2040, 2400, 1575, 495);
    placeTwips(cmdOva, 4080, 2400, 1575, 495);
    placeTwips(tid, 0, 3120, 1935, 255);

    selectAllOnFocus(m_txtsv);
    selectAllOnFocus(m_txteng);
    m_txtsv->setFocus();

    connect(cmdNasta, &QPushButton::clicked, this, &FrmGlos::addPair);
    connect(cmdOva, &QPushButton::clicked, this, &FrmGlos::askPractice);
    setDefaultButton(cmdNasta);
}

void FrmGlos::buildMenus()
{
    // The desktop's standard keys go with the items that do the same.
    auto addItem = [this](QMenu *menu, const QString &text, const char *name, auto handler,
                          QKeyCombination key = {}) {
        QAction *item = addMenuItem(menu, text, name);
        item->setShortcut(key);
        connect(item, &QAction::triggered, this, handler);
        return item;
    };
    QMenu *arkiv = addMenu(QStringLiteral("&Avsluta"), "mnuArkiv");
    addItem(arkiv, QStringLiteral("&Avsluta"), "mnuAvlsuta", &FrmGlos::quitRequested, Qt::CTRL | Qt::Key_Q);

    QMenu *alt = addMenu(QStringLiteral("A&lternativ"), "mnuAlt");
    addItem(alt, QStringLiteral("Ändra/&Ta bort"), "mnuAltBort", &FrmGlos::askEdit);
    addItem(alt, QStringLiteral("Glosor"), "mnuAltGlos", &FrmGlos::viewRequested);
    addItem(alt, QStringLiteral("&Rensa alla glosor"), "mnuAltrensa", &FrmGlos::clearAll);
    addItem(alt, QStringLiteral("&Spara"), "mnuAltOpenSave", &FrmGlos::saveRequested, Qt::CTRL | Qt::Key_S);
    addItem(alt, QStringLiteral("&Öppna"), "mnuAltOpen", &FrmGlos::openRequested, Qt::CTRL | Qt::Key_O);
    addItem(alt, QStringLiteral("Lägg till från gloslista"), "mnuAltLaggtill", &FrmGlos::appendRequested);
    addItem(alt, QStringLiteral("A&lternativ"), "mnuAltutse", &FrmGlos::optionsRequested);
    m_mnuAltMissade = addItem(alt, QStringLiteral("Öva på &missade glosor"), "mnuAltMissade",
                              &FrmGlos::missedPracticeRequested);
    m_mnuAltDagens = addItem(alt, QStringLiteral("Öva på &dagens glosor"), "mnuAltDagens",
                             &FrmGlos::todaysPracticeRequested);
    addItem(alt, QStringLiteral("&Visa framsteg..."), "mnuAltFramsteg", &FrmGlos::progressRequested);
    addItem(alt, QStringLiteral("&Exportera som text..."), "mnuAltExport", &FrmGlos::exportRequested);
    addItem(alt, QStringLiteral("&Importera text..."), "mnuAltImport", &FrmGlos::importRequested);
    addItem(alt, QStringLiteral("Skriv &ut..."), "mnuAltSkrivUt", &FrmGlos::printRequested,
            Qt::CTRL | Qt::Key_P);
    addItem(alt, QStringLiteral("Skriv ut &förhör..."), "mnuAltForhor", &FrmGlos::printQuizRequested);
}

void FrmGlos::Form_Load()
{
    const AppState &state = m_session.state;
    for (QWidget *surface : std::as_const(m_surfaces))
        paintBackground(surface, state.entryColors.back);
    for (QWidget *box : std::initializer_list<QWidget *>{m_txtsv, m_txteng, m_listGlos}) {
        paintBackground(box, state.entryColors.boxBack);
        paintText(box, state.entryColors.text);
    }
    setWindowTitle(Caption + user(state.currentUser).mainCaption);
    showList();
}

void FrmGlos::enableMissed()
{
    m_mnuAltMissade->setEnabled(!missedInList(m_session.list(), m_session.practice.missed).isEmpty());
    // How many pairs are due today, always in sight.
    const qsizetype today = todaysPairs(m_session).size();
    m_mnuAltDagens->setText(QStringLiteral("Öva på &dagens glosor (%1)").arg(today));
    m_mnuAltDagens->setEnabled(today > 0);
}

void FrmGlos::showList()
{
    // Words added at the end are added below the ones listed, so that the
    // selection and the scrolling stay as they were.
    const QStringList words = m_session.list().swedishWords();
    qsizetype listed = m_listGlos->count();
    for (qsizetype i = 0; i < listed; ++i) {
        if (i >= words.size() || m_listGlos->item(int(i))->text() != words[i]) {
            m_listGlos->clear();
            listed = 0;
        }
    }
    m_listGlos->addItems(words.mid(listed));
    enableMissed();
}

void FrmGlos::addPair()
{
    Dialogs &dialogs = m_session.dialogs();
    if (m_txtsv->text().isEmpty() || m_txteng->text().isEmpty()) {
        dialogs.inform(QStringLiteral("Du måste skriva in text i båda textrutorna"));
    } else if (!m_session.appendPair({m_txtsv->text(), m_txteng->text()})) {
        dialogs.inform(ListFullText);
    } else {
        m_txtsv->clear();
        m_txteng->clear();
    }
    m_txtsv->setFocus();
}

void FrmGlos::askPractice()
{
    if (m_session.wordCount() == 0)
        m_session.dialogs().inform(QStringLiteral("Du måste lägga till en glosa"));
    else
        emit practiceRequested();
}

void FrmGlos::askEdit()
{
    if (m_session.wordCount() == 0)
        m_session.dialogs().inform(
            joinLines(QStringLiteral("Måste lägga till glosor först!"), QStringLiteral("i=0")));
    else
        emit editRequested(); // this window stays open and usable
}

void FrmGlos::clearAll()
{
    const QString question = joinLines(QStringLiteral("Det här kommer att rensa alla inmatade glosor."),
                                       QStringLiteral("Är du säker på att vill du forstätta?"));
    if (m_session.dialogs().askYesNo(question, QStringLiteral("Rensa glosor")))
        m_session.setList({});
}
