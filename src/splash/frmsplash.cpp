#include "splash/frmsplash.h"

#include "core/session.h"
#include "core/version.h"
#include "files/infofile.h"
#include "platform/palettecolor.h"
#include "platform/programlogo.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

FrmSplash::FrmSplash(Session &session)
    : Form(session.clock())
    , m_session(session)
{
    setObjectName(QStringLiteral("frmSplash"));
    // A splash window has no title bar, so no title text appears at all; as an
    // ordinary window it still takes the keyboard and counts as open.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    // Without a caption, the window is named for screen readers, and so are
    // its picture and its text box.
    setAccessibleName(QStringLiteral("Kvartos Ordkvarn"));

    auto *frame = new QFrame;
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::Box);
    setCentralWidget(frame);

    auto *logo = named(new QLabel(frame), "imgLogo");
    logo->setPixmap(programLogo());
    logo->setAccessibleName(accessibleName());
    auto *product = named(new QLabel(QStringLiteral("Kvartos Ordkvarn"), frame), "lblProductName");
    QFont productFont = product->font();
    productFont.setPointSize(20);
    productFont.setBold(true);
    product->setFont(productFont);
    m_lblVersion = named(new QLabel(QStringLiteral("Version"), frame), "lblVersion");
    m_lblComments = named(new QLabel(frame), "lblComments");
    m_lblComments->setWordWrap(true);

    m_txtinfo = named(new QPlainTextEdit(QStringLiteral("Text1"), frame), "txtinfo");
    m_txtinfo->setReadOnly(true);
    m_txtinfo->setAccessibleName(QStringLiteral("Information"));
    m_txtinfo->setMinimumSize(460, 260);
    paintBackground(m_txtinfo, 0x000000FF);

    auto *cmdstart = named(new QPushButton(QStringLiteral("Klicka här för att starta"), frame), "cmdstart");
    connect(cmdstart, &QPushButton::clicked, this, &FrmSplash::cmdstart_Click);

    auto *header = new QHBoxLayout;
    header->addWidget(logo);
    header->addWidget(product, 1);
    auto *layout = new QVBoxLayout(frame);
    layout->addLayout(header);
    layout->addWidget(m_lblVersion);
    layout->addWidget(m_lblComments);
    layout->addWidget(m_txtinfo, 1);
    layout->addWidget(cmdstart);

    setDefaultButton(cmdstart);
    cmdstart->setFocus();
}

void FrmSplash::Form_Load()
{
    m_lblVersion->setText(ProgramVersion::text());
    m_lblComments->setText(ProgramVersion::comments());
    OpenFile(m_session.paths().forReading(InfoFilePath));
}

void FrmSplash::OpenFile(const QString &fileName)
{
    const std::optional<QString> text = readInfoText(fileName);
    if (!text) {
        m_session.dialogs().inform(cannotOpenText(fileName));
        return;
    }
    m_txtinfo->setPlainText(textForShowing(*text));
}

void FrmSplash::cmdstart_Click()
{
    emit startRequested();
    unload(); // the splash window is not shown again
}
