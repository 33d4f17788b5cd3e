#pragma once
// Logger images for the device and session tests.

#include "record/logger_image.h"

namespace velka::testing {

// A realistic set-up logger (serial 0A1B2C3D, clockSetTime set, products, a week of samples),
// with a recognisable pattern in bytes 0…3775, which a logger never transfers.
LoggerImage SyntheticLoggerImage(std::int64_t startTime = 1525424825);

// Every byte different from its neighbours', so that a block at the wrong place shows.
LoggerImage PatternImage(std::uint8_t seed);

}  // namespace velka::testing
