#pragma once

#include <QList>
#include <QStringList>

#include <optional>

class QGroupBox;
class QRadioButton;
class QWidget;

// An array of option buttons in one frame, named name_0, name_1, ... in the
// order of their captions. At most one of them is chosen; at first none is.
QList<QRadioButton *> addOptionArray(QGroupBox *frame, const char *name, const QStringList &captions,
                                     const QStringList &toolTips = {});

// The index of the first chosen button, none when no button is chosen.
std::optional<int> chosenIndex(const QList<QRadioButton *> &buttons);
// Chooses the button of an index; none, or an index outside the array,
// leaves the buttons as they are.
void chooseIndex(const QList<QRadioButton *> &buttons, std::optional<int> index);

// A frame with a caption and a tooltip, its contents laid out top to bottom.
QGroupBox *addFrame(QWidget *parent, const char *name, const QString &caption, const QString &toolTip = {});
