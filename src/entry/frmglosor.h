#pragma once

#include "platform/form.h"

class Session;
class QTableWidget;

// A read-only view of the word list: the Swedish and English word of each
// pair. It follows the list while it is open.
class FrmGlosor final : public Form {
    Q_OBJECT

public:
    explicit FrmGlosor(Session &session);

    void Form_Load() override;

protected:
    // Esc closes the view, as it closes a dialog.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showList();

    Session &m_session;
    QTableWidget *m_grid;
};
