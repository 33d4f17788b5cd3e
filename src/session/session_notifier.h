#pragma once
// The session's notifications as Qt signals, so that any number of pages can listen: the one
// SessionObserver of the controller re-emits each notification as the signal of the same name.
// Pages read the state through the controller's const accessors after a signal.

#include "session/session_observer.h"

#include <QObject>

namespace velka {

class AcquisitionController;

class SessionNotifier final : public QObject, public SessionObserver {
    Q_OBJECT
public:
    // Becomes the controller's observer; the notifier must outlive its use by the controller.
    explicit SessionNotifier(AcquisitionController& controller, QObject* parent = nullptr);
    ~SessionNotifier() override;

    void RecordCleared() override { emit recordCleared(); }
    void SettingsChanged() override { emit settingsChanged(); }
    void LoggerAttached() override { emit loggerAttached(); }
    void LoggerDetached() override { emit loggerDetached(); }
    void RecordDecoded() override { emit recordDecoded(); }
    void ProductsLoaded() override { emit productsLoaded(); }
    void HistoryRefreshRequested() override { emit historyRefreshRequested(); }
    void SettingsWritten(bool success) override { emit settingsWritten(success); }
    void ChartViewChanged() override { emit chartViewChanged(); }
    void AnalysisChoiceChanged() override { emit analysisChoiceChanged(); }
    void TemperatureUnitChanged() override { emit temperatureUnitChanged(); }

signals:
    void recordCleared();
    void settingsChanged();
    void loggerAttached();
    void loggerDetached();
    void recordDecoded();
    void productsLoaded();
    void historyRefreshRequested();
    void settingsWritten(bool success);
    void chartViewChanged();
    void analysisChoiceChanged();
    void temperatureUnitChanged();

private:
    AcquisitionController& controller_;
};

}  // namespace velka
