#include "entry/frmglosor.h"

#include "core/session.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QTableWidget>

FrmGlosor::FrmGlosor(Session &session)
    : Form(session.clock())
    , m_session(session)
    , m_grid(new QTableWidget(0, 2))
{
    setObjectName(QStringLiteral("frmglosor"));
    setWindowTitle(QStringLiteral("Glosor"));
    m_grid->setObjectName(QStringLiteral("MSFlexGrid1"));
    m_grid->setHorizontalHeaderLabels({QStringLiteral("Svenska"), QStringLiteral("Engelska")});
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    setCentralWidget(m_grid);
    resize(360, 300);
    connect(&session, &Session::listChanged, this, &FrmGlosor::showList);
}

void FrmGlosor::Form_Load()
{
    showList();
}

void FrmGlosor::showList()
{
    const QList<WordPair> &pairs = m_session.list().pairs();
    m_grid->setRowCount(int(pairs.size()));
    for (int row = 0; row < pairs.size(); ++row) {
        m_grid->setItem(row, 0, new QTableWidgetItem(pairs[row].swedish));
        m_grid->setItem(row, 1, new QTableWidgetItem(pairs[row].english));
    }
}

void FrmGlosor::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    Form::keyPressEvent(event);
}
