#pragma once
// How much each field of the parameter page may hold: exactly what its place in the image
// keeps, so that what the page shows is what the logger carries. Texts count UTF-16 code units,
// as the image stores them.

#include "record/logger_image.h"
#include "record/product_record.h"
#include "record/reference_table.h"

namespace velka {

// Delivery Company, Receiving Company and Transport Company.
inline constexpr int kCompanyTextUnits = static_cast<int>(kCompanySlotBytes / 2);
inline constexpr int kTransportNumberTextUnits = static_cast<int>(kTransportNumberSlotBytes / 2);
// Number, Product Name, Specification Model and Shipment Number.
inline constexpr int kProductFieldUnits = static_cast<int>(kProductTextUnits);
inline constexpr int kBatchFieldUnits = static_cast<int>(kBatchTextUnits);
// The table entry keeps the first two code units of the unit...
inline constexpr int kUnitFieldUnits = static_cast<int>(kUnitStoredUnits);
// ...and the low 16 bits of the quantity.
inline constexpr int kMaxQuantity = 65535;

// The alarm limits in whole °C: the span of the reference tables.
inline constexpr int kLowestAlarmLimit = kScaleColdEnd;
inline constexpr int kHighestAlarmLimit = kScaleWarmEnd;

}  // namespace velka
