#pragma once

#include <QString>

class QWidget;

// Types text into a widget one key event per character, each carrying its
// text. QTest::keyClicks cannot be used for å, ä, ö or é in Qt 6.4: it looks
// the characters up in a key table that does not have them.
void typeText(QWidget *widget, const QString &text);

// Presses Enter (the Return key) in a widget.
void pressEnter(QWidget *widget);
