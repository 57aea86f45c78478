#pragma once

#include "core/wordlist.h"
#include "platform/form.h"

class Session;
class QFrame;
class QPlainTextEdit;

// The edit window: pairs are removed or changed by their number, on a draft
// of the word list that "&Tillbaka" commits and "Tillbaka &utan ändringar"
// drops. In list mode the user types a number; in change
// mode the new words of the chosen pair. The main window stays usable.
class FrmBort final : public Form {
    Q_OBJECT

public:
    explicit FrmBort(Session &session);

    // Places this window beside the main window rather than over it.
    void placeBeside(const QWidget &main);
    // The main window's edit command: shows this window with a fresh draft of
    // the list, lists it and shows the time. Edits not yet committed are
    // dropped.
    void editList();

signals:
    // "&Tillbaka": the draft becomes the list; each pair changed, old and new, in order.
    void committed(const WordList &draft, const QList<std::pair<WordPair, WordPair>> &changed);
    // However the window goes.
    void closed();

protected:
    void Form_Unload() override;

private:
    void buildListControls(QWidget *client);
    void buildChangeControls(QWidget *client);
    void removePair();  // "Ta &bort"
    void choosePair();  // "&Ändra": change mode for the typed number
    void writeChange(); // change mode's "&Ändra"
    void leaveChange(); // "&Ångra"
    void commit();      // "&Tillbaka"
    void showChangeMode(bool change);
    void rebuildListing();
    // The pair number in txtnr, or 0 after the wrong-number message.
    int chosenNumber(const QString &wrongNumberText);

    Session &m_session;
    WordList m_draft;
    QList<std::pair<WordPair, WordPair>> m_changed;
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
    QLabel *m_num = nullptr;
    QLineEdit *m_txtsv = nullptr;
    QLineEdit *m_txteng = nullptr;
    QPushButton *m_cmdlaggtill = nullptr;
};
