// The product information list driven through the page: the bounds of ten products and 1,374
// bytes, the ids, ticking rows, and the messages of Add, Delete and Update. The list's model is
// checked by QAbstractItemModelTester throughout.

#include "page_fixture.h"

#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QTest>

namespace velka::testing {
namespace {

class ProductList : public PageTest {
protected:
    void SetUp() override {
        Start(PageTestImage());
        tester_ = std::make_unique<QAbstractItemModelTester>(
            List().model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    }

    QTableView& List() const { return Get<QTableView>("productList"); }

    // Fills the product fields (texts of the given lengths made of the name's first letter)
    // and clicks Add; the message shown.
    std::string Add(const QString& name, int numberUnits = 0, int specUnits = 0,
                    int shipmentUnits = 0, int batchUnits = 0) {
        const QChar letter = name.isEmpty() ? QChar(u'x') : name[0];
        Retype("productNameField", name);
        Retype("numberField", QString(numberUnits, letter));
        Retype("specificationModelField", QString(specUnits, letter));
        Retype("shipmentNumberField", QString(shipmentUnits, letter));
        Retype("productBatchNumberField", QString(batchUnits, letter));
        Click("addButton");
        const std::vector<std::string> shown = Messages();
        return shown.size() == 1 ? shown[0] : "(" + std::to_string(shown.size()) + " messages)";
    }

    // "id name" of every row, in order; a star marks a ticked row.
    std::string Rows() const {
        std::string rows;
        for (int row = 0; row < List().model()->rowCount(); ++row) {
            const QModelIndex first = List().model()->index(row, 0);
            rows += (rows.empty() ? "" : ", ") +
                    std::to_string(first.data(ProductListModel::kIdRole).toInt()) + " " +
                    List().model()->index(row, 1).data().toString().toStdString() +
                    (first.data(Qt::CheckStateRole).toInt() == Qt::Checked ? "*" : "");
        }
        return rows;
    }

    void ClickCheckBox(int row) {
        QStyleOptionViewItem option;
        option.initFrom(List().viewport());
        option.rect = List().visualRect(List().model()->index(row, 0));
        option.features =
            QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
        const QRect box =
            List().style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &List());
        QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, box.center());
    }

    std::vector<int> SelectedRows() const {
        std::vector<int> rows;
        for (const QModelIndex& index : List().selectionModel()->selectedRows())
            rows.push_back(index.row());
        return rows;
    }

private:
    std::unique_ptr<QAbstractItemModelTester> tester_;
};

const std::string kAdded = "Info: Add Success";
const std::string kOverrun = "Error: Add Failed - Overrun the capacity";

TEST_F(ProductList, IdsMessagesAndTheTenProductBound) {
    Arrive();
    EXPECT_EQ(Rows(), "1 Influenza vaccine, 2 Insulin glargine, 3 Diagnostic reagent");
    EXPECT_EQ(Add(""), "Warning: Please Add Product Information");
    // Deleting id 2 frees it: the next product takes it, at the end of the list.
    DoubleClickRow(1);
    EXPECT_EQ(Rows(), "1 Influenza vaccine, 2 Insulin glargine*, 3 Diagnostic reagent");
    Click("deleteButton");
    EXPECT_EQ(Add("Serum"), kAdded);
    EXPECT_EQ(Rows(), "1 Influenza vaccine, 3 Diagnostic reagent, 2 Serum");
    // Delete with no ticked row changes and shows nothing; Update warns.
    Click("deleteButton");
    Click("updateButton");
    EXPECT_EQ(Messages(),
              std::vector<std::string>{"Warning: Please select Product Information first"});
    EXPECT_EQ(Rows(), "1 Influenza vaccine, 3 Diagnostic reagent, 2 Serum");
    for (int n = 4; n <= 10; ++n)
        EXPECT_EQ(Add(QString("P%1").arg(n)), kAdded);
    EXPECT_EQ(List().model()->rowCount(), 10);
    // The eleventh is refused before its empty name is looked at.
    EXPECT_EQ(Add(""), "Warning: Product Information Upper Limit is 10, reach the upper limit!");
    EXPECT_EQ(List().model()->rowCount(), 10);
}

TEST_F(ProductList, CapacityOf1374BytesCountsEveryEntry) {
    // Entries of 18 + 2 x 96 units = 210 bytes: the seventh overruns (6 x 210 = 1,260).
    for (int n = 0; n < 6; ++n)
        EXPECT_EQ(Add(QString(20, QChar(u'a' + n)), 20, 20, 20, 16), kAdded);
    EXPECT_EQ(Add(QString(20, u'g'), 20, 20, 20, 16), kOverrun);
    // 1,260 + 116 is two bytes too many; 1,260 + 114 fills the table exactly.
    EXPECT_EQ(Add(QString(20, u'h'), 20, 9), kOverrun);
    EXPECT_EQ(Add(QString(20, u'i'), 20, 8), kAdded);
    ASSERT_EQ(List().model()->rowCount(), 7);

    // Lengthening the last one would overrun: refused, the list as it was.
    DoubleClickRow(6);
    Retype("specificationModelField", QString(9, u'i'));
    Click("updateButton");
    EXPECT_EQ(Messages(), std::vector<std::string>{"Error: Update FAILED - Overrun Capacity!"});
    EXPECT_EQ(List().model()->index(6, 2).data().toString(), QString(8, u'i'));
    // Shortening the first frees 190 bytes, which the next Add may take.
    DoubleClickRow(0);
    Retype("productNameField", "S");
    for (const char* field : {"numberField", "specificationModelField", "shipmentNumberField",
                              "productBatchNumberField"})
        Retype(field, "");
    Click("updateButton");
    EXPECT_EQ(Messages(), std::vector<std::string>{"Info: Update success"});
    EXPECT_EQ(List().model()->index(0, 1).data().toString(), "S");
    EXPECT_EQ(Add(QString(20, u'j'), 20, 20, 20, 7), kOverrun);
    EXPECT_EQ(Add(QString(20, u'k'), 20, 20, 20, 6), kAdded);
}

TEST_F(ProductList, AtMostOneRowIsTickedAndItsProductFillsTheFields) {
    Arrive();
    ClickCheckBox(0);
    EXPECT_EQ(Rows(), "1 Influenza vaccine*, 2 Insulin glargine, 3 Diagnostic reagent");
    EXPECT_EQ(SelectedRows(), std::vector<int>{0});
    EXPECT_EQ(Text("productNameField"), "Influenza vaccine");
    ClickCheckBox(2);
    EXPECT_EQ(Rows(), "1 Influenza vaccine, 2 Insulin glargine, 3 Diagnostic reagent*");
    EXPECT_EQ(SelectedRows(), std::vector<int>{2});
    const std::pair<const char*, const char*> fields[] = {
        {"numberField", "RG-118"},
        {"productNameField", "Diagnostic reagent"},
        {"specificationModelField", "2-8 C kit"},
        {"productBatchNumberField", "R55-07"},
        {"shipmentNumberField", "SH-77813"},
        {"quantityField", "25"},
        {"unitField", "kg"}};
    for (const auto& [field, text] : fields)
        EXPECT_EQ(Text(field), text) << field;
    // Unticking takes the selection away and leaves the fields.
    ClickCheckBox(2);
    EXPECT_EQ(Rows(), "1 Influenza vaccine, 2 Insulin glargine, 3 Diagnostic reagent");
    EXPECT_TRUE(SelectedRows().empty());
    EXPECT_EQ(Text("productNameField"), "Diagnostic reagent");
    // A double click ticks; the space bar unticks the current row.
    DoubleClickRow(1);
    EXPECT_EQ(Rows(), "1 Influenza vaccine, 2 Insulin glargine*, 3 Diagnostic reagent");
    EXPECT_EQ(Text("productNameField"), "Insulin glargine");
    QTest::keyClick(&List(), Qt::Key_Space);
    EXPECT_EQ(Rows(), "1 Influenza vaccine, 2 Insulin glargine, 3 Diagnostic reagent");
    // Headings and widths as the user sees them.
    QStringList headings;
    for (int column = 0; column < List().model()->columnCount(); ++column) {
        headings << List().model()->headerData(column, Qt::Horizontal).toString() + "/" +
                        QString::number(List().columnWidth(column));
    }
    EXPECT_EQ(headings.join(", ").toStdString(),
              "     Number/100, Product Name/150, Specification Model/150, "
              "Product Batch Number/100, Period of validity/80, Unit/80, Quantity/80, "
              "Shipment Number/120");
    EXPECT_EQ(List().model()->index(2, 4).data().toString(), "2027-06-01");
}

}  // namespace
}  // namespace velka::testing
