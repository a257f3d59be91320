#pragma once

#include "common/battery_source.h"

namespace zr::test {

// A battery whose charge the test sets; no reading unless it does.
class FixedBattery final : public BatterySource {
public:
    int charge = no_battery_reading;
    int charge_percent() const override { return charge; }
};

} // namespace zr::test
