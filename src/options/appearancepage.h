#pragma once

#include "options/colorsettings.h"

#include <QList>
#include <QWidget>

class Form;
class Session;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The options window's first page, "Utsende": the clock choice, which shows
// or hides the window's own clock at once, and the colour frame, whose picks
// wait in the program's pending colours until "OK".
class AppearancePage final : public QWidget {
    Q_OBJECT

public:
    AppearancePage(Session &session, Form &window, QLabel *clock, QWidget *parent);

    bool showsClock() const;
    void showClockChoice(bool shown);

private:
    void previewClock(int index); // "Visa inte klockan", "Visa klockan"
    void pickColor();             // "Ändra:"
    void chooseText();            // "Färg på all text"
    void chooseBoxes();           // "Färg på textrutorna"
    // "Bakgrunds färg", "I Glosinmatiningen" and "I Glosträningen".
    void resetChangeCaption();

    void buildClockFrame(Form &window);
    void buildColorFrame(Form &window);
    ColorTargets targets() const;

    Session &m_session;
    QLabel *m_tid;
    QList<QRadioButton *> m_optklockan;
    QCheckBox *m_chebak = nullptr;
    QCheckBox *m_chetxtrut = nullptr;
    QCheckBox *m_chetxt = nullptr;
    QCheckBox *m_cheglos = nullptr;
    QCheckBox *m_cheova = nullptr;
    QPushButton *m_command1 = nullptr;
};
