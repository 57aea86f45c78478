#include "platform/colorvalue.h"

namespace {
constexpr ColorValue SystemFlag = 0x80000000u;
constexpr ColorValue KindMask = 0xFF000000u;
} // namespace

bool isSystemColor(ColorValue value)
{
    return (value & KindMask) == SystemFlag;
}

int systemColorIndex(ColorValue value)
{
    return int(value & ~KindMask);
}

ColorValue plainColor(int red, int green, int blue)
{
    return (ColorValue(red) & 0xFF) | ((ColorValue(green) & 0xFF) << 8) | ((ColorValue(blue) & 0xFF) << 16);
}

int redOf(ColorValue value)
{
    return int(value & 0xFF);
}

int greenOf(ColorValue value)
{
    return int((value >> 8) & 0xFF);
}

int blueOf(ColorValue value)
{
    return int((value >> 16) & 0xFF);
}
