#pragma once

#include "platform/form.h"

class Program;
class QLabel;
class QPlainTextEdit;

// The window shown at start: version, comments line and the information text.
class FrmSplash final : public Form {
    Q_OBJECT

public:
    explicit FrmSplash(Program &program);

    void Form_Load() override;
    void cmdstart_Click();

private:
    void OpenFile(const QString &fileName);

    Program &m_program;
    QPlainTextEdit *m_txtinfo;
    QLabel *m_lblVersion;
    QLabel *m_lblComments;
};
