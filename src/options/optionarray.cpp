#include "options/optionarray.h"

#include "platform/form.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

QList<QRadioButton *> addOptionArray(QGroupBox *frame, const char *name, const QStringList &captions,
                                     const QStringList &toolTips)
{
    QList<QRadioButton *> buttons;
    for (qsizetype i = 0; i < captions.size(); ++i) {
        const QByteArray indexed = QByteArray(name) + '_' + QByteArray::number(i);
        auto *button = named(new QRadioButton(captions[i], frame), indexed.constData(), toolTips.value(i));
        frame->layout()->addWidget(button);
        buttons << button;
    }
    return buttons;
}

std::optional<int> chosenIndex(const QList<QRadioButton *> &buttons)
{
    for (qsizetype i = 0; i < buttons.size(); ++i)
        if (buttons[i]->isChecked())
            return int(i);
    return std::nullopt;
}

void chooseIndex(const QList<QRadioButton *> &buttons, std::optional<int> index)
{
    if (index && *index >= 0 && *index < buttons.size())
        buttons[*index]->setChecked(true);
}

QGroupBox *addFrame(QWidget *parent, const char *name, const QString &caption, const QString &toolTip)
{
    auto *frame = named(new QGroupBox(caption, parent), name, toolTip);
    new QVBoxLayout(frame);
    return frame;
}
