#include "config/settings_write.h"

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
        {"Delivery Company", &settings.deliveryCompany},
        {"Receiving Company", &settings.receivingCompany},
        {"Transport Company", &settings.transportCompany},
        {"Transport Number", &settings.transportNumber},
    };
    for (const auto& [label, text] : texts) {
        if (holdsNul(*text))
            return std::string(label) + " must not hold a NUL character";
    }
    for (const ProductRecord& product : settings.products) {
        const std::pair<const char*, const std::u16string*> productTexts[] = {
            {"Number", &product.number},
            {"Product Name", &product.name},
            {"Specification Model", &product.spec},
            {"Shipment Number", &product.shipment},
            {"Product Batch Number", &product.batch},
            {"Unit", &product.unit},
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
        return "Please Add Product Information";
    if (settings.deliveryCompany.empty())
        return "Please input Delivery Company";
    if (settings.receivingCompany.empty())
        return "Please input Receiving Company";
    return std::nullopt;
}

std::optional<std::string> CheckFitsImage(const LoggerSettings& settings) {
    if (settings.products.size() > kMaxProducts)
        return "Product Information Upper Limit is 10, reach the upper limit!";
    if (TableUsedBytes(settings.products) > static_cast<int>(kMaxProductTableBytes))
        return "Add Failed - Overrun the capacity";

    const auto tooLong = [](const std::u16string& text, std::size_t units) {
        return text.size() > units;
    };
    if (tooLong(settings.deliveryCompany, kCompanySlotBytes / 2))
        return "Delivery Company is longer than 20 characters";
    if (tooLong(settings.receivingCompany, kCompanySlotBytes / 2))
        return "Receiving Company is longer than 20 characters";
    if (tooLong(settings.transportCompany, kCompanySlotBytes / 2))
        return "Transport Company is longer than 20 characters";
    if (tooLong(settings.transportNumber, kTransportNumberSlotBytes / 2))
        return "Transport Number is longer than 10 characters";
    for (const ProductRecord& product : settings.products) {
        const std::string which = "Product " + std::to_string(product.id) + ": ";
        if (tooLong(product.unit, kUnitStoredUnits))
            return which + "Unit is longer than 2 characters";
        if (product.quantity < 0 || product.quantity > 65535)
            return which + "Quantity must be between 0 and 65535";
        if (tooLong(product.number, kProductTextUnits))
            return which + "Number is longer than 20 characters";
        if (tooLong(product.name, kProductTextUnits))
            return which + "Product Name is longer than 20 characters";
        if (tooLong(product.spec, kProductTextUnits))
            return which + "Specification Model is longer than 20 characters";
        if (tooLong(product.shipment, kProductTextUnits))
            return which + "Shipment Number is longer than 20 characters";
        if (tooLong(product.batch, kBatchTextUnits))
            return which + "Product Batch Number is longer than 16 characters";
    }
    return std::nullopt;
}

void ApplySettingsToImage(const LoggerSettings& settings, LoggerImage& image,
                          const ReferenceTable& currentTable, std::int64_t now) {
    EncodeSettings(settings, image, currentTable, now);
    StoreProductTable(settings.products, image);
}

std::uint8_t AlarmDelayCount(int alarmDelaySeconds, int logIntervalSeconds) {
    if (logIntervalSeconds <= 0)
        return 0;
    return static_cast<std::uint8_t>(alarmDelaySeconds / logIntervalSeconds);
}

}  // namespace velka
