#pragma once

#include "app/wordlist.h"
#include "platform/form.h"

class Program;
class QFrame;
class QPlainTextEdit;

// The edit window: pairs are removed or changed by their number, on a copy of
// the word list that "&Tillbaka" hands back to the main window and "Tillbaka
// &utan ändringar" drops. In list mode the user types a number; in change
// mode the new words of the chosen pair. The main window stays usable.
class FrmBort final : public Form {
    Q_OBJECT

public:
    explicit FrmBort(Program &program);

    // The main window's edit command: shows this window with a fresh copy of
    // the list, lists it and shows the time. Edits not yet handed back are
    // dropped.
    void editList(const WordList &list);
    const WordList &grid() const { return m_grd; }

    void Form_Load() override;
    void cmdBort_Click();
    void cmdAndra_Click();
    void cmdlaggtill_Click();
    void cmdBak_Click();
    void Command2_Click();
    void cmdangra_Click();

protected:
    // However the window goes, the main window comes to the front again.
    void Form_Unload() override;

private:
    void buildListControls(QWidget *client);
    void buildChangeControls(QWidget *client);
    void placeBesideMainWindow();
    void showChangeMode(bool change);
    void rebuildListing();
    // The pair number in txtnr, or 0 after the wrong-number message.
    int chosenNumber(const QString &wrongNumberText);

    Program &m_program;
    WordList m_grd;
    quint8 m_selectedNumber = 0;
    QList<QWidget *> m_listMode;
    QList<QWidget *> m_changeMode;
    QLineEdit *m_txtnr = nullptr;
    QPushButton *m_cmdBort = nullptr;
    QPushButton *m_cmdAndra = nullptr;
    QPushButton *m_cmdangra = nullptr;    // Esc in list mode
    QPushButton *m_cmdBak = nullptr;      // Esc in change mode
    QPushButton *m_listDefault = nullptr; // "Ta &bort", or "&Ändra" once a change was written
    QPlainTextEdit *m_txtglosor = nullptr;
    QLabel *m_tid = nullptr;
    QLabel *m_num = nullptr;
    QLineEdit *m_txtsv = nullptr;
    QLineEdit *m_txteng = nullptr;
    QPushButton *m_cmdlaggtill = nullptr;
};
