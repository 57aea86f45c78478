#pragma once

#include <QtGlobal>

// Colour values as the settings hold them: 0x00BBGGRR is a plain colour with
// red in the lowest byte, 0x800000NN the desktop's system colour number NN.
using ColorValue = quint32;

bool isSystemColor(ColorValue value);
// NN of 0x800000NN.
int systemColorIndex(ColorValue value);

// Components 0 to 255; larger values are cut to their lowest byte.
ColorValue plainColor(int red, int green, int blue);
int redOf(ColorValue value);
int greenOf(ColorValue value);
int blueOf(ColorValue value);
