#pragma once
// The product information of the parameter page: the product fields, the list with one check
// box per row, and the Add, Delete and Update buttons, over the page's ProductList. Ticking a
// row (or double-clicking it) copies its product into the fields; Add, Delete and Update act on
// the fields and the first ticked row.

#include "config/product_list.h"
#include "services/message_service.h"
#include "ui/models/product_list_model.h"

#include <QObject>
#include <cstdint>
#include <vector>

class QDateTimeEdit;
class QLineEdit;
class QPushButton;
class QTableView;

namespace velka {

class CNumEdit;

class ProductEditor final : public QObject {
public:
    // Builds the controls on `page`; the Period of validity starts at `now`. Dates in `forms`.
    ProductEditor(QWidget& page, MessageService& messages, std::int64_t now,
                  const ShownForms& forms);

    const ProductList& List() const { return list_; }
    // The products of the image as the session parsed them; no row ticked.
    void LoadProducts(const std::vector<ProductRecord>& products, int tableUsedBytes);
    // Empties the texts of the product fields; the list stays.
    void ClearFields();
    // The controls that the lock rule disables.
    std::vector<QWidget*> EditingControls() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ProductRecord RecordFromFields() const;
    void ShowInFields(const ProductRecord& product);
    void Rebuild();
    void Add();
    void Delete();
    void Update();
    void TickChanged(int row, bool ticked);

    MessageService& messages_;
    ProductList list_;
    ProductListModel model_;

    QLineEdit* number_;
    QLineEdit* name_;
    QLineEdit* spec_;
    QLineEdit* batch_;
    QLineEdit* shipment_;
    CNumEdit* quantity_;
    QLineEdit* unit_;
    QDateTimeEdit* validity_;
    QTableView* view_;
    QPushButton* add_;
    QPushButton* delete_;
    QPushButton* update_;
};

}  // namespace velka
