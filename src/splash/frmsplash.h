#pragma once

#include "platform/form.h"

class Session;
class QLabel;
class QPlainTextEdit;

// The window shown at start: version, comments line and the information text.
class FrmSplash final : public Form {
    Q_OBJECT

public:
    explicit FrmSplash(Session &session);

    void Form_Load() override;

signals:
    void startRequested();

private:
    void cmdstart_Click(); // leaves for the main window; this window is not shown again
    void OpenFile(const QString &fileName);

    Session &m_session;
    QPlainTextEdit *m_txtinfo;
    QLabel *m_lblVersion;
    QLabel *m_lblComments;
};
