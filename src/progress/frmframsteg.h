#pragma once

#include "platform/form.h"

class Session;
class QHBoxLayout;
class QStandardItemModel;
class QTableView;
struct ProgressReport;

// The progress of the list: a table of its pairs with how well each is known,
// the answers of the last 30 days and the pairs due in the next 14, drawn as
// bar charts. It follows the list and the answers while it is open; "&Glöm
// framstegen" makes every pair of the list new again.
class FrmFramsteg final : public Form {
    Q_OBJECT

public:
    explicit FrmFramsteg(Session &session);

    void Form_Load() override;
    // Shows the window in front with the figures as of now.
    void showProgress();

signals:
    // However the window goes.
    void closed();

protected:
    void Form_Unload() override;
    void changeEvent(QEvent *event) override;

private:
    void refresh();
    void fillTable(const ProgressReport &report);

    Session &m_session;
    QStandardItemModel *m_model;
    QTableView *m_grid;
    QHBoxLayout *m_charts;
    QPushButton *m_cmdGlom;
    QWidget *m_chtDagar = nullptr;
    QWidget *m_chtKommande = nullptr;
    bool m_behind = false; // the list or its answers changed while the window was in the background
};
