#include "platform/posix/SystemClock.h"

#include "storage/DayNumber.h"

#include <ctime>

namespace mcb {

namespace {

std::tm LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return local;
}

} // namespace

int SystemClock::Today() const {
    const std::tm local = LocalNow();
    return DayNumber(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

int SystemClock::SecondsOfDay() const {
    const std::tm local = LocalNow();
    return local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
}

} // namespace mcb
