#include "config/settings_write.h"

#include "config/field_limits.h"
#include "config/product_list.h"
#include "record/product_record.h"

namespace velka {

std::optional<std::string> CheckRequiredFields(const LoggerSettings& settings) {
    if (settings.products.empty())
        return kNoProductText;
    if (settings.deliveryCompany.empty())
        return "Please input Delivery Company";
    if (settings.receivingCompany.empty())
        return "Please input Receiving Company";
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
    check("", "Delivery Company", settings.deliveryCompany, kCompanyTextUnits);
    check("", "Receiving Company", settings.receivingCompany, kCompanyTextUnits);
    check("", "Transport Company", settings.transportCompany, kCompanyTextUnits);
    check("", "Transport Number", settings.transportNumber, kTransportNumberTextUnits);
    for (const ProductRecord& product : settings.products) {
        const std::string which = "Product " + std::to_string(product.id) + ": ";
        check(which, "Unit", product.unit, kUnitFieldUnits);
        if (!refusal && (product.quantity < 0 || product.quantity > kMaxQuantity))
            refusal = which + "Quantity must be between 0 and " + std::to_string(kMaxQuantity);
        check(which, "Number", product.number, kProductFieldUnits);
        check(which, "Product Name", product.name, kProductFieldUnits);
        check(which, "Specification Model", product.spec, kProductFieldUnits);
        check(which, "Shipment Number", product.shipment, kProductFieldUnits);
        check(which, "Product Batch Number", product.batch, kBatchFieldUnits);
    }
    return refusal;
}

void ApplySettingsToImage(const LoggerSettings& settings, LoggerImage& image,
                          const ReferenceTable& currentTable, std::int64_t now) {
    EncodeSettings(settings, image, currentTable, now);
    StoreProductTable(settings.products, image);
}

}  // namespace velka
