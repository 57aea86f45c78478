#include "edit/frmbort.h"

#include "core/pairnumber.h"
#include "core/session.h"
#include "platform/placebeside.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QScreen>

namespace {
const QString WrongNumberTitle = QStringLiteral("FEL NUMMER");

QLabel *bold(QLabel *label)
{
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}
} // namespace

FrmBort::FrmBort(Session &session)
    : Form(session.clock())
    , m_session(session)
{
    setObjectName(QStringLiteral("frmBort"));
    setWindowTitle(QStringLiteral("Ta bort/ändra"));
    QWidget *client = createClient(6960, 3720);
    buildListControls(client);
    buildChangeControls(client);

    m_txtglosor = named(new QPlainTextEdit(client), "txtglosor",
                        QStringLiteral("Här ser du glosorna och deras nummer"));
    // Rebuilt after every step and never read back: nothing typed here could count.
    m_txtglosor->setReadOnly(true);
    m_txtglosor->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_txtglosor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_txtglosor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    placeTwips(m_txtglosor, 3600, 120, 3240, 3480);
    placeTwips(addClock(client, QStringLiteral("Label2"), "Timer1", m_session.state.showClock), 120, 3360,
               3360, 255);

    m_listDefault = m_cmdBort;
    showChangeMode(false);
    setDefaultButton(m_listDefault);
}

void FrmBort::buildListControls(QWidget *client)
{
    auto *label1 = named(new QLabel(QStringLiteral("Ta bort/ändra:"), client), "Label1");
    auto *frame1 = named(new QFrame(client), "Frame1");
    frame1->setFrameShape(QFrame::Box);
    auto *label2 = named(new QLabel(QStringLiteral("Nr:"), frame1), "Label2");
    m_txtnr = named(new QLineEdit(frame1), "txtnr",
                    QStringLiteral("Skriv in nummret på den glosa du vill ta bort/ändra."));
    m_cmdBort = named(new QPushButton(QStringLiteral("Ta &bort"), client), "cmdBort",
                      QStringLiteral("Tryck här för att ta bort glosan med det nummret som du skrivit in."));
    m_cmdAndra = named(new QPushButton(QStringLiteral("&Ändra"), client), "cmdAndra",
                       QStringLiteral("Klicka här för att ändra glosan med det nummer som du skrivit in."));
    m_cmdangra = named(new QPushButton(QStringLiteral("Tillbaka &utan ändringar"), client), "cmdangra",
                       QStringLiteral("Klicka här för att gå tillbaka utan att utföra några ändringar."));
    auto *command2 =
        named(new QPushButton(QStringLiteral("&Tillbaka"), client), "Command2",
              QStringLiteral("Klicka här för gå tillbaka till inmatningen och utföra ändringarna."));

    placeTwips(label1, 120, 120, 3360, 255);
    placeTwips(frame1, 120, 420, 3360, 615);
    placeTwips(label2, 120, 180, 480, 255);
    placeTwips(m_txtnr, 720, 150, 2520, 315);
    placeTwips(m_cmdBort, 120, 1200, 3360, 375);
    placeTwips(m_cmdAndra, 120, 1680, 3360, 375);
    placeTwips(m_cmdangra, 120, 2160, 3360, 375);
    placeTwips(command2, 120, 2640, 3360, 375);
    selectAllOnFocus(m_txtnr);
    m_listMode = {frame1, label1, m_cmdBort, m_cmdAndra, m_cmdangra, command2};

    connect(m_cmdBort, &QPushButton::clicked, this, &FrmBort::removePair);
    connect(m_cmdAndra, &QPushButton::clicked, this, &FrmBort::choosePair);
    // The draft goes with the window; the list stays as it was.
    connect(m_cmdangra, &QPushButton::clicked, this, &FrmBort::unload);
    connect(command2, &QPushButton::clicked, this, &FrmBort::commit);
}

void FrmBort::buildChangeControls(QWidget *client)
{
    m_num = named(new QLabel(QStringLiteral("Label3"), client), "Num",
                  QStringLiteral("Här ser du det valda nummret"));
    auto *lblord =
        bold(named(new QLabel(QStringLiteral("Skriv in det nya ordet i rutan:"), client), "lblord"));
    m_txtsv = named(new QLineEdit(QStringLiteral("sv"), client), "txtsv",
                    QStringLiteral("Här skriver du in det nya ordet som ska översättas."));
    auto *lbloversatt =
        bold(named(new QLabel(QStringLiteral("Skriv in den nya översättningen:"), client), "lbloversatt"));
    m_txteng = named(new QLineEdit(QStringLiteral("eng"), client), "txteng",
                     QStringLiteral("Här skriver du in den nya översättningen"));
    for (QLineEdit *box : {m_txtsv, m_txteng})
        box->setMaxLength(WordList::MaxWordLength);
    m_cmdlaggtill = named(new QPushButton(QStringLiteral("&Ändra"), client), "cmdlaggtill");
    m_cmdBak = named(new QPushButton(QStringLiteral("&Ångra"), client), "cmdBak");

    placeTwips(m_num, 120, 120, 3360, 255);
    placeTwips(lblord, 120, 480, 3360, 255);
    placeTwips(m_txtsv, 120, 780, 3360, 315);
    placeTwips(lbloversatt, 120, 1200, 3360, 255);
    placeTwips(m_txteng, 120, 1500, 3360, 315);
    placeTwips(m_cmdlaggtill, 120, 2040, 1620, 375);
    placeTwips(m_cmdBak, 1860, 2040, 1620, 375);
    selectAllOnFocus(m_txtsv);
    selectAllOnFocus(m_txteng);
    m_changeMode = {lblord, lbloversatt, m_txtsv, m_txteng, m_cmdBak, m_cmdlaggtill, m_num};

    connect(m_cmdlaggtill, &QPushButton::clicked, this, &FrmBort::writeChange);
    connect(m_cmdBak, &QPushButton::clicked, this, &FrmBort::leaveChange);
}

void FrmBort::placeBeside(const QWidget &main)
{
    adjustSize();
    move(::placeBeside(main.frameGeometry(), frameGeometry().size(), main.screen()->availableGeometry()));
}

void FrmBort::editList()
{
    bringToFront();
    m_draft = m_session.list();
    m_changed.clear();
    // A fresh draft starts as the window opens: a pair chosen for change in
    // the old draft may not exist in the new one, or be another pair there.
    m_selectedNumber = 0;
    m_listDefault = m_cmdBort;
    leaveChange();
    rebuildListing();
}

void FrmBort::showChangeMode(bool change)
{
    for (QWidget *control : std::as_const(m_listMode))
        control->setVisible(!change);
    for (QWidget *control : std::as_const(m_changeMode))
        control->setVisible(change);
    // Esc takes the step back that the visible buttons offer.
    setCancelButton(change ? m_cmdBak : m_cmdangra);
    (change ? m_txtsv : m_txtnr)->setFocus();
}

void FrmBort::rebuildListing()
{
    m_txtglosor->setPlainText(numberedListing(m_draft));
}

int FrmBort::chosenNumber(const QString &wrongNumberText)
{
    const int number = typedPairNumber(m_txtnr->text(), m_draft.count());
    if (number == 0)
        m_session.dialogs().inform(wrongNumberText, WrongNumberTitle);
    return number;
}

void FrmBort::removePair()
{
    const int number =
        chosenNumber(QStringLiteral("Du ska skriva in nummret innan den glosa som du vill ta bort"));
    if (number == 0)
        return;
    m_draft.removePair(number);
    rebuildListing();
    m_txtnr->clear();
    m_txtnr->setFocus();
}

void FrmBort::choosePair()
{
    const int number = chosenNumber(QStringLiteral("Skriv in nummret föra den glosa som du vill ändra"));
    if (number == 0)
        return;
    showChangeMode(true);
    setDefaultButton(m_cmdlaggtill);
    m_num->setText(QStringLiteral("Valt nummer är: nr ") + QString::number(number));
    m_selectedNumber = quint8(number);
    const WordPair pair = m_draft.pair(number);
    m_txtsv->setText(pair.swedish);
    m_txteng->setText(pair.english);
    m_txtsv->selectAll();
}

void FrmBort::writeChange()
{
    // Without a translation nothing is written, not even the Swedish word:
    // "&Ångra" must leave the pair as it was.
    if (m_txteng->text().isEmpty())
        return;
    const WordPair old = m_draft.pair(m_selectedNumber);
    WordPair pair = old;
    if (!m_txtsv->text().isEmpty()) // an empty box keeps the old word
        pair.swedish = m_txtsv->text();
    pair.english = m_txteng->text();
    m_draft.setPair(m_selectedNumber, pair);
    m_changed.append({old, m_draft.pair(m_selectedNumber)});
    m_listDefault = m_cmdAndra; // after a change, Enter chooses the next pair to change
    leaveChange();
    rebuildListing();
    m_txtnr->clear();
}

void FrmBort::leaveChange()
{
    showChangeMode(false);
    // Back in list mode Enter presses a list-mode button, not the hidden "&Ändra".
    setDefaultButton(m_listDefault);
}

void FrmBort::commit()
{
    emit committed(m_draft, m_changed);
    unload();
}

void FrmBort::Form_Unload()
{
    emit closed();
}
