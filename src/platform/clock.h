#pragma once

#include <QString>
#include <QTime>

// The time of day, injected so that the clock labels can be tested.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QTime now() const = 0;
};

class SystemClock final : public Clock {
public:
    QTime now() const override { return QTime::currentTime(); }
};

// "Klockan är HH:MM:SS" on the 24-hour clock: the text of every clock label.
QString clockText(const QTime &time);
