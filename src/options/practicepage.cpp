#include "options/practicepage.h"

#include "options/optionarray.h"
#include "platform/form.h"

#include <QGroupBox>
#include <QRadioButton>

PracticePage::PracticePage(const Form &window, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("picOptions_1"));

    QGroupBox *order = addFrame(this, "Frame3", QStringLiteral("Ordning"));
    m_optOrdn = addOptionArray(order, "optOrdn", {QStringLiteral("Normal"), QStringLiteral("Slumpmässig")});

    QGroupBox *times =
        addFrame(this, "Frame4", QStringLiteral("Antal gånger"),
                 QStringLiteral("Här väljer du hur många gånger du vill gå igenom alla glosor"));
    m_opglosggr = addOptionArray(times, "opglosggr",
                                 {QStringLiteral("Förhör bara en gång"), QStringLiteral("Förhör oändligt")});
    m_opglosggr[0]->setChecked(true);

    QGroupBox *directions = addFrame(this, "Frame2", QStringLiteral("Glos Alternativ"));
    m_opGlos = addOptionArray(
        directions, "opGlos",
        {QStringLiteral("Svenska till engelska"), QStringLiteral("engelska till svenska"),
         QStringLiteral("Varannan omgång"), QStringLiteral("Slumpmässigt"), QStringLiteral("Byter alltid"),
         QStringLiteral("Repetera")},
        {QStringLiteral("Välj det här alternativet om du vill ha det vanliga från svenska till engelska."),
         QStringLiteral("Välj det här alternativet om du vill bli förhörd från engelska till svenska"),
         QStringLiteral("När du har gått igenom alla glosor en gång så vänder det här valet på översättnings "
                        "hållet."),
         QStringLiteral(
             "Här väljs det slumpmässigt för varje glosa om det ör svenska \\engelsa rller tvärt om."),
         QStringLiteral("Skiftar mellan svenska till engelska och tvärt om."),
         QStringLiteral(
             "Man ska först översätta glosan från engleska till svenska och sen tvärt om(med samma "
             "glosa)")});

    window.placeTwips(order, 0, 0, 2760, 1080);
    window.placeTwips(times, 0, 1200, 2760, 1080);
    window.placeTwips(directions, 2880, 0, 3000, 2640);
}

void PracticePage::showChoices(const OptionsChoices &choices)
{
    chooseIndex(m_opglosggr, choices.endless ? 1 : 0);
    chooseIndex(m_opGlos, choices.direction);
    chooseIndex(m_optOrdn, choices.order);
}

void PracticePage::collectChoices(OptionsChoices &choices) const
{
    choices.endless = m_opglosggr[1]->isChecked();
    choices.direction = chosenIndex(m_opGlos);
    choices.order = chosenIndex(m_optOrdn);
}
