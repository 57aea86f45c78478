#pragma once

#include "app/wordlist.h"
#include "platform/form.h"

#include <array>

class AppearancePage;
class PracticePage;
class Program;
class QTabBar;
class UsersPage;

// The options window: the clock, the practice settings, the colours and the
// user, on three pages behind a tab strip. The window that opens it hands
// over its list and gives way; "OK", "Avbryt" and the close box all hand the
// list back to that window, which comes back as it was.
class FrmAlt final : public Form {
    Q_OBJECT

public:
    explicit FrmAlt(Program &program);

    // The opener's hand-over: shows this window, takes the list, shows the time.
    void openWith(const WordList &list);
    const WordList &grid() const { return m_grd; }

    // Login mode hides the tab strip, "OK" and "Avbryt"; leaving it shows them
    // again, "OK" the default button and "Avbryt" the cancel button.
    void showWindowControls(bool shown);

    void Form_Load() override;
    void tbsOptions_Click();
    void cmdOK_Click();
    void cmdAvbryt_Click();

protected:
    // Refused in login mode, so that the list cannot be lost there.
    bool mayUnload() override;
    // Every way out hands the list back to the opener.
    void Form_Unload() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    bool Form_KeyDown(const QKeyEvent *event);

    Program &m_program;
    WordList m_grd;
    QTabBar *m_tbsOptions = nullptr;
    AppearancePage *m_appearance = nullptr;
    PracticePage *m_practice = nullptr;
    UsersPage *m_users = nullptr;
    std::array<QWidget *, 3> m_picOptions{};
    QPushButton *m_cmdOK = nullptr;
    QPushButton *m_cmdAvbryt = nullptr;
    QLabel *m_tid = nullptr;
};
