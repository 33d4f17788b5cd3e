#pragma once

#include "record/logger_image.h"

#include <cstddef>

namespace velka {

// The number of samples recorded in an image: the position of the first raw sample that is 0,
// or all 8,772 when none is; 0 when no image is given.
std::size_t CountRecordedSamples(const LoggerImage* image);

}  // namespace velka
