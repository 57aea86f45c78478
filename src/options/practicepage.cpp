#include "options/practicepage.h"

#include "options/optionarray.h"
#include "platform/form.h"

#include <QCheckBox>
#include <QDateEdit>
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

    m_chkForhor = named(new QCheckBox(QStringLiteral("Förhör den:"), this), "chkForhor",
                        QStringLiteral("Dagens glosor väljs så att du kan alla glosor till förhöret."));
    m_datForhor = named(new QDateEdit(this), "datForhor", QStringLiteral("Dagen för förhöret"));
    m_datForhor->setAccessibleName(QStringLiteral("Förhör den"));
    m_datForhor->setLocale(QLocale(QLocale::Swedish, QLocale::Sweden));
    m_datForhor->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_datForhor->setEnabled(false);
    connect(m_chkForhor, &QCheckBox::toggled, m_datForhor, &QWidget::setEnabled);

    window.placeTwips(order, 0, 0, 2760, 1080);
    window.placeTwips(times, 0, 1200, 2760, 1080);
    window.placeTwips(m_chkForhor, 60, 2340, 1320, 300);
    window.placeTwips(m_datForhor, 1380, 2340, 1380, 300);
    window.placeTwips(directions, 2880, 0, 3000, 2640);
}

void PracticePage::showTestDate(QDate date, QDate today)
{
    m_datForhor->setMinimumDate(today);
    m_datForhor->setDate(date.isValid() ? date : today.addDays(7));
    m_chkForhor->setChecked(date.isValid());
}

QDate PracticePage::testDate() const
{
    return m_chkForhor->isChecked() ? m_datForhor->date() : QDate();
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
