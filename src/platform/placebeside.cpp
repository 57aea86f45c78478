#include "platform/placebeside.h"

#include <algorithm>

namespace {
// The start of a span of length within [first, last], or first when it is longer.
int keepWithin(int start, int length, int first, int last)
{
    return std::clamp(start, first, std::max(first, last + 1 - length));
}
} // namespace

QPoint placeBeside(const QRect &otherFrame, const QSize &size, const QRect &screen)
{
    int left = otherFrame.right() + 1;
    if (left + size.width() - 1 > screen.right())
        left = otherFrame.left() - size.width();
    return {keepWithin(left, size.width(), screen.left(), screen.right()),
            keepWithin(otherFrame.top(), size.height(), screen.top(), screen.bottom())};
}
