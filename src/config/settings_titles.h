#pragma once
// The titles of the logger's settings and of a product's fields: one home for the parameter
// page, the chart page's texts, both reports and the messages of the settings checks. Each
// place adds its own punctuation (the window's labels none, the chart's texts and the workbook a
// full-width colon "：", the PDF a ":" and two tabs). Each is translated where it is shown (Tr).

#include "services/translation.h"

namespace velka::title {

inline constexpr UiText kDeviceSerial = VELKA_TEXT("Settings", "Device S/N");
inline constexpr UiText kShutdownMode = VELKA_TEXT("Settings", "Shutdown Mode");
inline constexpr UiText kStartDelay = VELKA_TEXT("Settings", "Start Delay");
inline constexpr UiText kAlarmDelay = VELKA_TEXT("Settings", "Alarm Delay");
inline constexpr UiText kUpperLimit = VELKA_TEXT("Settings", "Upper Limit Alarm");
inline constexpr UiText kLowerLimit = VELKA_TEXT("Settings", "Lower Limit Alarm");
inline constexpr UiText kLogInterval = VELKA_TEXT("Settings", "Log Interval");
inline constexpr UiText kLogCycle = VELKA_TEXT("Settings", "Log Cycle");

inline constexpr UiText kDeliveryCompany = VELKA_TEXT("Settings", "Delivery Company");
inline constexpr UiText kReceivingCompany = VELKA_TEXT("Settings", "Receiving Company");
inline constexpr UiText kTransportCompany = VELKA_TEXT("Settings", "Transport Company");
inline constexpr UiText kTransportNumber = VELKA_TEXT("Settings", "Transport Number");
inline constexpr UiText kDeliveryDate = VELKA_TEXT("Settings", "Date Of Delivery");

inline constexpr UiText kProductNumber = VELKA_TEXT("Settings", "Number");
inline constexpr UiText kProductName = VELKA_TEXT("Settings", "Product Name");
inline constexpr UiText kSpecification = VELKA_TEXT("Settings", "Specification Model");
inline constexpr UiText kBatchNumber = VELKA_TEXT("Settings", "Product Batch Number");
inline constexpr UiText kValidity = VELKA_TEXT("Settings", "Period of validity");
inline constexpr UiText kUnit = VELKA_TEXT("Settings", "Unit");
inline constexpr UiText kQuantity = VELKA_TEXT("Settings", "Quantity");
inline constexpr UiText kShipmentNumber = VELKA_TEXT("Settings", "Shipment Number");

}  // namespace velka::title
