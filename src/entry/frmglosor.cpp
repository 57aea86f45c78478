#include "entry/frmglosor.h"

#include "app/program.h"
#include "app/wordlist.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QTableWidget>

FrmGlosor::FrmGlosor(Program &program)
    : Form(program.clock())
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
}

void FrmGlosor::showList(const WordList &list)
{
    m_grid->setRowCount(list.count());
    for (int row = 1; row <= list.count(); ++row) {
        m_grid->setItem(row - 1, 0, new QTableWidgetItem(list.cell(row, 0)));
        m_grid->setItem(row - 1, 1, new QTableWidgetItem(list.cell(row, 1)));
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
