#pragma once

#include "platform/form.h"

class AppearancePage;
class PracticePage;
class Session;
class QStackedWidget;
class QTabBar;
class UsersPage;

// The options window: the clock, the practice settings, the colours and the
// user, on three pages behind a tab strip. The window that opens it gives
// way; "OK", "Avbryt" and the close box all say closed(), and that window
// comes back. It never touches the word list.
class FrmAlt final : public Form {
    Q_OBJECT

public:
    explicit FrmAlt(Session &session);

    void Form_Load() override;

signals:
    void closed();

protected:
    // Refused in login mode, so that the list cannot be lost there.
    bool mayUnload() override;
    // Every way out says closed().
    void Form_Unload() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    // Login mode hides the tab strip, "OK" and "Avbryt"; leaving it shows them
    // again, "OK" the default button and "Avbryt" the cancel button.
    void showWindowControls(bool shown);
    void storeAndClose();                         // "OK"
    bool switchPageByKey(const QKeyEvent *event); // Ctrl+Tab and Ctrl+Shift+Tab

    Session &m_session;
    QTabBar *m_tbsOptions = nullptr;
    AppearancePage *m_appearance = nullptr;
    PracticePage *m_practice = nullptr;
    UsersPage *m_users = nullptr;
    QStackedWidget *m_pages = nullptr;
    QPushButton *m_cmdOK = nullptr;
    QPushButton *m_cmdAvbryt = nullptr;
    QLabel *m_tid = nullptr;
};
