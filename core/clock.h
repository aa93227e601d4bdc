#pragma once

#include "core/date.h"

namespace brevanta {

// Wall-clock time of day, to the second.
struct TimeOfDay {
    int hour = 0;  // 0..23
    int minute = 0;
    int second = 0;
};

// Today's date and the current time. Everything below the GUI asks this seam,
// never the system clock, so tests can pin "now".
class Clock {
  public:
    virtual ~Clock() = default;
    virtual Date Today() const = 0;
    virtual TimeOfDay Now() const = 0;
};

// The local time of the machine.
class SystemClock : public Clock {
  public:
    Date Today() const override;
    TimeOfDay Now() const override;
};

// A clock that always answers the same moment.
class FixedClock : public Clock {
  public:
    FixedClock(Date today, TimeOfDay now) : today_(today), now_(now) {}
    Date Today() const override { return today_; }
    TimeOfDay Now() const override { return now_; }

  private:
    Date today_;
    TimeOfDay now_;
};

}  // namespace brevanta
