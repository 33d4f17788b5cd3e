#include "config/settings_changes.h"

#include "record/decimal_text.h"
#include "record/logger_settings.h"
#include "record/text_encoding.h"

#include <algorithm>
#include <utility>

namespace velka {
namespace {

using Fields = std::vector<std::pair<std::string, std::string>>;

void AddProduct(Fields& fields, std::size_t index, const ProductRecord& product) {
    const std::string prefix = "products[" + std::to_string(index) + "].";
    const auto text = [](const std::u16string& value) { return Utf8FromUtf16(value); };
    fields.insert(fields.end(), {{prefix + "number", text(product.number)},
                                 {prefix + "name", text(product.name)},
                                 {prefix + "spec", text(product.spec)},
                                 {prefix + "batch", text(product.batch)},
                                 {prefix + "validity", std::to_string(product.validity)},
                                 {prefix + "unit", text(product.unit)},
                                 {prefix + "quantity", std::to_string(product.quantity)},
                                 {prefix + "shipment", text(product.shipment)}});
}

// The fields a write can change, in the order of the settings JSON. The delivery date is the
// image's own value (0 when none was set), not "now".
Fields FieldsOf(const LoggerImage& image, const ReferenceTable& table) {
    const LoggerSettings s = DecodeSettings(image, table, 0);
    const auto text = [](const std::u16string& value) { return Utf8FromUtf16(value); };
    Fields fields{
        {"writeProtectFlag", std::to_string(s.writeProtectFlag)},
        {"logInterval", std::to_string(s.logInterval)},
        {"startDelay", std::to_string(s.startDelay)},
        {"lowerLimit", FixedDecimal(s.lowerLimit, 1)},
        {"upperLimit", FixedDecimal(s.upperLimit, 1)},
        {"alarmDelayCount", std::to_string(s.alarmDelayCount)},
        {"clockSetTime", std::to_string(s.clockSetTime)},
        {"startOffset", std::to_string(s.startOffset)},
        {"deliveryDate", std::to_string(s.deliveryDate)},
        {"deliveryCompany", text(s.deliveryCompany)},
        {"receivingCompany", text(s.receivingCompany)},
        {"transportCompany", text(s.transportCompany)},
        {"transportNumber", text(s.transportNumber)},
    };
    const std::vector<ProductRecord> products = ParseImageProducts(image).products;
    for (std::size_t i = 0; i < products.size(); ++i)
        AddProduct(fields, i, products[i]);
    return fields;
}

}  // namespace

std::vector<SettingChange> SettingsChanges(const LoggerImage& before, const LoggerImage& after,
                                           const ReferenceTable& table) {
    const Fields old = FieldsOf(before, table);
    const Fields now = FieldsOf(after, table);
    const auto valueIn = [](const Fields& fields, const std::string& name) -> const std::string* {
        const auto found = std::find_if(fields.begin(), fields.end(),
                                        [&name](const auto& field) { return field.first == name; });
        return found == fields.end() ? nullptr : &found->second;
    };
    std::vector<SettingChange> changes;
    for (const auto& [name, value] : old) {
        const std::string* written = valueIn(now, name);
        if (written == nullptr || *written != value)
            changes.push_back({name, value, written != nullptr ? *written : std::string()});
    }
    for (const auto& [name, value] : now) {
        if (valueIn(old, name) == nullptr)
            changes.push_back({name, {}, value});
    }
    return changes;
}

}  // namespace velka
