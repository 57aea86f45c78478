#pragma once

#include "core/colorsettings.h"

#include <QList>
#include <QWidget>

class Form;
class Session;
class QCheckBox;
class QPushButton;
class QRadioButton;

// The options window's first page, "Utsende": the clock choice, which the
// window previews on its own clock at once, and the colour frame, whose picks
// wait in the program's pending colours until "OK".
class AppearancePage final : public QWidget {
    Q_OBJECT

public:
    AppearancePage(Session &session, const Form &window, QWidget *parent);

    bool showsClock() const;
    void showClockChoice(bool shown);

signals:
    // "Visa inte klockan" or "Visa klockan" was clicked; the setting itself
    // changes only on "OK".
    void clockPreviewed(bool shown);

private:
    void pickColor();   // "Ändra:"
    void chooseText();  // "Färg på all text"
    void chooseBoxes(); // "Färg på textrutorna"
    // "Bakgrunds färg", "I Glosinmatiningen" and "I Glosträningen".
    void resetChangeCaption();

    void buildClockFrame(const Form &window);
    void buildColorFrame(const Form &window);
    ColorTargets targets() const;

    Session &m_session;
    QList<QRadioButton *> m_optklockan;
    QCheckBox *m_chebak = nullptr;
    QCheckBox *m_chetxtrut = nullptr;
    QCheckBox *m_chetxt = nullptr;
    QCheckBox *m_cheglos = nullptr;
    QCheckBox *m_cheova = nullptr;
    QPushButton *m_command1 = nullptr;
};
