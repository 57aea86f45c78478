#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a window of the given frame size opens beside another window's frame:
// level with its top and to its right, or to its left when the screen has no
// room on the right, and always kept on the screen as far as it fits.
QPoint placeBeside(const QRect &otherFrame, const QSize &size, const QRect &screen);
