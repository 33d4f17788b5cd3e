#include "settings_json.h"

#include "command_line.h"
#include "config/choice_lists.h"
#include "config/field_limits.h"
#include "config/log_timing.h"
#include "config/settings_write.h"
#include "record/text_encoding.h"

#include <cmath>
#include <nlohmann/json.hpp>

namespace velka::cli {
namespace {

using Json = nlohmann::json;

[[noreturn]] void Refuse(const std::string& message) {
    throw CommandFailure{message};
}

long long WholeNumber(const Json& value, const std::string& key, long long minimum,
                      long long maximum) {
    if (!value.is_number())
        Refuse(key + " must be a number");
    const double number = value.get<double>();
    if (std::trunc(number) != number)
        Refuse(key + " must be a whole number");
    if (number < static_cast<double>(minimum) || number > static_cast<double>(maximum))
        Refuse(key + " must be between " + std::to_string(minimum) + " and " +
               std::to_string(maximum));
    return static_cast<long long>(number);
}

std::u16string Text(const Json& value, const std::string& key) {
    if (!value.is_string())
        Refuse(key + " must be a text");
    return Utf16FromUtf8(value.get<std::string>());
}

template <std::size_t N>
int ChoiceSeconds(const Json& value, const std::string& key, const std::array<Choice, N>& choices) {
    const long long seconds = WholeNumber(value, key, 0, 65535);
    if (!IsChoice(choices, seconds)) {
        std::string allowed;
        for (const Choice& choice : choices)
            allowed += (allowed.empty() ? "" : ", ") + std::to_string(choice.seconds);
        Refuse(key + " must be one of " + allowed + " seconds");
    }
    return static_cast<int>(seconds);
}

ProductRecord ProductFromJson(const Json& json, std::uint8_t id) {
    if (!json.is_object())
        Refuse("each product must be an object");
    const auto text = [&json](const char* key) {
        return json.contains(key) ? Text(json[key], key) : std::u16string();
    };
    std::int32_t quantity = 0;
    if (json.contains("quantity")) {
        // Out-of-range quantities are refused by the image check, with the product's id.
        quantity = static_cast<std::int32_t>(
            WholeNumber(json["quantity"], "quantity", INT32_MIN, INT32_MAX));
    }
    std::uint32_t validity = 0;
    if (json.contains("validity"))
        validity =
            static_cast<std::uint32_t>(WholeNumber(json["validity"], "validity", 0, UINT32_MAX));
    for (const auto& [key, value] : json.items()) {
        static const std::set<std::string> known = {"unit", "quantity", "validity", "number",
                                                    "name", "spec",     "shipment", "batch"};
        if (!known.contains(key))
            Refuse("unknown product key \"" + key + "\"");
    }
    return MakeProductRecord(id, text("unit"), quantity, validity, text("number"), text("name"),
                             text("spec"), text("shipment"), text("batch"));
}

}  // namespace

LoggerSettings SettingsFromJson(const std::string& jsonText, LoggerSettings settings) {
    const Json json = Json::parse(jsonText, nullptr, false);
    if (json.is_discarded())
        Refuse("the settings file is not valid JSON");
    if (!json.is_object())
        Refuse("the settings file must hold one JSON object");

    static const std::set<std::string> known = {
        "logInterval",      "startDelay",      "alarmDelay",      "upperLimit",
        "lowerLimit",       "deliveryDate",    "deliveryCompany", "receivingCompany",
        "transportCompany", "transportNumber", "products"};
    for (const auto& [key, value] : json.items()) {
        if (!known.contains(key))
            Refuse("unknown settings key \"" + key + "\"");
    }

    LogTimingChoice timing;
    if (json.contains("logInterval"))
        timing.logIntervalSeconds =
            ChoiceSeconds(json["logInterval"], "logInterval", kLogIntervalChoices);
    if (json.contains("startDelay"))
        timing.startDelaySeconds =
            ChoiceSeconds(json["startDelay"], "startDelay", kStartDelayChoices);
    if (json.contains("alarmDelay"))
        timing.alarmDelaySeconds =
            ChoiceSeconds(json["alarmDelay"], "alarmDelay", kAlarmDelayChoices);
    const int keptAlarmDelaySeconds = settings.alarmDelayCount * settings.logInterval;
    switch (ApplyLogTiming(settings, timing)) {
    case LogTimingRefusal::None:
        break;
    case LogTimingRefusal::AlarmDelayWithoutLogInterval:
        Refuse("alarmDelay needs a log interval; give logInterval as well");
    case LogTimingRefusal::AlarmDelayTooLong:
        Refuse("the alarm delay of " + std::to_string(keptAlarmDelaySeconds) +
               " seconds cannot be counted in intervals of " +
               std::to_string(timing.logIntervalSeconds.value_or(settings.logInterval)) +
               " seconds; give alarmDelay as well");
    }
    if (json.contains("upperLimit"))
        settings.upperLimit = static_cast<double>(
            WholeNumber(json["upperLimit"], "upperLimit", kLowestAlarmLimit, kHighestAlarmLimit));
    if (json.contains("lowerLimit"))
        settings.lowerLimit = static_cast<double>(
            WholeNumber(json["lowerLimit"], "lowerLimit", kLowestAlarmLimit, kHighestAlarmLimit));
    if (json.contains("deliveryDate"))
        settings.deliveryDate = WholeNumber(json["deliveryDate"], "deliveryDate", 0, UINT32_MAX);
    if (json.contains("deliveryCompany"))
        settings.deliveryCompany = Text(json["deliveryCompany"], "deliveryCompany");
    if (json.contains("receivingCompany"))
        settings.receivingCompany = Text(json["receivingCompany"], "receivingCompany");
    if (json.contains("transportCompany"))
        settings.transportCompany = Text(json["transportCompany"], "transportCompany");
    if (json.contains("transportNumber"))
        settings.transportNumber = Text(json["transportNumber"], "transportNumber");
    if (json.contains("products")) {
        const Json& products = json["products"];
        if (!products.is_array())
            Refuse("products must be a list");
        settings.products.clear();
        std::uint8_t id = 1;
        for (const Json& product : products)
            settings.products.push_back(ProductFromJson(product, id++));
        settings.tableUsedBytes = TableUsedBytes(settings.products);
    }

    if (auto message = CheckRequiredFields(settings))
        Refuse(*message);
    if (auto message = CheckFitsImage(settings))
        Refuse(*message);
    return settings;
}

}  // namespace velka::cli
