#pragma once
// The record table page: the samples of the loaded recording, 35 rows a page, with samples
// beyond the alarm limits in red; paging, Go, the page count, queries by time or by
// temperature, and the selected rows copied with Ctrl+C.

#include "record/logger_settings.h"
#include "record/sample_decoding.h"
#include "services/clock.h"
#include "services/message_service.h"
#include "ui/models/record_table.h"
#include "ui/models/record_table_model.h"

#include <QWidget>

class QButtonGroup;
class QDateTimeEdit;
class QHeaderView;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velka {

class AcquisitionController;
class CLineColorList;
class SessionNotifier;

class CDlgTable final : public QWidget {
    Q_OBJECT

public:
    // A panel of 860 x 700. It lists the session's decoded record, and each one decoded after;
    // the pickers start at the clock's present time. Numbers and dates in `forms`.
    CDlgTable(const AcquisitionController& controller, SessionNotifier& notifier,
              MessageService& messages, const Clock& clock, const ShownForms& forms = kFixedForms,
              QWidget* parent = nullptr);

    // Takes a copy of the session's decoded samples (and of the settings their times come
    // from) and lists it. The page position stays: after a shorter recording the page shown
    // may be empty until the user pages back.
    void ShowSamples();

    // The list's column titles, which the workbook's sample table takes for its head.
    const QHeaderView* SampleListHeader() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void CreateControls();
    void ConnectControls();
    // Reads the two temperature bounds back from their fields and returns the page number
    // typed. A refused field keeps its value and stops the reading there.
    std::int32_t ReadBoundFields();
    void RefreshBoundFields();
    // After every change of the page or of the samples shown.
    void FillList();

    const AcquisitionController& controller_;
    MessageService& messages_;
    const ShownForms forms_;

    // The page's own copy of the last decoded record: a later arrival that fails to read
    // leaves it listed.
    SampleList samples_;
    LoggerSettings settings_;
    RecordTable table_{samples_, settings_, forms_};
    RecordTableModel model_{table_};

    CLineColorList* list_ = nullptr;
    QLineEdit* pageNumberEdit_ = nullptr;
    QLineEdit* pageCountEdit_ = nullptr;
    QButtonGroup* queryModeGroup_ = nullptr;
    QDateTimeEdit* fromPicker_ = nullptr;
    QDateTimeEdit* toPicker_ = nullptr;
    QLabel* maxTemperatureLabel_ = nullptr;
    QLabel* minTemperatureLabel_ = nullptr;
    QLineEdit* maxTemperatureEdit_ = nullptr;
    QLineEdit* minTemperatureEdit_ = nullptr;
    QPushButton* homeButton_ = nullptr;
    QPushButton* previousButton_ = nullptr;
    QPushButton* nextButton_ = nullptr;
    QPushButton* lastButton_ = nullptr;
    QPushButton* goButton_ = nullptr;
    QPushButton* queryButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace velka
