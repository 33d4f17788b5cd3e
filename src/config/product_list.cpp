#include "config/product_list.h"

#include "config/blank_text.h"

#include <algorithm>

namespace velka {
namespace {

constexpr int kCapacityBytes = static_cast<int>(kMaxProductTableBytes);

UserMessage Info(std::string text) {
    return {std::move(text), MessageIcon::Information};
}
UserMessage Warning(std::string text) {
    return {std::move(text), MessageIcon::Warning};
}
UserMessage Error(std::string text) {
    return {std::move(text), MessageIcon::Error};
}

}  // namespace

const ProductRecord* ProductList::Find(std::uint8_t id) const {
    const auto found = Locate(id);
    return found != products_.end() ? &*found : nullptr;
}

std::vector<ProductRecord>::const_iterator ProductList::Locate(std::uint8_t id) const {
    return std::find_if(products_.begin(), products_.end(),
                        [id](const ProductRecord& record) { return record.id == id; });
}

void ProductList::Assign(ParsedProducts parsed) {
    products_ = std::move(parsed.products);
    tableUsedBytes_ = parsed.tableUsedBytes;
}

UserMessage ProductList::Add(ProductRecord product) {
    if (products_.size() >= kMaxProducts)
        return Warning(Tr(kTooManyProductsText));
    if (IsBlankText(product.name))
        return Warning(Tr(kNoProductText));
    product.id = FreeId();
    const int newTotal = tableUsedBytes_ + EntrySize(product);
    if (newTotal > kCapacityBytes)
        return Error(Tr(kAddOverCapacityText));
    tableUsedBytes_ = newTotal;
    products_.push_back(std::move(product));
    return Info(Tr("Products", "Add Success"));
}

void ProductList::Remove(std::uint8_t id) {
    const auto found = Locate(id);
    if (found == products_.end())
        return;
    tableUsedBytes_ -= EntrySize(*found);
    products_.erase(found);
}

std::optional<UserMessage> ProductList::Update(std::uint8_t id, ProductRecord product) {
    const auto found = Locate(id);
    if (found == products_.end())
        return std::nullopt;
    product.id = id;
    const int newTotal = tableUsedBytes_ - EntrySize(*found) + EntrySize(product);
    if (newTotal > kCapacityBytes)
        return Error(Tr("Products", "Update FAILED - Overrun Capacity!"));
    products_[static_cast<std::size_t>(found - products_.begin())] = std::move(product);
    tableUsedBytes_ = newTotal;
    return Info(Tr("Products", "Update success"));
}

std::uint8_t ProductList::FreeId() const {
    std::uint8_t id = 1;
    while (Find(id) != nullptr)
        ++id;
    return id;
}

}  // namespace velka
