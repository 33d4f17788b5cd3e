#pragma once
// The products of the parameter page: in the order they were added, at most ten, at most 1,374
// bytes of table entries (EntrySize), each with an id 1…10 unique in the list. Every change is
// checked against both bounds before it is made; a refused change leaves the list as it was.

#include "record/product_record.h"
#include "services/message_service.h"
#include "services/translation.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velka {

inline constexpr UiText kTooManyProductsText =
    VELKA_TEXT("Products", "Product Information Upper Limit is 10, reach the upper limit!");
inline constexpr UiText kNoProductText = VELKA_TEXT("Products", "Please Add Product Information");
inline constexpr UiText kAddOverCapacityText =
    VELKA_TEXT("Products", "Add Failed - Overrun the capacity");

// What the user is told after a change of the list.
struct UserMessage {
    std::string text;
    MessageIcon icon = MessageIcon::Information;

    bool operator==(const UserMessage&) const = default;
};

class ProductList {
public:
    const std::vector<ProductRecord>& Products() const { return products_; }
    int TableUsedBytes() const { return tableUsedBytes_; }
    const ProductRecord* Find(std::uint8_t id) const;

    // The products of a parsed table, as they are.
    void Assign(ParsedProducts parsed);

    // Refused, in the order the user meets them: an eleventh product (even without a name), a
    // product without a name, one that overruns the capacity. Otherwise the product gets the
    // smallest id no other uses and goes to the end of the list.
    UserMessage Add(ProductRecord product);
    // Removes the product with this id, if there is one; the others keep their order.
    void Remove(std::uint8_t id);
    // Replaces the product with this id in its place, unless that overruns the capacity (the
    // name may be empty here). Nothing when no product has the id.
    std::optional<UserMessage> Update(std::uint8_t id, ProductRecord product);

private:
    std::vector<ProductRecord>::const_iterator Locate(std::uint8_t id) const;
    std::uint8_t FreeId() const;

    std::vector<ProductRecord> products_;
    int tableUsedBytes_ = 0;
};

}  // namespace velka
