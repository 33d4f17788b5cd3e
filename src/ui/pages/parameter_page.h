#pragma once
// The parameter page: the settings of the logger that was read (or of a stored recording loaded
// from the history), the product information list and the transport information. Write stores
// them in the logger; Load takes the products and the transport information over from a stored
// file. The page follows the session through its signals: a logger arrives, its fields are
// cleared; after a read they show the new settings, limits and products; the logger goes, the
// lock rule runs.

#include "record/logger_settings.h"
#include "record/temperature_unit.h"
#include "services/clock.h"
#include "services/message_service.h"
#include "ui/pages/product_editor.h"

#include <QWidget>
#include <filesystem>
#include <functional>

class QComboBox;
class QDateTimeEdit;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velka {

class AcquisitionController;
class SessionNotifier;
class SpinButtons;

class CDlgParameters final : public QWidget {
public:
    // Asks the user for a stored image to load: the chosen path, or an empty text on Cancel.
    using OpenFileChooser =
        std::function<QString(QWidget* parent, const QString& folder, const QString& filter)>;

    // `checkWpEnable` is the "Check WP Enable" setting; Load opens its dialog in
    // `archiveFolder`. Everything given by reference must outlive the page.
    CDlgParameters(AcquisitionController& controller, SessionNotifier& notifier,
                   MessageService& messages, const Clock& clock, int checkWpEnable,
                   std::filesystem::path archiveFolder, const ShownForms& forms = kFixedForms,
                   QWidget* parent = nullptr);

    // Replaces the file dialog of Load (tests answer it).
    void SetOpenFileChooser(OpenFileChooser chooser) { chooseFile_ = std::move(chooser); }
    // Runs the Write's transfer to the logger; by default at once. The window hands it to its
    // queue of logger tasks, so that a plug-in heard meanwhile waits for the write to end.
    using LoggerTaskRunner = std::function<void(std::function<void()>)>;
    void SetLoggerTaskRunner(LoggerTaskRunner runner) { runLoggerTask_ = std::move(runner); }

    // What the session's signals run.
    void LoadFromImage();
    void ReloadLimits();
    void LoadProducts();
    void ClearFields();
    void ApplyLock();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void BuildParameterSection();
    void BuildTransportSection();
    void SetEditingEnabled(bool enabled);
    void ShowTransportFields();
    void ShowStoredRecordingNote();
    LoggerSettings FieldValues() const;
    // The limit fields in the session's unit: each keeps the whole °C it holds, and its spin
    // buttons step through whole °C shown in that unit.
    void ShowUnit();
    void ShowLimits(double upperCelsius, double lowerCelsius);
    int LimitCelsius(const QLineEdit& field) const;
    void Write();
    void ShowWriteOutcome(bool success);
    void Load();

    AcquisitionController& controller_;
    MessageService& messages_;
    const ShownForms forms_;
    const int checkWpEnable_;
    const std::filesystem::path archiveFolder_;
    OpenFileChooser chooseFile_;
    LoggerTaskRunner runLoggerTask_ = [](const std::function<void()>& task) { task(); };

    // The settings of the last decode: what the Write stores for the fields the page does not
    // edit (start offset, calibration word, serial number, LED blink interval).
    LoggerSettings settings_;
    bool locked_ = false;
    bool importing_ = false;
    TemperatureUnit shownUnit_ = TemperatureUnit::Celsius;

    QLabel* storedRecordingNote_ = nullptr;
    QLabel* upperUnit_ = nullptr;
    QLabel* lowerUnit_ = nullptr;
    QLineEdit* serial_;
    QComboBox* startDelay_;
    QLineEdit* upperLimit_;
    SpinButtons* upperSpin_;
    QComboBox* logInterval_;
    QLineEdit* shutdownMode_;
    QComboBox* alarmDelay_;
    QLineEdit* lowerLimit_;
    SpinButtons* lowerSpin_;
    QLineEdit* logCycle_;

    ProductEditor* products_;

    QLineEdit* deliveryCompany_;
    QLineEdit* receivingCompany_;
    QLineEdit* transportCompany_;
    QLineEdit* transportNumber_;
    QDateTimeEdit* deliveryDate_;
    QPushButton* write_;
    QPushButton* load_;
};

}  // namespace velka
