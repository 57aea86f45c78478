#include "entry/frmglos.h"

#include "app/program.h"
#include "edit/frmbort.h"
#include "entry/appendfromfile.h"
#include "entry/frmglosor.h"
#include "files/frmspara.h"
#include "files/wordtextfile.h"
#include "options/access.h"
#include "options/frmalt.h"
#include "platform/palettecolor.h"
#include "practice/frmova.h"

#include <QListWidget>
#include <QMenu>

namespace {
const QString Caption = QStringLiteral("Kvartos Ordkvarn");
} // namespace

FrmGlos::FrmGlos(Program &program)
    : Form(program.clock())
    , m_program(program)
{
    setObjectName(QStringLiteral("frmglos"));
    buildControls();
    buildMenus();
}

void FrmGlos::buildControls()
{
    QWidget *client = createClient(5970, 3315);

    QFont large = font();
    large.setPointSize(18);

    m_text3 = named(new QLabel(QStringLiteral("Ord:"), client), "Text3");
    m_listGlos = named(new QListWidget(client), "listGlos");
    m_text1 = named(new QLabel(QStringLiteral("Ord:"), client), "Text1");
    m_txtsv = named(new QLineEdit(client), "txtsv",
                    QStringLiteral("Här skriver du in det ord som du ska översätta."));
    m_text2 = named(new QLabel(QStringLiteral("Översättning:"), client), "Text2");
    m_txteng =
        named(new QLineEdit(client), "txteng", QStringLiteral("Här skriver du in översättningen på ordet"));
    auto *cmdNasta = named(new QPushButton(QStringLiteral("Lägg till glosa"), client), "cmdNästa",
                           QStringLiteral("Klicka här för att använda glosan."));
    auto *cmdOva = named(new QPushButton(QStringLiteral("Öva"), client), "cmdOva",
                         QStringLiteral("Klicka här om du vill öva dig på de glosor som du har lagt till."));
    m_tid = addClock(client, QStringLiteral("Label1"), "Timer");

    m_txtsv->setFont(large);
    m_txteng->setFont(large);
    placeTwips(m_text3, 360, 120, 375, 240);
    placeTwips(m_listGlos, 240, 360, 1335, 2595);
    placeTwips(m_text1, 2040, 120, 1935, 375);
    placeTwips(m_txtsv, 2040, 480, 3615, 495);
    placeTwips(m_text2, 2040, 1080, 1695, 375);
    placeTwips(m_txteng, 2040, 1440, 3615, 495);
    placeTwips(cmdNasta, 2040, 2400, 1575, 495);
    placeTwips(cmdOva, 4080, 2400, 1575, 495);
    placeTwips(m_tid, 0, 3120, 1935, 255);

    // Tab order: the Swedish word first, then its translation.
    setTabOrder(m_txtsv, m_txteng);
    setTabOrder(m_txteng, cmdNasta);
    setTabOrder(cmdNasta, cmdOva);
    setTabOrder(cmdOva, m_listGlos);
    selectAllOnFocus(m_txtsv);
    selectAllOnFocus(m_txteng);
    m_txtsv->setFocus();

    connect(cmdNasta, &QPushButton::clicked, this, &FrmGlos::cmdNästa_Click);
    connect(cmdOva, &QPushButton::clicked, this, &FrmGlos::cmdOva_Click);
    setDefaultButton(cmdNasta);
}

void FrmGlos::buildMenus()
{
    // The desktop's standard keys go with the items that do the same.
    auto addItem = [this](QMenu *menu, const QString &text, const char *name, void (FrmGlos::*handler)(),
                          QKeyCombination key = {}) {
        QAction *item = addMenuItem(menu, text, name);
        item->setShortcut(key);
        connect(item, &QAction::triggered, this, handler);
    };
    QMenu *arkiv = addMenu(QStringLiteral("&Avsluta"), "mnuArkiv");
    addItem(arkiv, QStringLiteral("&Avsluta"), "mnuAvlsuta", &FrmGlos::mnuAvlsuta_Click,
            Qt::CTRL | Qt::Key_Q);

    QMenu *alt = addMenu(QStringLiteral("A&lternativ"), "mnuAlt");
    addItem(alt, QStringLiteral("Ändra/&Ta bort"), "mnuAltBort", &FrmGlos::mnuAltBort_Click);
    addItem(alt, QStringLiteral("Glosor"), "mnuAltGlos", &FrmGlos::mnuAltGlos_Click);
    addItem(alt, QStringLiteral("&Rensa alla glosor"), "mnuAltrensa", &FrmGlos::mnuAltrensa_Click);
    addItem(alt, QStringLiteral("&Spara"), "mnuAltOpenSave", &FrmGlos::mnuAltOpenSave_Click,
            Qt::CTRL | Qt::Key_S);
    addItem(alt, QStringLiteral("&Öppna"), "mnuAltOpen", &FrmGlos::mnuAltOpen_Click, Qt::CTRL | Qt::Key_O);
    addItem(alt, QStringLiteral("Lägg till från gloslista"), "mnuAltLaggtill",
            &FrmGlos::mnuAltLaggtill_Click);
    addItem(alt, QStringLiteral("A&lternativ"), "mnuAltutse", &FrmGlos::mnuAltutse_Click);
    addItem(alt, QStringLiteral("&Exportera som text..."), "mnuAltExport", &FrmGlos::exportAsText);
    addItem(alt, QStringLiteral("&Importera text..."), "mnuAltImport", &FrmGlos::importText);
}

void FrmGlos::Form_Load()
{
    const AppState &state = m_program.state;
    m_tid->setVisible(state.showClock == Bool16True);

    for (QWidget *surface :
         std::initializer_list<QWidget *>{centralWidget(), m_text1, m_text2, m_text3, m_tid})
        paintBackground(surface, state.entryBackColor);
    for (QWidget *box : std::initializer_list<QWidget *>{m_txtsv, m_txteng, m_listGlos}) {
        paintBackground(box, state.entryBoxBackColor);
        paintText(box, state.entryTextColor);
    }
    setWindowTitle(Caption + captionUserSuffix(state.currentUser));
}

void FrmGlos::receiveList(const WordList &list)
{
    bringToFront();
    m_grd = list;
    m_listGlos->clear();
    m_listGlos->addItems(m_grd.swedishWords());
    m_program.state.wordCount = quint8(m_grd.count());
}

void FrmGlos::cmdNästa_Click()
{
    Dialogs &dialogs = m_program.dialogs();
    if (m_txtsv->text().isEmpty() || m_txteng->text().isEmpty()) {
        dialogs.inform(QStringLiteral("Du måste skriva in text i båda textrutorna"));
    } else if (!m_grd.append(m_txtsv->text(), m_txteng->text())) {
        dialogs.inform(ListFullText);
    } else {
        m_program.state.wordCount = quint8(m_grd.count());
        m_listGlos->addItem(m_txtsv->text());
        m_txtsv->clear();
        m_txteng->clear();
    }
    m_txtsv->setFocus();
}

void FrmGlos::cmdOva_Click()
{
    if (m_grd.rowCount() <= 1) {
        m_program.dialogs().inform(QStringLiteral("Du måste lägga till en glosa"));
        return;
    }
    m_program.frmOva.get().startPractice(m_grd);
    unload(); // the practice window holds the list until it hands it back
}

void FrmGlos::mnuAvlsuta_Click()
{
    m_program.end();
}

void FrmGlos::mnuAltBort_Click()
{
    if (m_program.state.wordCount == 0) {
        m_program.dialogs().inform(
            joinLines(QStringLiteral("Måste lägga till glosor först!"), QStringLiteral("i=0")));
        return;
    }
    m_program.frmBort.get().editList(m_grd); // this window stays open and usable
}

void FrmGlos::mnuAltGlos_Click()
{
    FrmGlosor &view = m_program.frmglosor.get();
    view.showList(m_grd);
    view.show();
    view.raise();
}

void FrmGlos::mnuAltrensa_Click()
{
    const QString question = joinLines(QStringLiteral("Det här kommer att rensa alla inmatade glosor."),
                                       QStringLiteral("Är du säker på att vill du forstätta?"));
    if (!m_program.dialogs().askYesNo(question, QStringLiteral("Rensa glosor")))
        return;
    m_program.state.wordCount = 0;
    m_grd.clear();
    m_listGlos->clear();
}

void FrmGlos::mnuAltOpenSave_Click()
{
    AppState &state = m_program.state;
    Dialogs &dialogs = m_program.dialogs();
    if (m_listGlos->count() > 0) {
        if (!mayUseFiles())
            return;
        state.fileDialogMode = 1;
        runSaveOpenWindow();
        return;
    }
    if (state.wordCount != 0) {
        const QString question = joinLines(QStringLiteral("Vill du verkligen spara?"),
                                           QStringLiteral("Det kanske inte finns några glosor att spara"));
        if (!dialogs.askYesNo(question, QStringLiteral("Data fel")))
            return;
    }
    dialogs.inform(QStringLiteral("Du måste lägga till glosor för att spara"));
}

void FrmGlos::mnuAltOpen_Click()
{
    const FileAccess access = fileAccess(m_program.state.currentUser);
    if (access != FileAccess::Allowed) {
        m_program.dialogs().inform(refusalText(access), AccessDeniedTitle);
        return;
    }
    m_program.state.fileDialogMode = 0;
    runSaveOpenWindow();
}

void FrmGlos::runSaveOpenWindow()
{
    // Its load does the work; it goes again at once.
    m_program.frmspara.get();
    m_program.frmspara.unload();
}

void FrmGlos::mnuAltLaggtill_Click()
{
    if (!mayAppendFromFile(m_program.state.currentUser))
        return;
    const auto listed = [this](const QString &swedish) { m_listGlos->addItem(swedish); };
    if (appendFromWordFile(m_program.dialogs(), m_grd, listed))
        m_program.state.wordCount = quint8(m_grd.count());
}

bool FrmGlos::mayUseFiles()
{
    const FileAccess access = fileAccess(m_program.state.currentUser);
    if (access != FileAccess::Allowed)
        m_program.dialogs().inform(refusalText(access));
    return access == FileAccess::Allowed;
}

void FrmGlos::exportAsText()
{
    if (mayUseFiles())
        exportWordText(m_program.dialogs(), m_grd);
}

void FrmGlos::importText()
{
    if (!mayUseFiles())
        return;
    const auto listed = [this](const QString &swedish) { m_listGlos->addItem(swedish); };
    if (importWordText(m_program.dialogs(), m_grd, listed))
        m_program.state.wordCount = quint8(m_grd.count());
}

void FrmGlos::mnuAltutse_Click()
{
    m_program.state.optionsCaller = OptionsCaller::Glos;
    m_program.frmAlt.get().openWith(m_grd);
    unload(); // the options window holds the list until it hands it back
}
