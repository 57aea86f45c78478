#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// Why a pair cannot be added to a full list.
inline const QString ListFullText = QStringLiteral("Gloslistan är full. Den rymmer högst 255 glosor.");

// One pair of the word list: a Swedish word and its English translation.
struct WordPair {
    QString swedish;
    QString english;

    friend bool operator==(const WordPair &, const WordPair &) = default;
};

// The word list as every window holds it: a grid of three text columns
// (0 Swedish, 1 English, 2 the pair number). Row 0 is the header row whose
// first cell carries the pair count; rows 1 to count() hold the pairs.
// Cells outside the grid read as empty text and ignore writes, so a damaged
// count can never reach past the rows that exist.
class WordList {
public:
    static constexpr int Columns = 3;
    static constexpr int MaxPairs = 255; // the shared count is 8 bits wide

    WordList();

    int rowCount() const { return int(m_rows.size()); }
    // At least the header row and at most MaxPairs pairs; new rows are empty.
    void setRowCount(int rows);

    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString &text);

    int count() const { return rowCount() - 1; }
    bool isFull() const { return count() >= MaxPairs; }
    WordPair pair(int row) const { return {cell(row, 0), cell(row, 1)}; }

    // Appends a typed pair numbered by its row; false (and nothing changed)
    // when the list already holds MaxPairs pairs.
    bool append(const QString &swedish, const QString &english);

    // Empties every cell, header included, and leaves the header row only.
    void clear();

    // Copies this list into target: the same row count, then the cells of rows
    // 0 to lastRow (bounded by the rows that exist) in every column.
    void copyTo(WordList &target, int lastRow) const;

    // The Swedish words of rows 1 to count(), in row order.
    QStringList swedishWords() const;

private:
    using Row = std::array<QString, Columns>;
    QList<Row> m_rows;
};
