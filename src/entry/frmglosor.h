#pragma once

#include "platform/form.h"

class Program;
class QTableWidget;
class WordList;

// A read-only view of the word list: the Swedish and English word of each pair.
class FrmGlosor final : public Form {
    Q_OBJECT

public:
    explicit FrmGlosor(Program &program);

    void showList(const WordList &list);

protected:
    // Esc closes the view, as it closes a dialog.
    void keyPressEvent(QKeyEvent *event) override;

private:
    QTableWidget *m_grid;
};
