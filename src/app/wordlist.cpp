#include "app/wordlist.h"

#include <algorithm>

WordList::WordList()
    : m_rows(1)
{
}

void WordList::setRowCount(int rows)
{
    m_rows.resize(std::clamp(rows, 1, MaxPairs + 1));
}

QString WordList::cell(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= Columns)
        return {};
    return m_rows[row][column];
}

void WordList::setCell(int row, int column, const QString &text)
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= Columns)
        return;
    m_rows[row][column] = text;
}

bool WordList::append(const QString &swedish, const QString &english)
{
    if (isFull())
        return false;
    const QString number = QString::number(count() + 1);
    m_rows.append(Row{swedish, english, number});
    m_rows[0][0] = number;
    return true;
}

void WordList::clear()
{
    m_rows = QList<Row>(1);
}

void WordList::copyTo(WordList &target, int lastRow) const
{
    target.setRowCount(rowCount());
    const int last = std::min(lastRow, rowCount() - 1);
    for (int row = 0; row <= last; ++row)
        target.m_rows[row] = m_rows[row];
}

QStringList WordList::swedishWords() const
{
    QStringList words;
    for (int row = 1; row < rowCount(); ++row)
        words.append(m_rows[row][0]);
    return words;
}
