// The clock service on the computer's local time.
#pragma once

#include "platform/Services.h"

namespace mcb {

class SystemClock : public Clock {
public:
    int Today() const override;
    int SecondsOfDay() const override;
};

} // namespace mcb
