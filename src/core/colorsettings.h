#pragma once

#include "core/optionsstate.h"

#include <QList>
#include <QString>

#include <functional>

class Dialogs;

// The ticks of the colour frame: what changes and where.
struct ColorTargets {
    bool back = false;     // "Bakgrunds färg"
    bool boxes = false;    // "Färg på textrutorna"
    bool text = false;     // "Färg på all text"
    bool entry = false;    // "I Glosinmatiningen"
    bool practice = false; // "I Glosträningen"
};

// The slots one pick goes into: every ticked "what" in every ticked "where";
// empty when either is missing.
QList<ColorSlot> colorSlotsFor(const ColorTargets &targets);

// "Ändra:": asks the colour dialog for one colour and holds it as pending
// for every targeted slot. False, with nothing asked, when the ticks say
// neither where nor what; a cancelled dialog holds nothing.
bool pickColor(OptionsState &options, const ColorTargets &targets, Dialogs &dialogs);

ColorValue storedColor(const AppState &state, ColorSlot slot);
// The colour a slot has once "OK" has stored the pending colours.
ColorValue colorAfterOk(const AppState &state, const OptionsState &options, ColorSlot slot);
// The plain colour that a value paints as in a text box: system colours
// follow the desktop, so only the desktop can tell.
using PaintedColor = std::function<ColorValue(ColorValue)>;
// True when, after "OK", a window's text boxes would paint in the colour of
// their text: the colours are compared as painted, so a picked black box
// clashes with the desktop's black default text.
bool colorsClash(const AppState &state, const OptionsState &options, const PaintedColor &painted);
void applyPendingColors(AppState &state, const OptionsState &options);

inline const QString ChangeColorCaption = QStringLiteral("Ändra:");
inline const QString ChooseWhereCaption = QStringLiteral("Välj var ändringen ska ske");
inline const QString ColorDialogTitle = QStringLiteral("Välj färg");
inline constexpr ColorValue ColorDialogStart = 0x00FF0000;
inline const QString ColorClashText =
    QStringLiteral("Det är inte bra att textrutorna har samma färg som texten!");
