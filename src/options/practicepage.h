#pragma once

#include "core/optionschoices.h"

#include <QDate>
#include <QList>
#include <QWidget>

class Form;
class QCheckBox;
class QDateEdit;
class QRadioButton;

// The options window's second page, "Alternativ": the order of practice, one
// pass or endless, the six direction modes, and the test date the schedule
// of the words due each day aims at.
class PracticePage final : public QWidget {
    Q_OBJECT

public:
    PracticePage(const Form &window, QWidget *parent);

    // Chooses the buttons of stored choices; the clock is not on this page.
    void showChoices(const OptionsChoices &choices);
    // Fills in what this page's buttons say.
    void collectChoices(OptionsChoices &choices) const;
    // "Förhör den:": off for an invalid date; a date from today on.
    void showTestDate(QDate date, QDate today);
    QDate testDate() const;

private:
    QList<QRadioButton *> m_optOrdn;
    QList<QRadioButton *> m_opglosggr;
    QList<QRadioButton *> m_opGlos;
    QCheckBox *m_chkForhor = nullptr;
    QDateEdit *m_datForhor = nullptr;
};
