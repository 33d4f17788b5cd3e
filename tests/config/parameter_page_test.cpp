// The parameter page driven through its controls: where the user finds them, what the lists
// show and store, the lock rule, the Write with its checks and its bytes (the same as
// velka-cli's for the same values), Load, the text limits, the quantity field and the spin
// buttons.

#include "cli_runner.h"
#include "page_fixture.h"
#include "storage/file_io.h"
#include "test_tables.h"

#include <QClipboard>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <nlohmann/json.hpp>

namespace velka::testing {
namespace {

using Json = nlohmann::json;

// Every control the lock rule disables.
const char* const kEditingControls[] = {"startDelayList",
                                        "upperLimitSpin",
                                        "lowerLimitSpin",
                                        "numberField",
                                        "productNameField",
                                        "specificationModelField",
                                        "productBatchNumberField",
                                        "shipmentNumberField",
                                        "quantityField",
                                        "unitField",
                                        "validityPicker",
                                        "productList",
                                        "deliveryCompanyField",
                                        "receivingCompanyField",
                                        "transportCompanyField",
                                        "transportNumberField",
                                        "deliveryDatePicker",
                                        "loadButton",
                                        "writeButton",
                                        "addButton",
                                        "deleteButton",
                                        "updateButton"};

class ParameterPage : public PageTest {
protected:
    // Which editing controls are enabled: all, none, or the names of a mixture.
    std::string Editing() const {
        std::vector<std::string> enabled;
        for (const char* name : kEditingControls) {
            if (Get<QWidget>(name).isEnabled())
                enabled.push_back(name);
        }
        if (enabled.empty())
            return "none";
        if (enabled.size() == std::size(kEditingControls))
            return "all";
        std::string mixture;
        for (const std::string& name : enabled)
            mixture += name + " ";
        return mixture;
    }

    QString Choice(const char* list) const { return Get<QComboBox>(list).currentText(); }

    void Step(const char* limitField, int target) {
        QLineEdit& field = Get<QLineEdit>(limitField);
        while (field.text().toInt() != target) {
            const int before = field.text().toInt();
            QTest::keyClick(&field, before < target ? Qt::Key_Up : Qt::Key_Down);
            ASSERT_NE(field.text().toInt(), before) << limitField;
        }
    }

    void DeleteAllProducts() {
        QTableView& list = Get<QTableView>("productList");
        for (int rows = list.model()->rowCount(); rows > 0; --rows) {
            DoubleClickRow(0);
            Click("deleteButton");
            ASSERT_EQ(list.model()->rowCount(), rows - 1);
        }
    }

    void FillRequiredFields() {
        Retype("productNameField", "Vaccine");
        Click("addButton");
        Retype("deliveryCompanyField", "Fjord Logistics");
        Retype("receivingCompanyField", "Ward 7");
        Messages();
    }

    std::filesystem::path StoreImage(const std::string& name, const LoggerImage& image) const {
        const std::filesystem::path path = root.Path() / name;
        EXPECT_FALSE(WriteFileAtomically(path, image));
        return path;
    }

    bool SettingsAreaEquals(const LoggerImage& image) const {
        return std::equal(image.begin() + kSettingsBlockOffset, image.end(),
                          logger->Memory().begin() + kSettingsBlockOffset);
    }
};

TEST_F(ParameterPage, ControlsSitWhereTheUserLooksAndLabelsFit) {
    Start(PageTestImage());
    EXPECT_EQ(page->size(), QSize(860, 700));

    std::vector<std::string> labels;
    std::vector<std::pair<QRect, QString>> seen;  // what the user sees of each control
    for (QWidget* child : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QRect area = child->geometry();
        QString name = child->objectName();
        if (const auto* label = qobject_cast<QLabel*>(child)) {
            name = label->text();
            labels.push_back(name.toStdString());
            const QSize text(label->fontMetrics().horizontalAdvance(name),
                             label->fontMetrics().height());
            EXPECT_LE(text.width(), area.width()) << name.toStdString();
            EXPECT_LE(text.height(), area.height()) << name.toStdString();
            area = QStyle::alignedRect(Qt::LeftToRight, label->alignment(), text, area);
        }
        EXPECT_TRUE(page->rect().contains(area)) << name.toStdString();
        for (const auto& [other, otherName] : seen)
            EXPECT_FALSE(area.intersects(other))
                << name.toStdString() << " overlaps " << otherName.toStdString();
        seen.emplace_back(area, name);
    }
    std::sort(labels.begin(), labels.end());
    std::vector<std::string> expected = {"Parameter setting",
                                         "Device S/N",
                                         "Start Delay",
                                         "Upper Limit Alarm",
                                         "Log Interval",
                                         "Shutdown Mode",
                                         "Alarm Delay",
                                         "Lower Limit Alarm",
                                         "Log Cycle",
                                         "℃",
                                         "℃",
                                         "day",
                                         "Product Information",
                                         "Number",
                                         "*Product Name",
                                         "Specification Model",
                                         "Product Batch Number",
                                         "Shipment Number",
                                         "Quantity",
                                         "Unit",
                                         "Period of validity",
                                         "Transport Information",
                                         "*Delivery Company",
                                         "*Receiving Company",
                                         "Transport Company",
                                         "Transport Number",
                                         "Date Of Delivery",
                                         "* For Required Projects"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(labels, expected);

    if (const QByteArray render = qgetenv("VELKA_PAGE_RENDER"); !render.isEmpty()) {
        Arrive();
        page->grab().save(QString::fromLocal8Bit(render));
    }

    // A click at a point of the page reaches the control the Part places there.
    const std::pair<QPoint, const char*> points[] = {{{287, 23}, "serialField"},
                                                     {{287, 53}, "startDelayList"},
                                                     {{278, 83}, "upperLimitField"},
                                                     {{321, 77}, "upperLimitSpin"},
                                                     {{287, 113}, "logIntervalList"},
                                                     {{527, 23}, "shutdownModeField"},
                                                     {{527, 53}, "alarmDelayList"},
                                                     {{561, 89}, "lowerLimitSpin"},
                                                     {{527, 113}, "logCycleField"},
                                                     {{340, 153}, "numberField"},
                                                     {{340, 261}, "shipmentNumberField"},
                                                     {{235, 288}, "quantityField"},
                                                     {{340, 288}, "unitField"},
                                                     {{530, 288}, "validityPicker"},
                                                     {{522, 172}, "addButton"},
                                                     {{522, 212}, "deleteButton"},
                                                     {{522, 252}, "updateButton"},
                                                     {{465, 420}, "productList"},
                                                     {{375, 545}, "receivingCompanyField"},
                                                     {{375, 599}, "transportNumberField"},
                                                     {{375, 626}, "deliveryDatePicker"},
                                                     {{320, 665}, "writeButton"},
                                                     {{410, 665}, "loadButton"}};
    for (const auto& [point, name] : points) {
        QWidget* hit = page->childAt(point);
        while (hit != nullptr && hit->parentWidget() != page.get())
            hit = hit->parentWidget();
        ASSERT_NE(hit, nullptr) << name;
        EXPECT_EQ(hit->objectName().toStdString(), name) << point.x() << "," << point.y();
    }
    // And the window system's routing of a real click gets there too.
    QTest::mouseClick(page->windowHandle(), Qt::LeftButton, {}, {410, 665});
    EXPECT_EQ(dialogCount, 1);
    const int upper = Text("upperLimitField").toInt();
    QTest::mouseClick(page->windowHandle(), Qt::LeftButton, {}, {321, 76});
    EXPECT_EQ(Text("upperLimitField").toInt(), upper + 1);
}

TEST_F(ParameterPage, NewPageShowsTheInitialChoicesAndObeysTheLockSetting) {
    struct Case {
        int checkWpEnable;
        std::string editing;
        bool alarmDelayEnabled;
    };
    for (const Case& c : {Case{0, "all", true}, Case{1, "none", false}, Case{2, "all", false}}) {
        Start(PageTestImage(), c.checkWpEnable);
        SCOPED_TRACE(c.checkWpEnable);
        QStringList items;
        for (const char* list : {"startDelayList", "alarmDelayList", "logIntervalList"}) {
            for (int i = 0; i < Get<QComboBox>(list).count(); ++i)
                items << Get<QComboBox>(list).itemText(i);
        }
        EXPECT_EQ(items.join(' ').toStdString(),
                  "0min 5min 10min 20min 30min 0min 5min 10min 20min 30min "
                  "30sec 1min 5min 10min 30min");
        EXPECT_EQ(Choice("startDelayList"), "10min");
        EXPECT_EQ(Choice("alarmDelayList"), "30min");
        EXPECT_EQ(Choice("logIntervalList"), "30sec");
        EXPECT_EQ(Editing(), c.editing);
        EXPECT_EQ(Get<QWidget>("alarmDelayList").isEnabled(), c.alarmDelayEnabled);
        EXPECT_FALSE(Get<QWidget>("logIntervalList").isEnabled());
        for (const char* shown : {"serialField", "shutdownModeField", "logCycleField"}) {
            EXPECT_FALSE(Get<QWidget>(shown).isEnabled()) << shown;
            EXPECT_TRUE(Get<QLineEdit>(shown).isReadOnly()) << shown;
        }
        EXPECT_EQ(Text("upperLimitField"), "30");
        EXPECT_EQ(Text("lowerLimitField"), "0");
        EXPECT_EQ(Text("shutdownModeField"), "Manual");
        EXPECT_EQ(Text("logCycleField"), "");
        // The system locale's short date (en_US here), with four year digits for the delivery.
        EXPECT_EQ(Get<QDateTimeEdit>("deliveryDatePicker").text(), "12/9/2025");
        EXPECT_EQ(Get<QDateTimeEdit>("validityPicker").text(), "12/9/25");
        EXPECT_EQ(Get<QTableView>("productList").model()->rowCount(), 0);
    }
}

TEST_F(ParameterPage, LockRuleFollowsTheLoggerThatWasRead) {
    struct Case {
        int checkWpEnable;
        std::uint8_t loggerFlag;
        std::uint8_t storedFlag;  // of a recording loaded from the history and imported
        std::string afterRead;
        std::string afterRemoval;
    };
    for (const Case& c : {Case{1, 0, 1, "all", "none"}, Case{1, 1, 0, "none", "none"},
                          Case{3, 0, 1, "all", "none"}, Case{0, 1, 1, "all", "all"}}) {
        SCOPED_TRACE(std::to_string(c.checkWpEnable) + "/" + std::to_string(c.loggerFlag));
        Start(PageTestImage(c.loggerFlag), c.checkWpEnable);
        Arrive();
        EXPECT_EQ(Editing(), c.afterRead);
        const std::filesystem::path stored = StoreImage("stored.bin", PageTestImage(c.storedFlag));
        ASSERT_TRUE(controller->LoadStoredImage(stored));
        EXPECT_EQ(Editing(), c.afterRead);
        if (c.afterRead == "all") {
            dialogAnswer = QString::fromStdString(stored.string());
            Click("loadButton");
            EXPECT_EQ(Editing(), c.afterRead);
        }
        EXPECT_EQ(Get<QWidget>("alarmDelayList").isEnabled(), c.checkWpEnable == 0);
        EXPECT_FALSE(Get<QWidget>("logIntervalList").isEnabled());
        logger->Unplug();
        controller->HandleRemoval(EmulatedLogger::kDevicePath);
        EXPECT_EQ(Editing(), c.afterRemoval);
    }
}

TEST_F(ParameterPage, WriteWhileTheLockRuleLocksWritesNothing) {
    // A setting other than 1 leaves the page open until the rule first runs; the Write runs it:
    // the logger is plugged in but has not been read.
    const LoggerImage memory = PageTestImage();
    Start(memory, 2);
    FillRequiredFields();
    Click("writeButton");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(logger->Memory(), memory);
    EXPECT_EQ(controller->Image(), LoggerImage{});
    EXPECT_EQ(Editing(), "none");
}

TEST_F(ParameterPage, WriteChecksProductsThenDeliveryThenReceivingCompany) {
    struct Case {
        bool products;
        const char* delivery;
        const char* receiving;
        std::string message;
    };
    for (const Case& c :
         {Case{false, "", "", "Warning: Please Add Product Information"},
          Case{true, "", "", "Warning: Please input Delivery Company"},
          Case{true, "Fjord", "", "Warning: Please input Receiving Company"},
          Case{false, "Fjord", "Ward 7", "Warning: Please Add Product Information"}}) {
        const LoggerImage memory = PageTestImage();
        Start(memory);
        Arrive();
        if (!c.products)
            DeleteAllProducts();
        Retype("deliveryCompanyField", c.delivery);
        Retype("receivingCompanyField", c.receiving);
        Click("writeButton");
        EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
        EXPECT_EQ(logger->Memory(), memory);
    }
}

TEST_F(ParameterPage, ListsShowStoredValuesByThresholdsAndWriteTheirChoices) {
    struct Case {
        std::uint16_t logInterval, startDelay;
        std::uint8_t alarmDelayCount;
        const char *interval, *start, *alarm, *cycle;
        const char* alarmChosen;  // the user's choice before the Write, if any
        std::uint16_t writtenInterval, writtenStart;
        std::uint8_t writtenAlarmCount;
        const char* alarmReadBack;
    };
    const Case cases[] = {
        {45, 100, 40, "1min", "5min", "30min", "4", nullptr, 60, 300, 30, "30min"},
        {60, 301, 30, "1min", "10min", "30min", "6", "5min", 60, 600, 5, "5min"},
        {300, 2000, 6, "5min", "30min", "30min", "30", nullptr, 300, 1800, 6, "30min"},
        {30, 0, 0, "30sec", "0min", "0min", "3", nullptr, 30, 0, 0, "0min"},
        // Counted in whole intervals: ten minutes are no interval of thirty.
        {1800, 1200, 1, "30min", "20min", "30min", "180", "10min", 1800, 1200, 0, "0min"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.logInterval);
        LoggerImage memory = PageTestImage();
        WriteU16(memory, kLogIntervalOffset, c.logInterval);
        WriteU16(memory, kStartDelayOffset, c.startDelay);
        memory[kAlarmDelayCountOffset] = c.alarmDelayCount;
        Start(memory);
        Arrive();
        EXPECT_EQ(Choice("logIntervalList"), c.interval);
        EXPECT_EQ(Choice("startDelayList"), c.start);
        EXPECT_EQ(Choice("alarmDelayList"), c.alarm);
        EXPECT_EQ(Text("logCycleField"), c.cycle);
        if (c.alarmChosen)
            Choose("alarmDelayList", c.alarmChosen);
        Click("writeButton");
        EXPECT_EQ(Messages(), std::vector<std::string>{"Info: Write Success"});
        EXPECT_EQ(ReadU16(logger->Memory(), kLogIntervalOffset), c.writtenInterval);
        EXPECT_EQ(ReadU16(logger->Memory(), kStartDelayOffset), c.writtenStart);
        EXPECT_EQ(logger->Memory()[kAlarmDelayCountOffset], c.writtenAlarmCount);
        Arrive();
        EXPECT_EQ(Choice("alarmDelayList"), c.alarmReadBack);
        EXPECT_EQ(Choice("logIntervalList"), c.interval);
    }
}

TEST_F(ParameterPage, WriteStoresWhatVelkaCliStoresAndTheLoggerReadsItBack) {
    const LoggerImage memory = PageTestImage();
    const std::int64_t storedDelivery = ReadU32(memory, kDeliveryDateOffset);
    Start(memory);
    Arrive();

    Choose("startDelayList", "5min");
    Choose("alarmDelayList", "20min");
    Step("upperLimitField", 25);
    Step("lowerLimitField", -5);
    QTableView& list = Get<QTableView>("productList");
    DeleteAllProducts();
    const char* const names[] = {"Vaccine", "Insulin 冷链", "Reagent kit"};
    Json products = Json::array();
    for (int i = 0; i < 3; ++i) {
        const std::string n = std::to_string(i + 1);
        Retype("numberField", QString::fromStdString("N-" + n));
        Retype("productNameField", QString::fromUtf8(names[i]));
        Retype("specificationModelField", "10 ml");
        Retype("productBatchNumberField", QString::fromStdString("B" + n));
        Retype("shipmentNumberField", "SH-1");
        Retype("quantityField", QString::fromStdString(n + "00"));
        Retype("unitField", "kg");
        const QDate validity(2026, 6, i + 1);
        Get<QDateTimeEdit>("validityPicker").setDate(validity);
        Click("addButton");
        products.push_back(
            {{"number", "N-" + n},
             {"name", names[i]},
             {"spec", "10 ml"},
             {"batch", "B" + n},
             {"shipment", "SH-1"},
             {"quantity", (i + 1) * 100},
             {"unit", "kg"},
             {"validity", QDateTime(validity, QTime(11, 33, 20), Qt::UTC).toSecsSinceEpoch()}});
    }
    Retype("deliveryCompanyField", "Fjord Logistics");
    Retype("receivingCompanyField", "Ward 7");
    Retype("transportCompanyField", "Arctic Haul");
    Retype("transportNumberField", "AH-1234567");
    Get<QDateTimeEdit>("deliveryDatePicker").setDate(QDate(2025, 12, 24));
    const std::int64_t delivery =
        QDateTime(QDate(2025, 12, 24), QTime(0, 0), Qt::UTC).toSecsSinceEpoch() +
        storedDelivery % 86400;
    Messages();
    Click("writeButton");
    EXPECT_EQ(Messages(), std::vector<std::string>{"Info: Write Success"});

    // velka-cli on the image as read, with the same values.
    const Json settings = {{"logInterval", 300},
                           {"startDelay", 300},
                           {"alarmDelay", 1200},
                           {"upperLimit", 25},
                           {"lowerLimit", -5},
                           {"deliveryDate", delivery},
                           {"deliveryCompany", "Fjord Logistics"},
                           {"receivingCompany", "Ward 7"},
                           {"transportCompany", "Arctic Haul"},
                           {"transportNumber", "AH-1234567"},
                           {"products", products}};
    const std::string settingsPath = (root.Path() / "settings.json").string();
    ASSERT_FALSE(WriteFileAtomically(settingsPath, settings.dump()));
    const std::filesystem::path in = StoreImage("in.bin", memory);
    const std::string out = (root.Path() / "out.bin").string();
    const std::vector<std::string> globals = {"--data-root", (root.Path() / "cli").string(),
                                              "--reftable",  ReferenceFolder().string(),
                                              "--now",       std::to_string(kPageNow)};
    auto run = [&globals](std::vector<std::string> arguments) {
        arguments.insert(arguments.end(), globals.begin(), globals.end());
        return RunCli(arguments);
    };
    const CliResult applied = run({"apply-settings", in.string(), settingsPath, "--out", out});
    ASSERT_EQ(applied.exitCode, 0) << applied.err;
    LoggerImage cliImage{};
    ASSERT_TRUE(ReadImageFile(out, cliImage));
    EXPECT_TRUE(SettingsAreaEquals(cliImage));

    // The logger read again: the page shows what was written, as velka-cli decodes it.
    Arrive();
    const CliResult decoded = run({"decode", out});
    ASSERT_EQ(decoded.exitCode, 0) << decoded.err;
    const Json json = Json::parse(decoded.out);
    EXPECT_EQ(Choice("startDelayList"), "5min");
    EXPECT_EQ(Choice("alarmDelayList"), "20min");
    EXPECT_EQ(json["alarmDelayCount"], 4);
    EXPECT_EQ(Text("upperLimitField").toDouble(), json["upperLimit"].get<double>());
    EXPECT_EQ(Text("lowerLimitField").toDouble(), json["lowerLimit"].get<double>());
    EXPECT_GE(Text("upperLimitField").toInt(), 24);
    EXPECT_EQ(Text("deliveryCompanyField"), "Fjord Logistics");
    EXPECT_EQ(Text("transportNumberField"), "AH-1234567");
    EXPECT_EQ(Get<QDateTimeEdit>("deliveryDatePicker").dateTime().toSecsSinceEpoch(), delivery);
    EXPECT_EQ(json["deliveryDate"], delivery);
    ASSERT_EQ(list.model()->rowCount(), 3);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(list.model()->index(row, 1).data().toString().toStdString(), names[row]);
        EXPECT_EQ(json["products"][row]["name"], names[row]);
        EXPECT_EQ(json["products"][row]["id"], row + 1);
    }

    // A failed write keeps every field as the user left it.
    logger->Unplug();
    Retype("deliveryCompanyField", "Changed");
    Choose("startDelayList", "30min");
    Click("writeButton");
    EXPECT_EQ(Messages(), std::vector<std::string>{"Error: Write FAILED"});
    EXPECT_EQ(Text("deliveryCompanyField"), "Changed");
    EXPECT_EQ(Choice("startDelayList"), "30min");
    EXPECT_EQ(list.model()->rowCount(), 3);
}

TEST_F(ParameterPage, LoadTakesOverProductsAndTransportFromTheChosenFile) {
    Start(PageTestImage());
    Arrive();
    LoggerImage stored = PageTestImage();
    WriteSlotText(stored, kDeliveryCompanyOffset, kCompanySlotBytes, u"Imported AS");
    WriteU16(stored, kStartDelayOffset, 0);
    StoreProductTable({}, stored);
    const std::filesystem::path upperCase = StoreImage("OLD.BIN", stored);
    Choose("startDelayList", "20min");
    Retype("productNameField", "typed");

    struct Case {
        QString answer;
        int rows;
        const char* delivery;
    };
    for (const Case& c :
         {Case{"", 3, "Nordvik Pharma AS"},
          Case{QString::fromStdString((root.Path() / "none.bin").string()), 3, "Nordvik Pharma AS"},
          Case{QString::fromStdString(upperCase.string()), 0, "Imported AS"}}) {
        dialogAnswer = c.answer;
        Click("loadButton");
        EXPECT_EQ(dialogFolder.toStdString(), (root.Path() / "Data").string());
        EXPECT_EQ(dialogFilter, "BIN (*.bin)");
        EXPECT_EQ(Get<QTableView>("productList").model()->rowCount(), c.rows);
        EXPECT_EQ(Text("deliveryCompanyField"), c.delivery);
        // What the user chose and typed stays.
        EXPECT_EQ(Choice("startDelayList"), "20min");
        EXPECT_EQ(Text("productNameField"), "typed");
        EXPECT_EQ(Text("serialField"), "00C0FFEE");
    }
    EXPECT_TRUE(Messages().empty());
}

TEST_F(ParameterPage, ArrivalEmptiesTheTextsAndKeepsChoicesLimitsAndProducts) {
    Start(PageTestImage());
    Arrive();
    Choose("startDelayList", "0min");
    Step("upperLimitField", 40);
    Retype("numberField", "N-9");
    Retype("quantityField", "12");
    logger->Unplug();
    Arrive();
    for (const char* field :
         {"serialField", "logCycleField", "deliveryCompanyField", "receivingCompanyField",
          "transportCompanyField", "transportNumberField", "numberField", "quantityField"})
        EXPECT_EQ(Text(field), "") << field;
    EXPECT_EQ(Text("shutdownModeField"), "Manual");
    EXPECT_EQ(Choice("startDelayList"), "0min");
    EXPECT_EQ(Text("upperLimitField"), "40");
    EXPECT_EQ(Get<QTableView>("productList").model()->rowCount(), 3);
}

TEST_F(ParameterPage, TextsKeepToWhatTheImageHoldsWithTheCaretAtTheEnd) {
    const std::pair<const char*, int> fields[] = {{"numberField", 20},
                                                  {"productNameField", 20},
                                                  {"specificationModelField", 20},
                                                  {"productBatchNumberField", 16},
                                                  {"shipmentNumberField", 20},
                                                  {"unitField", 2},
                                                  {"deliveryCompanyField", 20},
                                                  {"receivingCompanyField", 20},
                                                  {"transportCompanyField", 20},
                                                  {"transportNumberField", 10}};
    Start(PageTestImage());
    for (const auto& [name, limit] : fields) {
        SCOPED_TRACE(name);
        QLineEdit& field = Get<QLineEdit>(name);
        Retype(name, QString(limit + 1, QChar(u'x')));
        EXPECT_EQ(field.text(), QString(limit, QChar(u'x')));
        EXPECT_EQ(field.cursorPosition(), limit);
        // A character typed in the middle pushes the last one out; the caret goes to the end.
        field.setCursorPosition(1);
        QTest::keyClicks(&field, "y");
        EXPECT_EQ(field.text(), "xy" + QString(limit - 2, QChar(u'x')));
        EXPECT_EQ(field.cursorPosition(), limit);
        // A character beyond the basic plane is never cut in half.
        Retype(name, QString(limit - 1, QChar(u'x')) + QString::fromUtf8("\U0001F9CA"));
        EXPECT_EQ(field.text(), QString(limit - 1, QChar(u'x')));
    }
}

TEST_F(ParameterPage, QuantityTakesDigitsUpTo65535) {
    Start(PageTestImage());
    QLineEdit& quantity = Get<QLineEdit>("quantityField");
    struct Case {
        QString keys;
        QString text;
    };
    for (const Case& c : {Case{"12a3", "123"}, Case{"-4.5 6", "456"}, Case{"65535", "65535"},
                          Case{"70000", "7000"}, Case{"65536", "6553"}, Case{"099999", "09999"}}) {
        Retype("quantityField", "");
        QTest::keyClicks(&quantity, c.keys);
        EXPECT_EQ(quantity.text(), c.text) << c.keys.toStdString();
    }
    // A digit that would pass the maximum is refused wherever it is typed; backspace deletes.
    Retype("quantityField", "6555");
    QTest::keyClick(&quantity, Qt::Key_Home);
    QTest::keyClicks(&quantity, "7");
    EXPECT_EQ(quantity.text(), "6555");
    QTest::keyClick(&quantity, Qt::Key_End);
    QTest::keyClick(&quantity, Qt::Key_Backspace);
    EXPECT_EQ(quantity.text(), "655");
    // The keyboard's paste shortcut does nothing; pasted text is filtered to its digits and cut
    // at the maximum, and the product takes what the field shows.
    QGuiApplication::clipboard()->setText("12a3");
    QTest::keyClick(&quantity, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(quantity.text(), "655");
    Retype("quantityField", "");
    quantity.paste();
    EXPECT_EQ(quantity.text(), "123");
    QGuiApplication::clipboard()->setText("70 000 kg");
    Retype("quantityField", "");
    quantity.paste();
    EXPECT_EQ(quantity.text(), "7000");
    EXPECT_EQ(quantity.cursorPosition(), 4);
    Retype("productNameField", "Vaccine");
    Click("addButton");
    EXPECT_EQ(Get<QTableView>("productList").model()->index(0, 6).data().toString(), "7000");
}

TEST_F(ParameterPage, SpinButtonsStepTheLimitsWithinMinus30To70) {
    Start(PageTestImage());
    QWidget& upperSpin = Get<QWidget>("upperLimitSpin");
    QWidget& lowerSpin = Get<QWidget>("lowerLimitSpin");
    const QPoint up(8, 5);
    const QPoint down(8, 17);
    QTest::mouseClick(&upperSpin, Qt::LeftButton, {}, up);
    QTest::mouseClick(&upperSpin, Qt::LeftButton, {}, up);
    EXPECT_EQ(Text("upperLimitField"), "32");
    QTest::mouseClick(&lowerSpin, Qt::LeftButton, {}, down);
    EXPECT_EQ(Text("lowerLimitField"), "-1");
    Step("upperLimitField", 70);
    QTest::keyClick(&Get<QLineEdit>("upperLimitField"), Qt::Key_Up);
    QTest::mouseClick(&upperSpin, Qt::LeftButton, {}, up);
    EXPECT_EQ(Text("upperLimitField"), "70");
    Step("lowerLimitField", -30);
    QTest::keyClick(&Get<QLineEdit>("lowerLimitField"), Qt::Key_Down);
    EXPECT_EQ(Text("lowerLimitField"), "-30");
    // Typing into the read-only field changes nothing.
    QTest::keyClicks(&Get<QLineEdit>("lowerLimitField"), "5");
    EXPECT_EQ(Text("lowerLimitField"), "-30");
}

}  // namespace
}  // namespace velka::testing
