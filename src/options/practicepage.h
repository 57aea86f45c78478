#pragma once

#include "core/optionschoices.h"

#include <QList>
#include <QWidget>

class Form;
class QRadioButton;

// The options window's second page, "Alternativ": the order of practice, one
// pass or endless, and the six direction modes.
class PracticePage final : public QWidget {
    Q_OBJECT

public:
    PracticePage(const Form &window, QWidget *parent);

    // Chooses the buttons of stored choices; the clock is not on this page.
    void showChoices(const OptionsChoices &choices);
    // Fills in what this page's buttons say.
    void collectChoices(OptionsChoices &choices) const;

private:
    QList<QRadioButton *> m_optOrdn;
    QList<QRadioButton *> m_opglosggr;
    QList<QRadioButton *> m_opGlos;
};
