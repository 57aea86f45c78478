#pragma once

#include <QtGlobal>

// A Boolean kept in 16 bits, as the shared settings hold it: -1 is true and
// 0 is false. Code tests for exactly -1 where "true" is meant, so any other
// value reads as false.
using Bool16 = qint16;
inline constexpr Bool16 Bool16True = -1;
inline constexpr Bool16 Bool16False = 0;

constexpr Bool16 toBool16(bool value)
{
    return value ? Bool16True : Bool16False;
}

constexpr bool isTrue16(Bool16 value)
{
    return value == Bool16True;
}
