#include "ui/pages/parameter_page.h"

#include "archive/archive_file_name.h"
#include "config/choice_lists.h"
#include "config/field_limits.h"
#include "config/log_timing.h"
#include "config/settings_titles.h"
#include "config/settings_write.h"
#include "record/temperature_unit.h"
#include "session/acquisition_controller.h"
#include "session/session_notifier.h"
#include "ui/kit/field_values.h"
#include "ui/kit/page_background.h"
#include "ui/kit/page_controls.h"
#include "ui/kit/page_geometry.h"
#include "ui/kit/spin_buttons.h"
#include "ui/kit/ui_text.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <cmath>

namespace velka {
namespace {

// "BIN (*.bin)"; Qt's dialog matches the pattern in any case, as the archive does.
QString StoredImageFilter() {
    return QStringLiteral("BIN (*%1)")
        .arg(QLatin1String(kImageSuffix.data(), static_cast<qsizetype>(kImageSuffix.size())));
}

template <std::size_t N>
QComboBox* ChoiceList(QWidget& page, const std::array<Choice, N>& choices, int initialIndex,
                      const QRect& rect, const char* name) {
    auto* list = Place(new QComboBox(&page), rect, name);
    for (const Choice& choice : choices)
        list->addItem(QString::fromStdString(ChoiceLabel(choice)));
    list->setCurrentIndex(initialIndex);
    return list;
}

QLineEdit* ShownField(QWidget& page, const QRect& rect, const char* name) {
    auto* field = Place(new QLineEdit(&page), rect, name);
    field->setReadOnly(true);
    field->setEnabled(false);
    return field;
}

QLineEdit* LimitField(QWidget& page, const QRect& rect, const char* name) {
    auto* field = Place(new QLineEdit(&page), rect, name);
    field->setReadOnly(true);
    return field;
}

template <std::size_t N>
int ChosenSeconds(const QComboBox* list, const std::array<Choice, N>& choices) {
    return choices.at(static_cast<std::size_t>(list->currentIndex())).seconds;
}

QString DefaultOpenFileChooser(QWidget* parent, const QString& folder, const QString& filter) {
    QFileDialog dialog(parent, TrQ("ParameterPage", "Open"), folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("bin"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace

CDlgParameters::CDlgParameters(AcquisitionController& controller, SessionNotifier& notifier,
                               MessageService& messages, const Clock& clock, int checkWpEnable,
                               std::filesystem::path archiveFolder, const ShownForms& forms,
                               QWidget* parent)
    : QWidget(parent), controller_(controller), messages_(messages), forms_(forms),
      checkWpEnable_(checkWpEnable), archiveFolder_(std::move(archiveFolder)),
      chooseFile_(DefaultOpenFileChooser), settings_(controller.PageSettings()) {
    setFixedSize(kPageSize);
    BuildParameterSection();
    products_ = new ProductEditor(*this, messages, clock.Now(), forms_);
    BuildTransportSection();

    // The Log Interval list is never enabled; with the lock rule on, the Alarm Delay list never
    // is either, and a setting of exactly 1 locks the page until a logger has been read.
    logInterval_->setEnabled(false);
    alarmDelay_->setEnabled(checkWpEnable_ == 0);
    if (checkWpEnable_ == 1)
        SetEditingEnabled(false);
    ClearFields();

    connect(&notifier, &SessionNotifier::recordCleared, this, &CDlgParameters::ClearFields);
    connect(&notifier, &SessionNotifier::settingsChanged, this, [this] {
        // An import brings only the delivery and transport fields; the others keep what the
        // user chose.
        if (importing_)
            ShowTransportFields();
        else
            LoadFromImage();
    });
    connect(&notifier, &SessionNotifier::recordDecoded, this, &CDlgParameters::ReloadLimits);
    connect(&notifier, &SessionNotifier::temperatureUnitChanged, this, &CDlgParameters::ShowUnit);
    connect(&notifier, &SessionNotifier::productsLoaded, this, &CDlgParameters::LoadProducts);
    connect(&notifier, &SessionNotifier::loggerDetached, this, &CDlgParameters::ApplyLock);
    connect(&notifier, &SessionNotifier::settingsWritten, this, &CDlgParameters::ShowWriteOutcome);
}

void CDlgParameters::BuildParameterSection() {
    PlaceLabel(*this, TrQ("ParameterPage", "Parameter setting"), {35, 90, 100, 16}, Qt::AlignLeft);
    PlaceLabel(*this, TrQ(title::kDeviceSerial), {120, 15, 120, 16});
    PlaceLabel(*this, TrQ(title::kStartDelay), {120, 45, 120, 16});
    PlaceLabel(*this, TrQ(title::kUpperLimit), {120, 75, 120, 16});
    PlaceLabel(*this, TrQ(title::kLogInterval), {120, 105, 120, 16});
    PlaceLabel(*this, TrQ(title::kShutdownMode), {360, 15, 120, 16});
    PlaceLabel(*this, TrQ(title::kAlarmDelay), {360, 45, 120, 16});
    PlaceLabel(*this, TrQ(title::kLowerLimit), {360, 75, 120, 16});
    PlaceLabel(*this, TrQ(title::kLogCycle), {360, 105, 120, 16});
    upperUnit_ = PlaceLabel(*this, "", {332, 75, 20, 16}, Qt::AlignLeft);
    lowerUnit_ = PlaceLabel(*this, "", {572, 75, 20, 16}, Qt::AlignLeft);
    PlaceLabel(*this, TrQ(kDaysUnit), {572, 105, 20, 16}, Qt::AlignLeft);
    // After a Load from the history the fields are a stored recording's, not the logger's.
    storedRecordingNote_ = PlaceLabel(*this, "", {610, 12, 225, 60}, Qt::AlignLeft | Qt::AlignTop);
    storedRecordingNote_->setObjectName("storedRecordingNote");
    storedRecordingNote_->setWordWrap(true);

    serial_ = ShownField(*this, {245, 12, 85, 22}, "serialField");
    startDelay_ = ChoiceList(*this, kStartDelayChoices, kInitialStartDelayIndex, {245, 42, 85, 22},
                             "startDelayList");
    upperLimit_ = LimitField(*this, {245, 72, 66, 22}, "upperLimitField");
    upperSpin_ = Place(new SpinButtons(*upperLimit_, kLowestAlarmLimit, kHighestAlarmLimit, this),
                       {313, 72, 17, 22}, "upperLimitSpin");
    logInterval_ = ChoiceList(*this, kLogIntervalChoices, kInitialLogIntervalIndex,
                              {245, 102, 85, 22}, "logIntervalList");
    shutdownMode_ = ShownField(*this, {485, 12, 85, 22}, "shutdownModeField");
    shutdownMode_->setText(TrQ("ParameterPage", "Manual"));
    alarmDelay_ = ChoiceList(*this, kAlarmDelayChoices, kInitialAlarmDelayIndex, {485, 42, 85, 22},
                             "alarmDelayList");
    lowerLimit_ = LimitField(*this, {485, 72, 66, 22}, "lowerLimitField");
    lowerSpin_ = Place(new SpinButtons(*lowerLimit_, kLowestAlarmLimit, kHighestAlarmLimit, this),
                       {553, 72, 17, 22}, "lowerLimitSpin");
    logCycle_ = ShownField(*this, {485, 102, 85, 22}, "logCycleField");

    ShowUnit();
    ShowLimits(settings_.upperLimit, settings_.lowerLimit);
    // Only a user's choice changes the log interval (the list is never enabled, though).
    connect(logInterval_, &QComboBox::activated, this, [this](int index) {
        settings_.logInterval = static_cast<std::uint16_t>(
            kLogIntervalChoices.at(static_cast<std::size_t>(index)).seconds);
        settings_.logCycleText = LogCycleText(settings_.logInterval);
        logCycle_->setText(QString::fromStdString(settings_.logCycleText));
    });
}

void CDlgParameters::BuildTransportSection() {
    PlaceLabel(*this, RequiredTitle(title::kDeliveryCompany), {130, 510, 110, 16});
    PlaceLabel(*this, RequiredTitle(title::kReceivingCompany), {130, 537, 110, 16});
    PlaceLabel(*this, TrQ(title::kTransportCompany), {130, 564, 110, 16});
    PlaceLabel(*this, TrQ(title::kTransportNumber), {130, 591, 110, 16});
    PlaceLabel(*this, TrQ(title::kDeliveryDate), {130, 618, 110, 16});
    PlaceLabel(*this, TrQ("ParameterPage", "* For Required Projects"), {130, 645, 120, 16},
               Qt::AlignLeft);
    PlaceLabel(*this, TrQ("ParameterPage", "Transport Information"), {25, 600, 120, 16},
               Qt::AlignLeft);

    deliveryCompany_ =
        PlaceTextField(*this, {245, 507, 260, 22}, "deliveryCompanyField", kCompanyTextUnits);
    receivingCompany_ =
        PlaceTextField(*this, {245, 534, 260, 22}, "receivingCompanyField", kCompanyTextUnits);
    transportCompany_ =
        PlaceTextField(*this, {245, 561, 260, 22}, "transportCompanyField", kCompanyTextUnits);
    transportNumber_ = PlaceTextField(*this, {245, 588, 260, 22}, "transportNumberField",
                                      kTransportNumberTextUnits);
    deliveryDate_ = Place(MakeDatePicker(*this, true, settings_.deliveryDate, forms_),
                          {245, 615, 260, 22}, "deliveryDatePicker");
    write_ = Place(new QPushButton(TrQ("ParameterPage", "Write"), this), {280, 650, 80, 30},
                   "writeButton");
    load_ = Place(new QPushButton(TrQ("ParameterPage", "Load"), this), {370, 650, 80, 30},
                  "loadButton");

    connect(write_, &QPushButton::clicked, this, &CDlgParameters::Write);
    connect(load_, &QPushButton::clicked, this, &CDlgParameters::Load);
}

void CDlgParameters::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintSkinBackground(painter, rect(), kParameterPageBitmap);
}

void CDlgParameters::LoadFromImage() {
    ApplyLock();
    ShowStoredRecordingNote();
    settings_ = controller_.PageSettings();

    startDelay_->setCurrentIndex(ChoiceIndexFor(kStartDelayChoices, settings_.startDelay));
    logInterval_->setCurrentIndex(ChoiceIndexFor(kLogIntervalChoices, settings_.logInterval));
    alarmDelay_->setCurrentIndex(
        ChoiceIndexFor(kAlarmDelayChoices,
                       static_cast<long long>(settings_.alarmDelayCount) * settings_.logInterval));
    logCycle_->setText(QString::fromStdString(settings_.logCycleText));
    ShowLimits(settings_.upperLimit, settings_.lowerLimit);
    serial_->setText(QString::fromStdString(settings_.serialText));
    ShowTransportFields();
}

void CDlgParameters::ShowTransportFields() {
    CopyTransportFields(controller_.PageSettings(), settings_);
    SetPickerSeconds(*deliveryDate_, settings_.deliveryDate);
    transportCompany_->setText(FromUtf16(settings_.transportCompany));
    transportNumber_->setText(FromUtf16(settings_.transportNumber));
    deliveryCompany_->setText(FromUtf16(settings_.deliveryCompany));
    receivingCompany_->setText(FromUtf16(settings_.receivingCompany));
}

void CDlgParameters::ReloadLimits() {
    const LoggerSettings& decoded = controller_.PageSettings();
    settings_.lowerLimit = decoded.lowerLimit;
    settings_.upperLimit = decoded.upperLimit;
    ShowLimits(settings_.upperLimit, settings_.lowerLimit);
}

void CDlgParameters::ShowUnit() {
    // The limits the fields hold now, edited or not, in the unit they were shown in.
    const int upper = LimitCelsius(*upperLimit_);
    const int lower = LimitCelsius(*lowerLimit_);
    shownUnit_ = controller_.Unit();
    const QString sign = QString::fromUtf8(UnitSign(shownUnit_).data(),
                                           static_cast<qsizetype>(UnitSign(shownUnit_).size()));
    upperUnit_->setText(sign);
    lowerUnit_->setText(sign);
    for (SpinButtons* spin : {upperSpin_, lowerSpin_})
        spin->SetValueForm(
            [this, unit = shownUnit_](int celsius) {
                return QString::fromStdString(LimitText(celsius, unit, forms_));
            },
            [this, unit = shownUnit_](const QString& text) {
                return WholeCelsiusOfLimitText(text.toStdString(), unit, forms_);
            });
    ShowLimits(upper, lower);
}

void CDlgParameters::ShowLimits(double upperCelsius, double lowerCelsius) {
    const auto show = [this](QLineEdit& field, double celsius) {
        field.setText(QString::fromStdString(
            LimitText(static_cast<int>(std::trunc(celsius)), shownUnit_, forms_)));
    };
    show(*upperLimit_, upperCelsius);
    show(*lowerLimit_, lowerCelsius);
}

int CDlgParameters::LimitCelsius(const QLineEdit& field) const {
    return WholeCelsiusOfLimitText(field.text().toStdString(), shownUnit_, forms_).value_or(0);
}

void CDlgParameters::LoadProducts() {
    const LoggerSettings& decoded = controller_.PageSettings();
    products_->LoadProducts(decoded.products, decoded.tableUsedBytes);
}

void CDlgParameters::ShowStoredRecordingNote() {
    const std::filesystem::path& stored = controller_.ShownStoredRecording();
    storedRecordingNote_->setText(
        stored.empty()
            ? QString()
            : TrQ("ParameterPage", "Shows the stored recording %1; Write goes to its logger only")
                  .arg(QFile::decodeName(stored.filename().c_str())));
}

void CDlgParameters::ClearFields() {
    ShowStoredRecordingNote();
    // The texts of settings_ are never written back (the Write takes them from the fields); its
    // calibration word is.
    settings_.calibrationA = 0;
    settings_.calibrationB = 0;
    for (QLineEdit* field : {serial_, logCycle_, deliveryCompany_, receivingCompany_,
                             transportCompany_, transportNumber_})
        field->clear();
    products_->ClearFields();
}

void CDlgParameters::ApplyLock() {
    if (checkWpEnable_ == 0)
        return;
    // The logger that was read decides, not an image loaded from the history or imported since.
    locked_ =
        !controller_.Link().devicePresent() || controller_.LastReadLogger().writeProtectFlag != 0;
    SetEditingEnabled(!locked_);
}

void CDlgParameters::SetEditingEnabled(bool enabled) {
    std::vector<QWidget*> controls = products_->EditingControls();
    controls.insert(controls.end(),
                    {startDelay_, upperSpin_, lowerSpin_, deliveryCompany_, receivingCompany_,
                     transportCompany_, transportNumber_, deliveryDate_, load_, write_});
    for (QWidget* control : controls)
        control->setEnabled(enabled);
}

LoggerSettings CDlgParameters::FieldValues() const {
    LoggerSettings values = settings_;
    // The list's choices are what is stored; the alarm delay is counted in intervals of the
    // chosen log interval.
    ApplyLogTiming(values, {ChosenSeconds(logInterval_, kLogIntervalChoices),
                            ChosenSeconds(startDelay_, kStartDelayChoices),
                            ChosenSeconds(alarmDelay_, kAlarmDelayChoices)});
    values.upperLimit = LimitCelsius(*upperLimit_);
    values.lowerLimit = LimitCelsius(*lowerLimit_);
    values.deliveryDate = PickerSeconds(*deliveryDate_);
    values.deliveryDateText = DeliveryDateText(values.deliveryDate);
    values.deliveryCompany = Utf16(*deliveryCompany_);
    values.receivingCompany = Utf16(*receivingCompany_);
    values.transportCompany = Utf16(*transportCompany_);
    values.transportNumber = Utf16(*transportNumber_);
    values.products = products_->List().Products();
    values.tableUsedBytes = products_->List().TableUsedBytes();
    return values;
}

void CDlgParameters::Write() {
    const LoggerSettings values = FieldValues();
    std::optional<std::string> refusal = CheckRequiredFields(values);
    if (!refusal)
        refusal = CheckFitsImage(values);
    if (refusal) {
        messages_.ShowMessage(*refusal, MessageIcon::Warning);
        return;
    }
    ApplyLock();
    // A locked page writes nothing, even when the lock came with this very click.
    if (checkWpEnable_ != 0 && locked_)
        return;
    runLoggerTask_([this, values] { controller_.WriteSettings(values); });
}

void CDlgParameters::ShowWriteOutcome(bool success) {
    if (success)
        messages_.ShowMessage(Tr("ParameterPage", "Write Success"), MessageIcon::Information);
    else
        messages_.ShowMessage(Tr("ParameterPage", "Write FAILED") + ": " +
                                  controller_.LastWriteFailure(),
                              MessageIcon::Error);
}

void CDlgParameters::Load() {
    const QString chosen =
        chooseFile_(this, QFile::decodeName(archiveFolder_.c_str()), StoredImageFilter());
    if (chosen.isEmpty())
        return;
    importing_ = true;
    controller_.ImportStoredImage(std::filesystem::path(QFile::encodeName(chosen).toStdString()));
    importing_ = false;
    update();
}

}  // namespace velka
