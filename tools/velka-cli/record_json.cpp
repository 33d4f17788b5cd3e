#include "record_json.h"

#include "analysis_json.h"
#include "record/text_encoding.h"

namespace velka::cli {
namespace {

Json ProductJson(const ProductRecord& product) {
    Json json;
    json["id"] = product.id;
    json["unit"] = Utf8FromUtf16(product.unit);
    json["quantity"] = product.quantity;
    json["validity"] = product.validity;
    json["number"] = Utf8FromUtf16(product.number);
    json["name"] = Utf8FromUtf16(product.name);
    json["spec"] = Utf8FromUtf16(product.spec);
    json["shipment"] = Utf8FromUtf16(product.shipment);
    json["batch"] = Utf8FromUtf16(product.batch);
    return json;
}

Json SummaryJson(const LogSummary& summary) {
    Json json;
    json["lowest"] = summary.lowest;
    json["highest"] = summary.highest;
    json["average"] = summary.average;
    json["chartMin"] = summary.chartMin;
    json["chartMax"] = summary.chartMax;
    json["chartMinInt"] = summary.chartMinInt;
    json["chartMaxInt"] = summary.chartMaxInt;
    json["viewFirst"] = summary.viewFirst;
    json["viewLast"] = summary.viewLast;
    return json;
}

}  // namespace

Json RecordingJson(const LoggerImage& image, const Recording& recording, TemperatureUnit unit) {
    const Recording shown = ShownIn(recording, unit);
    const LoggerSettings& s = shown.settings;
    Json json;
    json["unit"] = UnitCode(unit);
    json["serialNumber"] = s.serialNumber;
    json["serialText"] = s.serialText;
    json["writeProtectFlag"] = s.writeProtectFlag;
    json["startOffset"] = s.startOffset;
    json["calibrationA"] = s.calibrationA;
    json["calibrationB"] = s.calibrationB;
    json["logInterval"] = s.logInterval;
    json["logCycleText"] = s.logCycleText;
    json["startDelay"] = s.startDelay;
    json["lowerLimitCode"] = s.lowerLimitCode;
    json["upperLimitCode"] = s.upperLimitCode;
    json["lowerLimit"] = s.lowerLimit;
    json["upperLimit"] = s.upperLimit;
    json["alarmDelayCount"] = s.alarmDelayCount;
    json["ledBlinkInterval"] = s.ledBlinkInterval;
    json["clockSetTime"] = s.clockSetTime;
    // The raw field: 0 means "not set", which the decoded settings replace by the current time.
    json["deliveryDate"] = ReadU32(image, kDeliveryDateOffset);
    json["deliveryCompany"] = Utf8FromUtf16(s.deliveryCompany);
    json["receivingCompany"] = Utf8FromUtf16(s.receivingCompany);
    json["transportCompany"] = Utf8FromUtf16(s.transportCompany);
    json["transportNumber"] = Utf8FromUtf16(s.transportNumber);
    json["products"] = Json::array();
    for (const ProductRecord& product : s.products)
        json["products"].push_back(ProductJson(product));
    json["tableUsedBytes"] = s.tableUsedBytes;
    json["startTime"] = recording.StartTime();
    json["stopTime"] = recording.StopTime();
    json["summary"] = SummaryJson(shown.record.summary);
    Json samples = Json::array();
    for (const TempSample& sample : shown.record.samples) {
        samples.push_back(
            {{"index", sample.index},
             {"raw", recording.record.rawSamples[static_cast<std::size_t>(sample.index)]},
             {"temperature", sample.temperature},
             {"alarm", sample.alarm}});
    }
    json["samples"] = std::move(samples);
    json["analysis"] = LoggerAnalysisJson(recording, unit);
    return json;
}

}  // namespace velka::cli
