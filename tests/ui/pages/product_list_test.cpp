// The product information list driven through the page: the bounds of ten products and 1,374
// bytes, the ids, ticking rows, and the messages of Add, Delete and Update. The list's model is
// checked by QAbstractItemModelTester throughout.

#include "page_fixture.h"

#include <QAbstractItemModelTester>
#include <QStyleOptionViewItem>

namespace velka::testing {
namespace {

using Texts = std::vector<std::string>;

const std::string kAdded = "Info: Add Success";
const std::string kOverrun = "Error: Add Failed - Overrun the capacity";

class ProductList : public PageTest {
protected:
    void SetUp() override {
        Start(PageTestImage());
        tester_ = std::make_unique<QAbstractItemModelTester>(
            &Products(), QAbstractItemModelTester::FailureReportingMode::Fatal);
        Arrive();
    }

    // Fills the product fields (texts of the given lengths, of the name's first letter) and
    // clicks Add; the message shown.
    std::string Add(const QString& name, int number = 0, int spec = 0, int shipment = 0,
                    int batch = 0) {
        const QChar letter = name.isEmpty() ? u'x' : name[0];
        Retype("productNameField", name);
        Retype("numberField", QString(number, letter));
        Retype("specificationModelField", QString(spec, letter));
        Retype("shipmentNumberField", QString(shipment, letter));
        Retype("productBatchNumberField", QString(batch, letter));
        Click("addButton");
        const Texts shown = Messages();
        return shown.size() == 1 ? shown[0] : std::to_string(shown.size()) + " messages";
    }

    // "id name" of every row in order, a star after a ticked row, brackets around the selected.
    std::string Rows() const {
        std::string rows;
        for (int row = 0; row < Products().rowCount(); ++row) {
            const QModelIndex first = Products().index(row, 0);
            std::string text = std::to_string(first.data(ProductListModel::kIdRole).toInt()) + " " +
                               Products().index(row, 1).data().toString().toStdString();
            if (first.data(Qt::CheckStateRole).toInt() == Qt::Checked)
                text += "*";
            if (Get<QTableView>("productList").selectionModel()->isRowSelected(row))
                text = "[" + text + "]";
            rows += (row ? ", " : "") + text;
        }
        return rows;
    }

    void ClickCheckBox(int row) {
        auto& list = Get<QTableView>("productList");
        QStyleOptionViewItem option;
        option.initFrom(list.viewport());
        option.rect = list.visualRect(Products().index(row, 0));
        option.features =
            QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
        const QRect box =
            list.style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &list);
        ClickPage(list.viewport()->mapTo(page.get(), box.center()));
    }

private:
    std::unique_ptr<QAbstractItemModelTester> tester_;
};

TEST_F(ProductList, IdsMessagesAndTheTenProductBound) {
    EXPECT_EQ(Rows(), "1 Influenza vaccine, 2 Insulin glargine, 3 Diagnostic reagent");
    EXPECT_EQ(Add(""), "Warning: Please Add Product Information");
    // Deleting id 2 frees it: the next product takes it, at the end of the list.
    DoubleClickRow(1);
    Click("deleteButton");
    EXPECT_EQ(Add("Serum"), kAdded);
    EXPECT_EQ(Rows(), "1 Influenza vaccine, 3 Diagnostic reagent, 2 Serum");
    // Delete with no ticked row changes and shows nothing; Update warns.
    Click("deleteButton");
    Click("updateButton");
    EXPECT_EQ(Messages(), Texts{"Warning: Please select Product Information first"});
    EXPECT_EQ(Rows(), "1 Influenza vaccine, 3 Diagnostic reagent, 2 Serum");
    for (int n = 4; n <= 10; ++n)
        EXPECT_EQ(Add(QString("P%1").arg(n)), kAdded);
    // The eleventh is refused before its empty name is looked at.
    EXPECT_EQ(Add(""), "Warning: Product Information Upper Limit is 10, reach the upper limit!");
    EXPECT_EQ(Products().rowCount(), 10);
}

TEST_F(ProductList, CapacityOf1374BytesCountsEveryEntry) {
    for (int rows = 3; rows > 0; --rows) {
        DoubleClickRow(0);
        Click("deleteButton");
    }
    // Entries of 18 + 2 x 96 units = 210 bytes: the seventh overruns (6 x 210 = 1,260).
    for (int n = 0; n < 6; ++n)
        EXPECT_EQ(Add(QString(20, QChar(u'a' + n)), 20, 20, 20, 16), kAdded);
    EXPECT_EQ(Add(QString(20, u'g'), 20, 20, 20, 16), kOverrun);
    // 1,260 + 116 is two bytes too many; 1,260 + 114 fills the table exactly.
    EXPECT_EQ(Add(QString(20, u'h'), 20, 9), kOverrun);
    EXPECT_EQ(Add(QString(20, u'i'), 20, 8), kAdded);
    ASSERT_EQ(Products().rowCount(), 7);

    // Lengthening the last one would overrun: refused, the list as it was.
    DoubleClickRow(6);
    Retype("specificationModelField", QString(9, u'i'));
    Click("updateButton");
    EXPECT_EQ(Messages(), Texts{"Error: Update FAILED - Overrun Capacity!"});
    EXPECT_EQ(Products().index(6, 2).data().toString(), QString(8, u'i'));
    // Shortening the first frees 190 bytes, which the next Add may take.
    DoubleClickRow(0);
    for (const char* field : {"numberField", "specificationModelField", "shipmentNumberField",
                              "productBatchNumberField"})
        Retype(field, "");
    Retype("productNameField", "S");
    Click("updateButton");
    EXPECT_EQ(Messages(), Texts{"Info: Update success"});
    EXPECT_EQ(Products().index(0, 1).data().toString(), "S");
    EXPECT_EQ(Add(QString(20, u'j'), 20, 20, 20, 7), kOverrun);
    EXPECT_EQ(Add(QString(20, u'k'), 20, 20, 20, 6), kAdded);
}

TEST_F(ProductList, AtMostOneRowIsTickedAndItsProductFillsTheFields) {
    ClickCheckBox(0);
    EXPECT_EQ(Rows(), "[1 Influenza vaccine*], 2 Insulin glargine, 3 Diagnostic reagent");
    ClickCheckBox(2);
    EXPECT_EQ(Rows(), "1 Influenza vaccine, 2 Insulin glargine, [3 Diagnostic reagent*]");
    QString fields;
    for (const char* field :
         {"numberField", "productNameField", "specificationModelField", "productBatchNumberField",
          "shipmentNumberField", "quantityField", "unitField"})
        fields += Text(field) + "|";
    EXPECT_EQ(fields, "RG-118|Diagnostic reagent|2-8 C kit|R55-07|SH-77813|25|kg|");
    // Unticking takes the selection away and leaves the fields.
    ClickCheckBox(2);
    EXPECT_EQ(Rows(), "1 Influenza vaccine, 2 Insulin glargine, 3 Diagnostic reagent");
    EXPECT_EQ(Text("productNameField"), "Diagnostic reagent");
    // A double click ticks; the space bar unticks the current row.
    DoubleClickRow(1);
    EXPECT_EQ(Rows(), "1 Influenza vaccine, [2 Insulin glargine*], 3 Diagnostic reagent");
    EXPECT_EQ(Text("productNameField"), "Insulin glargine");
    QTest::keyClick(&Get("productList"), Qt::Key_Space);
    EXPECT_EQ(Rows(), "1 Influenza vaccine, 2 Insulin glargine, 3 Diagnostic reagent");
    // The validity shows as a date.
    EXPECT_EQ(Products().index(2, 4).data().toString(), "2027-06-01");
}

}  // namespace
}  // namespace velka::testing
