#pragma once

#include <QDateTime>
#include <QString>
#include <QTime>

// The time, injected so that the clock labels and the days of practice can be tested.
class Clock {
public:
    virtual ~Clock() = default;
    // The time of day.
    virtual QTime now() const = 0;
    // The date and time, local.
    virtual QDateTime moment() const = 0;
};

class SystemClock final : public Clock {
public:
    QTime now() const override { return QTime::currentTime(); }
    QDateTime moment() const override { return QDateTime::currentDateTime(); }
};

// "Klockan är HH:MM:SS" on the 24-hour clock: the text of every clock label.
QString clockText(const QTime &time);
