#pragma once
// The system page, the first page of the main window: the product and company lines of the
// settings (`information`, two lines), the unit in which temperatures are shown, a button that
// opens the user guide, and, only while a logger that allows it is plugged in, a button that
// empties the logger's memory after a confirmation.

#include <QUrl>
#include <QWidget>
#include <filesystem>
#include <functional>

class QComboBox;
class QLabel;

namespace velka {

class AcquisitionController;
class CxSkinButton;
class MessageService;
class SessionNotifier;

class CDlgSysInfo final : public QWidget {
    Q_OBJECT
public:
    CDlgSysInfo(AcquisitionController& controller, SessionNotifier& notifier,
                MessageService& messages, const QString& information,
                std::filesystem::path helpIndex, QWidget* parent);

    // Shows the erase button while the session offers the erase (the logger that was read is
    // still plugged in and its serial number is above 0x800000) and places the buttons: side by
    // side, or the help button alone in the middle.
    void UpdateSystemPage();

    // How the user guide is opened (QDesktopServices::openUrl; tests record the address).
    void SetUrlOpener(std::function<bool(const QUrl&)> opener) { openUrl_ = std::move(opener); }

    CxSkinButton* HelpButton() const { return helpButton_; }
    CxSkinButton* EraseButton() const { return eraseButton_; }
    QLabel* InformationField() const { return information_; }
    QComboBox* UnitChooser() const { return unitChooser_; }
    // The line on the central archive's uploads at the foot of the page, with the last failure
    // as its tooltip; hidden while there is none (no central archive is named).
    void ShowCentralStatus(const QString& text, const QString& detail);
    const QLabel* CentralStatus() const { return centralStatus_; }

signals:
    // The user confirmed "Empty All Data?": the main window empties the logger.
    void eraseConfirmed();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void OpenHelp();
    void ConfirmErase();
    void ShowUnit();

    AcquisitionController& controller_;
    MessageService& messages_;
    std::filesystem::path helpIndex_;
    std::function<bool(const QUrl&)> openUrl_;
    QLabel* information_ = nullptr;
    QComboBox* unitChooser_ = nullptr;
    QLabel* centralStatus_ = nullptr;
    CxSkinButton* helpButton_ = nullptr;
    CxSkinButton* eraseButton_ = nullptr;
};

}  // namespace velka
