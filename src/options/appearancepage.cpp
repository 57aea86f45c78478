#include "options/appearancepage.h"

#include "core/session.h"
#include "options/optionarray.h"
#include "platform/form.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

AppearancePage::AppearancePage(Session &session, const Form &window, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("picOptions_0"));
    buildClockFrame(window);
    buildColorFrame(window);
}

void AppearancePage::buildClockFrame(const Form &window)
{
    QGroupBox *frame = addFrame(this, "Frame1", QStringLiteral("Älternativ för klockan"));
    m_optklockan = addOptionArray(frame, "optklockan",
                                  {QStringLiteral("Visa inte klockan"), QStringLiteral("Visa klockan")});
    m_optklockan[1]->setChecked(true);
    window.placeTwips(frame, 0, 0, 2520, 1080);
    for (int index = 0; index < m_optklockan.size(); ++index)
        connect(m_optklockan[index], &QRadioButton::clicked, this,
                [this, index] { emit clockPreviewed(index == 1); });
}

void AppearancePage::buildColorFrame(const Form &window)
{
    auto *frame = named(new QGroupBox(QStringLiteral("Färg alternativ:"), this), "fraSample1");
    window.placeTwips(frame, 2640, 0, 3120, 3960);
    const auto check = [&](const char *name, const QString &caption, int top) {
        auto *box = named(new QCheckBox(caption, frame), name);
        window.placeTwips(box, 120, top, 2880, 300);
        return box;
    };
    auto *what = named(new QLabel(QStringLiteral("Vad:"), frame), "Text2");
    window.placeTwips(what, 120, 300, 1200, 255);
    m_chebak = check("chebak", QStringLiteral("Bakgrunds färg"), 600);
    m_chetxtrut = check("chetxtrut", QStringLiteral("Färg på textrutorna"), 960);
    m_chetxt = check("chetxt", QStringLiteral("Färg på all text"), 1320);
    auto *where = named(new QLabel(QStringLiteral("Var:"), frame), "Text1");
    window.placeTwips(where, 120, 1800, 1200, 255);
    m_cheglos = check("cheglos", QStringLiteral("I Glosinmatiningen"), 2100);
    m_cheova = check("cheova", QStringLiteral("I Glosträningen"), 2460);
    m_command1 = named(new QPushButton(ChangeColorCaption, frame), "Command1");
    window.placeTwips(m_command1, 120, 3000, 2880, 495);

    for (QCheckBox *box : {m_chebak, m_cheglos, m_cheova})
        connect(box, &QCheckBox::clicked, this, &AppearancePage::resetChangeCaption);
    connect(m_chetxt, &QCheckBox::clicked, this, &AppearancePage::chooseText);
    connect(m_chetxtrut, &QCheckBox::clicked, this, &AppearancePage::chooseBoxes);
    connect(m_command1, &QPushButton::clicked, this, &AppearancePage::pickColor);
}

bool AppearancePage::showsClock() const
{
    return m_optklockan[1]->isChecked();
}

void AppearancePage::showClockChoice(bool shown)
{
    m_optklockan[shown ? 1 : 0]->setChecked(true);
}

void AppearancePage::resetChangeCaption()
{
    m_command1->setText(ChangeColorCaption);
}

// Text boxes and text are never picked together, so one pick cannot give
// them the same colour.
void AppearancePage::chooseText()
{
    resetChangeCaption();
    m_chetxtrut->setChecked(false);
}

void AppearancePage::chooseBoxes()
{
    resetChangeCaption();
    m_chetxt->setChecked(false);
}

ColorTargets AppearancePage::targets() const
{
    return {m_chebak->isChecked(), m_chetxtrut->isChecked(), m_chetxt->isChecked(), m_cheglos->isChecked(),
            m_cheova->isChecked()};
}

void AppearancePage::pickColor()
{
    if (!::pickColor(m_session.options, targets(), m_session.dialogs()))
        m_command1->setText(ChooseWhereCaption);
}
