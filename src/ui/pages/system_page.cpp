#include "ui/pages/system_page.h"

#include "services/message_service.h"
#include "session/acquisition_controller.h"
#include "session/session_notifier.h"
#include "storage/file_io.h"
#include "ui/kit/page_background.h"
#include "ui/kit/page_controls.h"
#include "ui/kit/page_geometry.h"
#include "ui/kit/skin_button.h"
#include "ui/kit/skin_look.h"
#include "ui/kit/ui_text.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>

namespace velka {
namespace {

constexpr int kHelpBitmap = 177;
constexpr int kEraseBitmap = 178;
constexpr QRect kInformationRect{0, 580, kPageSize.width(), 40};
constexpr QSize kButtonSize{96, 53};
constexpr int kButtonTop = 500;
constexpr int kHelpLeftBesideErase = 340;
constexpr int kEraseLeft = 440;
constexpr int kHelpLeftAlone = 390;
constexpr QRect kSubtitleRect{0, 418, kPageSize.width(), 28};
// "Temperature Unit：" and its chooser, centred under the product lines.
constexpr QRect kUnitLabelRect{240, 642, 185, 28};
constexpr QRect kUnitChooserRect{430, 642, 140, 28};
constexpr QRect kCentralStatusRect{0, 674, kPageSize.width(), 22};

// A button whose picture holds its icon; its word, in the user's language, right of it.
CxSkinButton* MakeButton(int bitmapId, const QString& word, int wordLeft, const QColor& colour,
                         QWidget* parent) {
    auto* button = new CxSkinButton(parent);
    button->ApplySkin(bitmapId, bitmapId, bitmapId, bitmapId, bitmapId, true);
    button->resize(kButtonSize);
    button->setText(word);
    button->SetCaptionColor(colour);
    button->SetCaptionLook(
        {QRect(wordLeft, 0, kButtonSize.width() - wordLeft - 2, kButtonSize.height()),
         skin_art::WordFont(15), colour, Qt::AlignVCenter | Qt::AlignLeft});
    return button;
}

}  // namespace

CDlgSysInfo::CDlgSysInfo(AcquisitionController& controller, SessionNotifier& notifier,
                         MessageService& messages, const QString& information,
                         std::filesystem::path helpIndex, QWidget* parent)
    : QWidget(parent), controller_(controller), messages_(messages),
      helpIndex_(std::move(helpIndex)),
      openUrl_([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
    setFixedSize(kPageSize);

    // White on the dark background, read-only but selectable, as a read-only edit field is.
    information_ = new QLabel(this);
    information_->setGeometry(kInformationRect);
    information_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    information_->setTextFormat(Qt::PlainText);
    information_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    information_->setStyleSheet(QStringLiteral("color: #ffffff; background: transparent;"));
    information_->setText(information);

    QLabel* unitLabel =
        PlaceWhiteLabel(*this, TrQ("SystemPage", "Temperature Unit："), kUnitLabelRect);
    unitLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    unitChooser_ = new QComboBox(this);
    unitLabel->setFont(unitChooser_->font());
    unitChooser_->setObjectName(QStringLiteral("temperatureUnit"));
    unitChooser_->setGeometry(kUnitChooserRect);
    unitChooser_->setAccessibleName(TrQ("SystemPage", "Temperature Unit"));
    for (const TemperatureUnit unit : {TemperatureUnit::Celsius, TemperatureUnit::Fahrenheit})
        unitChooser_->addItem(TrQ(UnitName(unit)), static_cast<int>(unit));
    ShowUnit();
    connect(unitChooser_, &QComboBox::currentIndexChanged, this, [this] {
        controller_.SetUnit(static_cast<TemperatureUnit>(unitChooser_->currentData().toInt()));
    });
    connect(&notifier, &SessionNotifier::temperatureUnitChanged, this, &CDlgSysInfo::ShowUnit);

    centralStatus_ = PlaceWhiteLabel(*this, QString(), kCentralStatusRect);
    centralStatus_->setObjectName(QStringLiteral("centralStatus"));
    centralStatus_->setAlignment(Qt::AlignCenter);
    centralStatus_->hide();

    // What the program is, under its name on the page's picture.
    auto* subtitle = new QLabel(TrQ("SystemPage", "Temperature data logger companion"), this);
    subtitle->setGeometry(kSubtitleRect);
    subtitle->setAlignment(Qt::AlignCenter);
    subtitle->setFont(skin_art::WordFont(17, false));
    subtitle->setStyleSheet(QStringLiteral("color: #a9baca; background: transparent;"));

    helpButton_ = MakeButton(kHelpBitmap, TrQ("SystemPage", "Help"), 40, skin_art::kOnAccent, this);
    helpButton_->SetTipText(TrQ("SystemPage", "Help"));
    eraseButton_ =
        MakeButton(kEraseBitmap, TrQ("SystemPage", "Erase"), 39, skin_art::kTileText, this);
    eraseButton_->setAccessibleName(TrQ("SystemPage", "Erase"));
    eraseButton_->SetTipText(TrQ("SystemPage", "Empty all data of the logger"));
    eraseButton_->setAccessibleDescription(eraseButton_->toolTip());
    connect(helpButton_, &QAbstractButton::clicked, this, &CDlgSysInfo::OpenHelp);
    connect(eraseButton_, &QAbstractButton::clicked, this, &CDlgSysInfo::ConfirmErase);

    // The logger was read, could not be read, or was pulled out.
    connect(&notifier, &SessionNotifier::loggerAttached, this, &CDlgSysInfo::UpdateSystemPage);
    connect(&notifier, &SessionNotifier::loggerDetached, this, &CDlgSysInfo::UpdateSystemPage);
    connect(&notifier, &SessionNotifier::recordCleared, this, &CDlgSysInfo::UpdateSystemPage);
    UpdateSystemPage();
}

void CDlgSysInfo::ShowCentralStatus(const QString& text, const QString& detail) {
    centralStatus_->setText(text);
    centralStatus_->setToolTip(detail);
    centralStatus_->setAccessibleName(text);
    centralStatus_->setVisible(!text.isEmpty());
}

void CDlgSysInfo::UpdateSystemPage() {
    const bool offered = controller_.EraseOffered();
    eraseButton_->setVisible(offered);
    eraseButton_->move(kEraseLeft, kButtonTop);
    helpButton_->move(offered ? kHelpLeftBesideErase : kHelpLeftAlone, kButtonTop);
}

void CDlgSysInfo::ShowUnit() {
    const QSignalBlocker blocker(unitChooser_);
    unitChooser_->setCurrentIndex(unitChooser_->findData(static_cast<int>(controller_.Unit())));
}

void CDlgSysInfo::OpenHelp() {
    // A missing guide is the browser's to report; only a desktop that has nothing at all to
    // open a web page with is told here, instead of a click that does nothing.
    if (!openUrl_(QUrl::fromLocalFile(QString::fromStdString(helpIndex_.string()))))
        messages_.ShowMessage(WithArguments(Tr("SystemPage", "The user guide cannot be opened: %1"),
                                            {MessagePath(helpIndex_)}),
                              MessageIcon::Warning, MessageButtons::Ok);
}

void CDlgSysInfo::ConfirmErase() {
    if (messages_.ShowMessage(Tr("SystemPage", "Empty All Data?"), MessageIcon::Warning,
                              MessageButtons::OkCancel) == MessageAnswer::Ok)
        emit eraseConfirmed();
}

void CDlgSysInfo::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintSkinBackground(painter, rect(), kSystemPageBitmap);
}

}  // namespace velka
