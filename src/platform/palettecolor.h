#pragma once

#include "platform/colorvalue.h"

#include <QColor>
#include <QPalette>

class QWidget;

// The one place where colour values become what widgets paint. A system
// colour is taken from the given palette; one with no counterpart there
// becomes the palette's fallback role.
QColor paintColor(ColorValue value, const QPalette &palette, QPalette::ColorRole fallback = QPalette::Base);

// The plain colour value of a colour; transparency is dropped.
ColorValue toColorValue(const QColor &color);

// The plain colour that value paints as in a text box on this desktop, as
// the box's background or its text alike (the two share the system colours).
ColorValue paintedInTextBox(ColorValue value);

// Colour a widget's own background or text. Text boxes and lists get their
// box (Base) and its text (Text); any other widget its surface (Window, filled)
// and its label text (WindowText). Only those roles change, so a coloured
// window does not pass its colour on to the boxes inside it.
void paintBackground(QWidget *widget, ColorValue back);
void paintText(QWidget *widget, ColorValue text);
