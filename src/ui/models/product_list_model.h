#pragma once
// The product information list as an item model: one row per product in list order, eight
// columns, a check box in the first, at most one row ticked, each row carrying its product's id.
// The model is rebuilt whole after every change of the list, which leaves no row ticked.

#include "config/settings_titles.h"
#include "record/product_record.h"
#include "record/shown_forms.h"

#include <QAbstractTableModel>
#include <cstdint>
#include <optional>
#include <vector>

namespace velka {

struct ProductColumn {
    UiText heading;
    int widthPixels;
};

// The headings and widths of the eight columns (the first heading is shown after five spaces,
// which leave room for the check box).
inline constexpr ProductColumn kProductColumns[] = {
    {title::kProductNumber, 100}, {title::kProductName, 150},   {title::kSpecification, 150},
    {title::kBatchNumber, 100},   {title::kValidity, 80},       {title::kUnit, 80},
    {title::kQuantity, 80},       {title::kShipmentNumber, 120}};

class ProductListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    // The id of the row's product.
    static constexpr int kIdRole = Qt::UserRole;

    // The validity dates in `forms`.
    explicit ProductListModel(ShownForms forms = kFixedForms, QObject* parent = nullptr)
        : QAbstractTableModel(parent), forms_(std::move(forms)) {}

    // One row per product, in order, none ticked.
    void Rebuild(const std::vector<ProductRecord>& products);

    // The first ticked row from the top, if any.
    std::optional<int> TickedRow() const { return tickedRow_; }
    std::uint8_t IdAt(int row) const;
    // Ticks or unticks a row; ticking unticks every other row first.
    void SetTicked(int row, bool ticked);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    // The row's tick changed; after a tick the other rows are already unticked.
    void tickChanged(int row, bool ticked);

private:
    bool IsRow(const QModelIndex& index) const;
    QString Text(const ProductRecord& product, int column) const;
    void EmitTickChanged(int row, bool ticked);

    std::vector<ProductRecord> products_;
    std::optional<int> tickedRow_;
    const ShownForms forms_;
};

}  // namespace velka
