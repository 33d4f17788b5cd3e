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
    const std::pair<UiText, const std::u16string*> texts[] = {
        {title::kDeliveryCompany, &settings.deliveryCompany},
        {title::kReceivingCompany, &settings.receivingCompany},
        {title::kTransportCompany, &settings.transportCompany},
        {title::kTransportNumber, &settings.transportNumber},
    };
    for (const auto& [label, text] : texts) {
        if (holdsNul(*text))
            return WithArguments(Tr("Settings", "%1 must not hold a NUL character"), {Tr(label)});
    }
    for (const ProductRecord& product : settings.products) {
        const std::pair<UiText, const std::u16string*> productTexts[] = {
            {title::kProductNumber, &product.number}, {title::kProductName, &product.name},
            {title::kSpecification, &product.spec},   {title::kShipmentNumber, &product.shipment},
            {title::kBatchNumber, &product.batch},    {title::kUnit, &product.unit},
        };
        for (const auto& [label, text] : productTexts) {
            if (holdsNul(*text))
                return WithArguments(Tr("Settings", "Product %1: %2 must not hold a NUL character"),
                                     {std::to_string(product.id), Tr(label)});
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> CheckRequiredFields(const LoggerSettings& settings) {
    if (auto message = NulCharacterMessage(settings))
        return message;
    if (settings.products.empty())
        return Tr(kNoProductText);
    if (IsBlankText(settings.deliveryCompany))
        return WithArguments(Tr("Settings", "Please input %1"), {Tr(title::kDeliveryCompany)});
    if (IsBlankText(settings.receivingCompany))
        return WithArguments(Tr("Settings", "Please input %1"), {Tr(title::kReceivingCompany)});
    // Limits the other way round would make every sample an alarm.
    if (settings.lowerLimit >= settings.upperLimit)
        return WithArguments(Tr("Settings", "%1 must be below %2"),
                             {Tr(title::kLowerLimit), Tr(title::kUpperLimit)});
    return std::nullopt;
}

std::optional<std::string> CheckFitsImage(const LoggerSettings& settings) {
    if (settings.products.size() > kMaxProducts)
        return Tr(kTooManyProductsText);
    if (TableUsedBytes(settings.products) > static_cast<int>(kMaxProductTableBytes))
        return Tr(kAddOverCapacityText);

    std::optional<std::string> refusal;
    const auto check = [&refusal](const std::string& prefix, UiText field,
                                  const std::u16string& text, int units) {
        if (!refusal && text.size() > static_cast<std::size_t>(units))
            refusal = prefix + WithArguments(Tr("Settings", "%1 is longer than %2 characters"),
                                             {Tr(field), std::to_string(units)});
    };
    check("", title::kDeliveryCompany, settings.deliveryCompany, kCompanyTextUnits);
    check("", title::kReceivingCompany, settings.receivingCompany, kCompanyTextUnits);
    check("", title::kTransportCompany, settings.transportCompany, kCompanyTextUnits);
    check("", title::kTransportNumber, settings.transportNumber, kTransportNumberTextUnits);
    for (const ProductRecord& product : settings.products) {
        const std::string which =
            WithArguments(Tr("Settings", "Product %1: "), {std::to_string(product.id)});
        check(which, title::kUnit, product.unit, kUnitFieldUnits);
        if (!refusal && (product.quantity < 0 || product.quantity > kMaxQuantity))
            refusal = which + WithArguments(Tr("Settings", "%1 must be between 0 and %2"),
                                            {Tr(title::kQuantity), std::to_string(kMaxQuantity)});
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
