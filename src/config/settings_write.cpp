#include "config/settings_write.h"

#include "config/blank_text.h"
#include "config/field_limits.h"
#include "config/product_list.h"
#include "config/settings_titles.h"
#include "record/product_record.h"

namespace velka {

namespace {

// The image ends a text at its first NUL: "A\0B" would be stored as "A", and "\0" as an empty
// text that the required-field checks had let through.
std::optional<std::string> NulCharacterMessage(const LoggerSettings& settings) {
    const auto holdsNul = [](const std::u16string& text) {
        return text.find(u'\0') != std::u16string::npos;
    };
    const std::pair<const char*, const std::u16string*> texts[] = {
        {title::kDeliveryCompany, &settings.deliveryCompany},
        {title::kReceivingCompany, &settings.receivingCompany},
        {title::kTransportCompany, &settings.transportCompany},
        {title::kTransportNumber, &settings.transportNumber},
    };
    for (const auto& [label, text] : texts) {
        if (holdsNul(*text))
            return std::string(label) + " must not hold a NUL character";
    }
    for (const ProductRecord& product : settings.products) {
        const std::pair<const char*, const std::u16string*> productTexts[] = {
            {title::kProductNumber, &product.number}, {title::kProductName, &product.name},
            {title::kSpecification, &product.spec},   {title::kShipmentNumber, &product.shipment},
            {title::kBatchNumber, &product.batch},    {title::kUnit, &product.unit},
        };
        for (const auto& [label, text] : productTexts) {
            if (holdsNul(*text))
                return "Product " + std::to_string(product.id) + ": " + label +
                       " must not hold a NUL character";
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> CheckRequiredFields(const LoggerSettings& settings) {
    if (auto message = NulCharacterMessage(settings))
        return message;
    if (settings.products.empty())
        return kNoProductText;
    if (IsBlankText(settings.deliveryCompany))
        return std::string("Please input ") + title::kDeliveryCompany;
    if (IsBlankText(settings.receivingCompany))
        return std::string("Please input ") + title::kReceivingCompany;
    // Limits the other way round would make every sample an alarm.
    if (settings.lowerLimit >= settings.upperLimit)
        return std::string(title::kLowerLimit) + " must be below " + title::kUpperLimit;
    return std::nullopt;
}

std::optional<std::string> CheckFitsImage(const LoggerSettings& settings) {
    if (settings.products.size() > kMaxProducts)
        return kTooManyProductsText;
    if (TableUsedBytes(settings.products) > static_cast<int>(kMaxProductTableBytes))
        return kAddOverCapacityText;

    std::optional<std::string> refusal;
    const auto check = [&refusal](const std::string& prefix, const char* field,
                                  const std::u16string& text, int units) {
        if (!refusal && text.size() > static_cast<std::size_t>(units))
            refusal = prefix + field + " is longer than " + std::to_string(units) + " characters";
    };
    check("", title::kDeliveryCompany, settings.deliveryCompany, kCompanyTextUnits);
    check("", title::kReceivingCompany, settings.receivingCompany, kCompanyTextUnits);
    check("", title::kTransportCompany, settings.transportCompany, kCompanyTextUnits);
    check("", title::kTransportNumber, settings.transportNumber, kTransportNumberTextUnits);
    for (const ProductRecord& product : settings.products) {
        const std::string which = "Product " + std::to_string(product.id) + ": ";
        check(which, title::kUnit, product.unit, kUnitFieldUnits);
        if (!refusal && (product.quantity < 0 || product.quantity > kMaxQuantity))
            refusal =
                which + title::kQuantity + " must be between 0 and " + std::to_string(kMaxQuantity);
        check(which, title::kProductNumber, product.number, kProductFieldUnits);
        check(which, title::kProductName, product.name, kProductFieldUnits);
        check(which, title::kSpecification, product.spec, kProductFieldUnits);
        check(which, title::kShipmentNumber, product.shipment, kProductFieldUnits);
        check(which, title::kBatchNumber, product.batch, kBatchFieldUnits);
    }
    return refusal;
}

void ApplySettingsToImage(const LoggerSettings& settings, LoggerImage& image,
                          const ReferenceTable& currentTable, std::int64_t now) {
    EncodeSettings(settings, image, currentTable, now);
    StoreProductTable(settings.products, image);
}

}  // namespace velka
