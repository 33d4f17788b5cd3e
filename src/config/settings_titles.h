#pragma once
// The titles of the logger's settings and of a product's fields: one home for the parameter
// page, the chart page's texts, both reports and the messages of the settings checks. Each
// place adds its own punctuation (the window's labels none, the chart's texts and the workbook a
// full-width colon "：", the PDF a ":" and two tabs).

namespace velka::title {

inline constexpr const char* kDeviceSerial = "Device S/N";
inline constexpr const char* kShutdownMode = "Shutdown Mode";
inline constexpr const char* kStartDelay = "Start Delay";
inline constexpr const char* kAlarmDelay = "Alarm Delay";
inline constexpr const char* kUpperLimit = "Upper Limit Alarm";
inline constexpr const char* kLowerLimit = "Lower Limit Alarm";
inline constexpr const char* kLogInterval = "Log Interval";
inline constexpr const char* kLogCycle = "Log Cycle";

inline constexpr const char* kDeliveryCompany = "Delivery Company";
inline constexpr const char* kReceivingCompany = "Receiving Company";
inline constexpr const char* kTransportCompany = "Transport Company";
inline constexpr const char* kTransportNumber = "Transport Number";
inline constexpr const char* kDeliveryDate = "Date Of Delivery";

inline constexpr const char* kProductNumber = "Number";
inline constexpr const char* kProductName = "Product Name";
inline constexpr const char* kSpecification = "Specification Model";
inline constexpr const char* kBatchNumber = "Product Batch Number";
inline constexpr const char* kValidity = "Period of validity";
inline constexpr const char* kUnit = "Unit";
inline constexpr const char* kQuantity = "Quantity";
inline constexpr const char* kShipmentNumber = "Shipment Number";

}  // namespace velka::title
