// The parameter page driven through its controls: where the user finds them, the lock rule,
// what the lists show and store, the Write with its checks and its bytes (velka-cli's for the
// same values), Load, and the fields that hold no more than the image keeps.

#include "cli_runner.h"
#include "page_fixture.h"

#include <QClipboard>
#include <QDateTimeEdit>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <algorithm>
#include <nlohmann/json.hpp>

namespace velka::testing {
namespace {

using Json = nlohmann::json;
using Texts = std::vector<std::string>;

// Every control the lock rule disables.
const QStringList kEditingControls =
    QStringLiteral(
        "startDelayList upperLimitSpin lowerLimitSpin numberField productNameField "
        "specificationModelField productBatchNumberField shipmentNumberField quantityField "
        "unitField "
        "validityPicker productList deliveryCompanyField receivingCompanyField "
        "transportCompanyField "
        "transportNumberField deliveryDatePicker loadButton writeButton addButton deleteButton "
        "updateButton")
        .split(' ');

class ParameterPage : public PageTest {
protected:
    // "all", "none", or the enabled editing controls.
    std::string Editing() const {
        QStringList enabled;
        for (const QString& name : kEditingControls) {
            if (Get(name.toLatin1().constData()).isEnabled())
                enabled << name;
        }
        return enabled.isEmpty()                           ? "none"
               : enabled.size() == kEditingControls.size() ? "all"
                                                           : enabled.join(' ').toStdString();
    }
    // Steps an alarm limit with the arrow keys.
    void Step(const char* limitField, int target) {
        for (int value = Text(limitField).toInt(); value != target;
             value += value < target ? 1 : -1)
            QTest::keyClick(&Get(limitField), value < target ? Qt::Key_Up : Qt::Key_Down);
    }
    void DeleteAllProducts() {
        for (int rows = Products().rowCount(); rows > 0; --rows) {
            DoubleClickRow(0);
            Click("deleteButton");
        }
    }
};

TEST_F(ParameterPage, ControlsSitWhereTheUserLooksAndLabelsFit) {
    Start(PageTestImage());
    EXPECT_EQ(page->size(), QSize(860, 700));
    QStringList labels;
    std::vector<std::pair<QRect, QString>> seen;  // what the user sees of each control
    for (QWidget* child : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QRect area = child->geometry();
        QString name = child->objectName();
        if (const auto* label = qobject_cast<QLabel*>(child)) {
            name = label->text();
            if (!name.isEmpty())  // the stored-recording note while there is none
                labels << name;
            const QSize text(label->fontMetrics().horizontalAdvance(name),
                             label->fontMetrics().height());
            EXPECT_TRUE(area.width() >= text.width() && area.height() >= text.height())
                << name.toStdString();
            area = QStyle::alignedRect(Qt::LeftToRight, label->alignment(), text, area);
        }
        EXPECT_TRUE(page->rect().contains(area)) << name.toStdString();
        for (const auto& [other, otherName] : seen)
            EXPECT_FALSE(area.intersects(other))
                << name.toStdString() << " on " << otherName.toStdString();
        seen.emplace_back(area, name);
    }
    labels.sort();
    EXPECT_EQ(labels.join('|').toStdString(),
              "* For Required Projects|*Delivery Company|*Product Name|*Receiving Company|"
              "Alarm Delay|Date Of Delivery|Device S/N|Log Cycle|Log Interval|Lower Limit Alarm|"
              "Number|Parameter setting|Period of validity|Product Batch Number|"
              "Product Information|Quantity|Shipment Number|Shutdown Mode|Specification Model|"
              "Start Delay|Transport Company|Transport Information|Transport Number|Unit|"
              "Unit: the logger keeps 2 characters|Upper Limit Alarm|day|℃|℃");

    // What a new page shows.
    for (const char* list : {"startDelayList", "alarmDelayList", "logIntervalList"}) {
        QStringList items;
        for (int i = 0; i < Get<QComboBox>(list).count(); ++i)
            items << Get<QComboBox>(list).itemText(i);
        labels << items.join(' ') + " [" + Choice(list) + "]";
    }
    labels << Text("upperLimitField") << Text("lowerLimitField") << Text("shutdownModeField")
           << Text("logCycleField") << Get<QDateTimeEdit>("deliveryDatePicker").text()
           << Get<QDateTimeEdit>("validityPicker").text();
    EXPECT_EQ(labels.mid(29).join('|').toStdString(),
              "0min 5min 10min 20min 30min [10min]|0min 5min 10min 20min 30min [30min]|"
              "30sec 1min 5min 10min 30min [30sec]|30|0|Manual||12/9/2025|12/9/25");

    if (const QByteArray render = qgetenv("VELKA_PAGE_RENDER"); !render.isEmpty()) {
        Arrive();
        page->grab().save(QString::fromLocal8Bit(render));
    }

    // The product list's titles are read whole.
    const QHeaderView& header = *Get<QTableView>("productList").horizontalHeader();
    for (int column = 0; column < header.count(); ++column) {
        const QString title = header.model()->headerData(column, Qt::Horizontal).toString();
        const int margins = 2 * header.style()->pixelMetric(QStyle::PM_HeaderMargin);
        EXPECT_GE(header.sectionSize(column),
                  header.fontMetrics().horizontalAdvance(title.trimmed()) + margins)
            << title.toStdString();
    }

    // A point of the page belongs to the control placed there.
    const std::pair<QPoint, const char*> points[] = {
        {{287, 53}, "startDelayList"},        {{278, 83}, "upperLimitField"},
        {{561, 89}, "lowerLimitSpin"},        {{527, 113}, "logCycleField"},
        {{235, 288}, "quantityField"},        {{530, 288}, "validityPicker"},
        {{522, 252}, "updateButton"},         {{465, 420}, "productList"},
        {{375, 599}, "transportNumberField"}, {{320, 665}, "writeButton"}};
    for (const auto& [point, name] : points) {
        QWidget* hit = page->childAt(point);
        while (hit != nullptr && hit->parentWidget() != page.get())
            hit = hit->parentWidget();
        EXPECT_EQ(hit ? hit->objectName().toStdString() : "", name)
            << point.x() << "," << point.y();
    }
    // Real clicks: Load asks for a file in the archive folder; the upper spin steps up.
    ClickPage({410, 665});
    EXPECT_EQ(dialogAsked.toStdString(), (root.Path() / "Data").string() + " BIN (*.bin)");
    ClickPage({321, 76});
    EXPECT_EQ(Text("upperLimitField"), "31");
}

TEST_F(ParameterPage, LockRuleFollowsTheLoggerThatWasReadAndALockedWriteWritesNothing) {
    struct Case {
        int checkWpEnable;
        std::uint8_t loggerFlag;
        std::uint8_t storedFlag;  // of a recording loaded from the history, then imported
        std::string created, afterRead, afterRemoval;
    };
    for (const Case& c :
         {Case{0, 1, 1, "all", "all", "all"}, Case{1, 0, 1, "none", "all", "none"},
          Case{1, 1, 0, "none", "none", "none"}, Case{2, 0, 1, "all", "all", "none"}}) {
        SCOPED_TRACE(std::to_string(c.checkWpEnable) + "/" + std::to_string(c.loggerFlag));
        Start(PageTestImage(c.loggerFlag), c.checkWpEnable);
        EXPECT_EQ(Editing(), c.created);
        Arrive();
        EXPECT_EQ(Editing(), c.afterRead);
        const std::filesystem::path stored = Store("stored.bin", PageTestImage(c.storedFlag));
        ASSERT_TRUE(controller->LoadStoredImage(stored));
        EXPECT_EQ(Editing(), c.afterRead);
        dialogAnswer = QString::fromStdString(stored.string());
        Click("loadButton");
        EXPECT_EQ(Editing(), c.afterRead);
        EXPECT_EQ(Get("alarmDelayList").isEnabled(), c.checkWpEnable == 0);
        EXPECT_FALSE(Get("logIntervalList").isEnabled());
        logger->Unplug();
        controller->HandleRemoval(EmulatedLogger::kDevicePath);
        EXPECT_EQ(Editing(), c.afterRemoval);
    }

    // A setting other than 1 leaves a new page open; the Write runs the rule, which locks it
    // for a logger that is plugged in but not read yet, and nothing is written.
    const LoggerImage memory = PageTestImage();
    Start(memory, 2);
    Retype("productNameField", "Vaccine");
    Click("addButton");
    Retype("deliveryCompanyField", "Fjord Logistics");
    Retype("receivingCompanyField", "Ward 7");
    Click("writeButton");
    EXPECT_EQ(Messages(), Texts{"Info: Add Success"});
    EXPECT_EQ(logger->Memory(), memory);
    EXPECT_EQ(Editing(), "none");
}

TEST_F(ParameterPage, WriteChecksProductsThenDeliveryThenReceivingCompanyThenLimits) {
    struct Case {
        bool products;
        const char *delivery, *receiving, *lower, *message;
    };
    const char* limitsReversed = "Warning: Lower Limit Alarm must be below Upper Limit Alarm";
    for (const Case& c :
         {Case{false, "", "", "2", "Warning: Please Add Product Information"},
          Case{true, "", "", "2", "Warning: Please input Delivery Company"},
          Case{true, "Fjord", "", "2", "Warning: Please input Receiving Company"},
          Case{true, "  ", "Bay", "2", "Warning: Please input Delivery Company"},
          Case{true, "Fjord", "\t\u3000 ", "2", "Warning: Please input Receiving Company"},
          Case{true, "Fjord", "Bay", "8", limitsReversed},
          Case{true, "Fjord", "Bay", "9", limitsReversed}}) {
        const LoggerImage memory = PageTestImage();
        Start(memory);
        Arrive();
        if (!c.products)
            DeleteAllProducts();
        Retype("deliveryCompanyField", c.delivery);
        Retype("receivingCompanyField", c.receiving);
        // The limit fields take the spin buttons only.
        Get<QLineEdit>("upperLimitField").setText("8");
        Get<QLineEdit>("lowerLimitField").setText(c.lower);
        Click("writeButton");
        EXPECT_EQ(Messages(), Texts{c.message});
        EXPECT_EQ(logger->Memory(), memory);
    }
}

TEST_F(ParameterPage, ListsShowStoredValuesByThresholdsAndStoreTheirChoices) {
    struct Case {
        std::uint16_t logInterval, startDelay;
        std::uint8_t alarmDelayCount;
        std::string shown;  // log interval, start delay, alarm delay, log cycle
        const char* alarmChosen;
        std::uint16_t writtenInterval, writtenStart;
        std::uint8_t writtenAlarmCount;
        std::string readBack;
    };
    const Case cases[] = {
        {45, 100, 40, "1min 5min 30min 4", nullptr, 60, 300, 30, "1min 5min 30min 6"},
        {60, 301, 30, "1min 10min 30min 6", "5min", 60, 600, 5, "1min 10min 5min 6"},
        {300, 2000, 6, "5min 30min 30min 30", nullptr, 300, 1800, 6, "5min 30min 30min 30"},
        {30, 0, 0, "30sec 0min 0min 3", nullptr, 30, 0, 0, "30sec 0min 0min 3"},
        // Counted in whole intervals: ten minutes are no interval of thirty.
        {1800, 1200, 1, "30min 20min 30min 180", "10min", 1800, 1200, 0, "30min 20min 0min 180"},
    };
    const auto shown = [this] {
        return (QStringList{Choice("logIntervalList"), Choice("startDelayList"),
                            Choice("alarmDelayList"), Text("logCycleField")})
            .join(' ')
            .toStdString();
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.logInterval);
        LoggerImage memory = PageTestImage();
        WriteU16(memory, kLogIntervalOffset, c.logInterval);
        WriteU16(memory, kStartDelayOffset, c.startDelay);
        memory[kAlarmDelayCountOffset] = c.alarmDelayCount;
        Start(memory);
        Arrive();
        EXPECT_EQ(shown(), c.shown);
        if (c.alarmChosen)
            Choose("alarmDelayList", c.alarmChosen);
        Click("writeButton");
        EXPECT_EQ(Messages(), Texts{"Info: Write Success"});
        EXPECT_EQ(ReadU16(logger->Memory(), kLogIntervalOffset), c.writtenInterval);
        EXPECT_EQ(ReadU16(logger->Memory(), kStartDelayOffset), c.writtenStart);
        EXPECT_EQ(logger->Memory()[kAlarmDelayCountOffset], c.writtenAlarmCount);
        Arrive();
        EXPECT_EQ(shown(), c.readBack);
    }
}

TEST_F(ParameterPage, WriteStoresWhatVelkaCliStoresAndTheLoggerReadsItBack) {
    const LoggerImage memory = PageTestImage();
    Start(memory);
    Arrive();
    Choose("startDelayList", "5min");
    Choose("alarmDelayList", "20min");
    Step("upperLimitField", 25);
    Step("lowerLimitField", -5);
    DeleteAllProducts();
    const char* const names[] = {"Vaccine", "Insulin 冷链", "Reagent kit"};
    Json products = Json::array();
    for (int i = 0; i < 3; ++i) {
        const std::string n = std::to_string(i + 1);
        const Json product = {{"number", "N-" + n}, {"name", names[i]},   {"spec", "10 ml"},
                              {"batch", "B" + n},   {"shipment", "SH-1"}, {"unit", "kg"}};
        for (const auto& [field, key] : {std::pair{"numberField", "number"},
                                         {"productNameField", "name"},
                                         {"specificationModelField", "spec"},
                                         {"productBatchNumberField", "batch"},
                                         {"shipmentNumberField", "shipment"},
                                         {"unitField", "unit"}})
            Retype(field, QString::fromStdString(product[key].get<std::string>()));
        Retype("quantityField", QString::number((i + 1) * 100));
        Get<QDateTimeEdit>("validityPicker").setDate(QDate(2026, 6, i + 1));
        Click("addButton");
        products.push_back(product);
        products.back()["quantity"] = (i + 1) * 100;
        // The picker keeps the time of day it held: 11:33:20.
        products.back()["validity"] =
            QDateTime(QDate(2026, 6, i + 1), QTime(11, 33, 20), Qt::UTC).toSecsSinceEpoch();
    }
    Retype("deliveryCompanyField", "Fjord Logistics");
    Retype("receivingCompanyField", "Ward 7");
    Retype("transportCompanyField", "Arctic Haul");
    Retype("transportNumberField", "AH-1234567");
    Get<QDateTimeEdit>("deliveryDatePicker").setDate(QDate(2025, 12, 24));
    const std::int64_t delivery =
        QDateTime(QDate(2025, 12, 24), QTime(0, 0), Qt::UTC).toSecsSinceEpoch() +
        ReadU32(memory, kDeliveryDateOffset) % 86400;
    Messages();
    Click("writeButton");
    EXPECT_EQ(Messages(), Texts{"Info: Write Success"});

    // velka-cli on the image as it was read, with the same values, stores the same bytes.
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
    ASSERT_FALSE(WriteFileAtomically(root.Path() / "settings.json", settings.dump()));
    const std::string out = (root.Path() / "out.bin").string();
    const auto run = [this](std::vector<std::string> arguments) {
        for (const std::string& global :
             {std::string("--data-root"), (root.Path() / "cli").string(), std::string("--reftable"),
              ReferenceFolder().string(), std::string("--now"), std::to_string(kPageNow)})
            arguments.push_back(global);
        const CliResult result = RunCli(arguments);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return result.out;
    };
    run({"apply-settings", Store("in.bin", memory).string(),
         (root.Path() / "settings.json").string(), "--out", out});
    LoggerImage cliImage{};
    ASSERT_TRUE(ReadImageFile(out, cliImage));
    EXPECT_TRUE(std::equal(cliImage.begin() + kSettingsBlockOffset, cliImage.end(),
                           logger->Memory().begin() + kSettingsBlockOffset));

    // Read again, the logger shows on the page what was written, as velka-cli decodes it.
    Arrive();
    const Json decoded = Json::parse(run({"decode", out}));
    EXPECT_EQ(Choice("startDelayList") + " " + Choice("alarmDelayList"), "5min 20min");
    EXPECT_EQ(decoded["alarmDelayCount"], 4);
    EXPECT_EQ(Text("upperLimitField").toDouble(), decoded["upperLimit"].get<double>());
    EXPECT_EQ(Text("lowerLimitField").toDouble(), decoded["lowerLimit"].get<double>());
    EXPECT_EQ(Text("deliveryCompanyField") + Text("transportNumberField"),
              "Fjord LogisticsAH-1234567");
    EXPECT_EQ(Get<QDateTimeEdit>("deliveryDatePicker").dateTime().toSecsSinceEpoch(), delivery);
    ASSERT_EQ(Products().rowCount(), 3);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(Products().index(row, 1).data().toString().toStdString(), names[row]);
        EXPECT_EQ(decoded["products"][row]["name"], names[row]);
    }

    // A failed write keeps every field as the user left it.
    logger->Unplug();
    Retype("deliveryCompanyField", "Changed");
    Choose("startDelayList", "30min");
    Click("writeButton");
    EXPECT_EQ(Messages(), Texts{"Error: Write FAILED: no logger is connected"});
    EXPECT_EQ(Text("deliveryCompanyField") + " " + Choice("startDelayList"), "Changed 30min");
    EXPECT_EQ(Products().rowCount(), 3);
}

TEST_F(ParameterPage, AWriteInFahrenheitWritesTheBytesTheSameWriteInCelsiusWrites) {
    // The same steps in each unit: the limits step through whole °C, shown in the unit.
    std::vector<LoggerImage> written;
    for (const TemperatureUnit unit : {TemperatureUnit::Celsius, TemperatureUnit::Fahrenheit}) {
        Start(PageTestImage());
        controller->SetUnit(unit);
        Arrive();
        const int upper = *WholeCelsiusOfLimitText(Text("upperLimitField").toStdString(), unit);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(&Get("upperLimitField"), Qt::Key_Up);
        QTest::keyClick(&Get("lowerLimitField"), Qt::Key_Down);
        const QString stepped = Text("upperLimitField");
        EXPECT_EQ(stepped.toStdString(), LimitText(upper + 3, unit));
        // Another unit and back keeps what the user stepped to.
        controller->SetUnit(unit == TemperatureUnit::Celsius ? TemperatureUnit::Fahrenheit
                                                             : TemperatureUnit::Celsius);
        controller->SetUnit(unit);
        EXPECT_EQ(Text("upperLimitField"), stepped);
        int signs = 0;  // beside each limit
        for (const QLabel* label : page->findChildren<QLabel*>())
            signs += label->text().toStdString() == UnitSign(unit) ? 1 : 0;
        EXPECT_EQ(signs, 2);
        Messages();
        Click("writeButton");
        EXPECT_EQ(Messages(), Texts{"Info: Write Success"});
        written.push_back(logger->Memory());
    }
    EXPECT_TRUE(written[0] == written[1]);
}

TEST_F(ParameterPage, ArrivalEmptiesTextsAndLoadTakesOverProductsAndTransportOfTheChosenFile) {
    Start(PageTestImage());
    Arrive();
    Choose("startDelayList", "20min");
    Retype("productNameField", "typed");
    // A logger arrives: the texts are emptied; the choices, limits and products stay.
    logger->Unplug();
    Arrive();
    QString texts;
    for (const char* field : {"serialField", "logCycleField", "deliveryCompanyField",
                              "transportNumberField", "productNameField", "quantityField"})
        texts += Text(field);
    EXPECT_EQ(texts, "");
    EXPECT_EQ(Choice("startDelayList") + Text("upperLimitField") + Text("shutdownModeField"),
              "20min8Manual");
    EXPECT_EQ(Products().rowCount(), 3);

    LoggerImage stored = PageTestImage();
    WriteSlotText(stored, kDeliveryCompanyOffset, kCompanySlotBytes, u"Imported AS");
    WriteU16(stored, kStartDelayOffset, 0);
    StoreProductTable({}, stored);
    Retype("productNameField", "typed");
    const std::pair<std::string, std::string> cases[] = {
        {"", "3 "},
        {(root.Path() / "none.bin").string(), "3 "},
        {Store("OLD.BIN", stored).string(), "0 Imported AS"}};
    for (const auto& [answer, outcome] : cases) {
        dialogAnswer = QString::fromStdString(answer);
        Click("loadButton");
        EXPECT_EQ(std::to_string(Products().rowCount()) + " " +
                      Text("deliveryCompanyField").toStdString(),
                  outcome);
        // What the user chose and typed stays.
        EXPECT_EQ(Choice("startDelayList") + Text("productNameField"), "20mintyped");
    }
    EXPECT_TRUE(Messages().empty());
}

// After a Load from the history the page says whose settings it shows; a read clears that.
TEST_F(ParameterPage, SaysWhenItShowsAStoredRecording) {
    Start(PageTestImage());
    Arrive();
    const auto note = [this] { return Get<QLabel>("storedRecordingNote").text().toStdString(); };
    EXPECT_EQ(note(), "");
    ASSERT_TRUE(controller->LoadStoredImage(Store("trip.bin", PageTestImage())));
    EXPECT_EQ(note(), "Shows the stored recording trip.bin; Write goes to its logger only");
    Arrive();
    EXPECT_EQ(note(), "");
}

TEST_F(ParameterPage, FieldsHoldNoMoreThanTheImageKeeps) {
    Start(PageTestImage());
    // Texts: cut at their slot with the caret at the end, never inside a surrogate pair.
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
    for (const auto& [name, limit] : fields) {
        SCOPED_TRACE(name);
        auto& field = Get<QLineEdit>(name);
        Retype(name, QString(limit + 1, u'x'));
        EXPECT_EQ(field.text(), QString(limit, u'x'));
        field.setCursorPosition(1);
        Type(name, "y");
        EXPECT_EQ(field.text(), "xy" + QString(limit - 2, u'x'));
        EXPECT_EQ(field.cursorPosition(), limit);
        Retype(name, QString(limit - 1, u'x') + QString::fromUtf8("\U0001F9CA"));
        EXPECT_EQ(field.text(), QString(limit - 1, u'x'));
        // A pasted NUL is dropped before the length counts.
        QGuiApplication::clipboard()->setText(QStringLiteral("k") + QChar(u'\0') + "g");
        Retype(name, "");
        field.paste();
        EXPECT_EQ(field.text() + " " + QString::number(field.cursorPosition()), "kg 2");
    }
    Retype("productNameField", " \u3000");
    Click("addButton");
    EXPECT_EQ(Messages(), Texts{"Warning: Please Add Product Information"});

    // Quantity: digits only, up to 65535, typed or pasted.
    auto& quantity = Get<QLineEdit>("quantityField");
    for (const auto& [keys, text] : {std::pair{"12a3", "123"},
                                     {"-4.5 6", "456"},
                                     {"65535", "65535"},
                                     {"70000", "7000"},
                                     {"099999", "09999"}}) {
        Retype("quantityField", keys);
        EXPECT_EQ(quantity.text(), text) << keys;
    }
    Retype("quantityField", "6555");
    QTest::keyClick(&quantity, Qt::Key_Home);
    Type("quantityField", "7");
    EXPECT_EQ(quantity.text(), "6555");
    QGuiApplication::clipboard()->setText("12a3");
    QTest::keyClick(&quantity, Qt::Key_V, Qt::ControlModifier);  // the shortcut is discarded
    EXPECT_EQ(quantity.text(), "6555");
    Retype("quantityField", "");
    quantity.paste();  // as the context menu does
    EXPECT_EQ(quantity.text(), "123");
    QGuiApplication::clipboard()->setText("70 000 kg");
    Retype("quantityField", "");
    quantity.paste();
    EXPECT_EQ(quantity.text() + " " + QString::number(quantity.cursorPosition()), "7000 4");
    Retype("productNameField", "Vaccine");
    Click("addButton");
    EXPECT_EQ(Products().index(0, 6).data().toString() + Products().index(0, 5).data().toString(),
              "7000kg");

    // Limits: whole degrees from -30 to 70, by the spin buttons or the arrow keys.
    QTest::mouseClick(&Get("lowerLimitSpin"), Qt::LeftButton, {}, {8, 17});
    Step("upperLimitField", 70);
    QTest::keyClick(&Get("upperLimitField"), Qt::Key_Up);
    QTest::mouseClick(&Get("upperLimitSpin"), Qt::LeftButton, {}, {8, 5});
    Step("lowerLimitField", -30);
    QTest::keyClick(&Get("lowerLimitField"), Qt::Key_Down);
    Type("lowerLimitField", "5");
    EXPECT_EQ(Text("upperLimitField") + " " + Text("lowerLimitField"), "70 -30");
}

}  // namespace
}  // namespace velka::testing
