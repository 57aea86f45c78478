#pragma once

#include <QString>

class QLabel;

// text with a zero-width space between any two characters of each run of
// more than longRun characters without a blank, so that a label or a box
// that wraps at blanks can wrap such a run too; the text reads the same.
QString withBreaksInLongRuns(const QString &text, int longRun);

// Shows text whole in label, which has a fixed room: the font shrinks from
// points until the text fits the width, down to a readable size; past that
// the text wraps, and only if the wrapped lines still do not fit the height
// does the font shrink further. Text that fits at points shows as any label's.
void showWhole(QLabel *label, const QString &text, qreal points);
