#include "core/clock.h"

#include <ctime>

namespace brevanta {

namespace {

std::tm LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

}  // namespace

Date SystemClock::Today() const {
    const std::tm local = LocalNow();
    return Date::Ymd(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

TimeOfDay SystemClock::Now() const {
    const std::tm local = LocalNow();
    return {local.tm_hour, local.tm_min, local.tm_sec};
}

}  // namespace brevanta
