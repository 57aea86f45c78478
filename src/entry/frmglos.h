#pragma once

#include "platform/form.h"

class Session;
class QListWidget;

// The main window: pairs are typed here and listed by their Swedish words,
// and every other part of the program is reached from its menus. Its list
// box follows the session's list.
class FrmGlos final : public Form {
    Q_OBJECT

public:
    explicit FrmGlos(Session &session);

    void Form_Load() override;

signals:
    void practiceRequested();
    void missedPracticeRequested(); // "Öva på &missade glosor"
    void todaysPracticeRequested(); // "Öva på &dagens glosor"
    void progressRequested();       // "&Visa framsteg..."
    void editRequested();
    void viewRequested();
    void saveRequested();
    void openRequested();
    void appendRequested();
    void optionsRequested();
    void quitRequested();
    // "&Exportera som text..." and "&Importera text...".
    void exportRequested();
    void importRequested();
    // "Skriv &ut..." and "Skriv ut &förhör...".
    void printRequested();
    void printQuizRequested();

private:
    void buildControls();
    void buildMenus();
    void showList();
    // "Öva på &missade glosor" while missed pairs are listed; "Öva på &dagens glosor (N)" while N > 0
    void enableMissed();
    void addPair();     // "Lägg till glosa"
    void askPractice(); // "Öva"
    void askEdit();     // "Ändra/&Ta bort"
    void clearAll();    // "&Rensa alla glosor"

    Session &m_session;
    QList<QWidget *> m_surfaces; // painted in the window's background colour
    QLineEdit *m_txtsv = nullptr;
    QLineEdit *m_txteng = nullptr;
    QListWidget *m_listGlos = nullptr;
    QAction *m_mnuAltMissade = nullptr;
    QAction *m_mnuAltDagens = nullptr;
};
