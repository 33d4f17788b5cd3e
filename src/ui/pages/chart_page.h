#pragma once
// The chart page: the logger's device information and logging summary (with the cold-chain
// analysis) above the chart of the recording, five zoom buttons below it between the choosers of
// the alarm profile and the MKT's activation energy, a hover label that follows the mouse and
// panning by dragging with the left button. The view (window of samples and temperature range)
// belongs to the session; the page changes it only through the session and lays itself out again
// when the session says the view or the record changed.

#include "chart/chart_drawing.h"
#include "chart/chart_geometry.h"
#include "chart/chart_layout.h"
#include "chart/chart_pointer.h"

#include <QImage>
#include <QWidget>
#include <string>

class QAbstractButton;
class QComboBox;
class QDoubleSpinBox;
class QPlainTextEdit;

namespace velka {

class AcquisitionController;
class SessionNotifier;

class CDlgGraph final : public QWidget {
    Q_OBJECT
public:
    // The page keeps both references; both must outlive it.
    // Numbers and dates in `forms`.
    CDlgGraph(AcquisitionController& session, SessionNotifier& notifier,
              const ShownForms& forms = kFixedForms, QWidget* parent = nullptr);

    // The plot area in the page's coordinates: the chart frame less the room for the labels.
    const PlotRect& plotRect() const { return plotRect_; }
    // Sets the device information and the logging summary and repaints the page. Runs after
    // every decode (a read or a recording loaded from the history).
    void RefreshChartPage();
    // The label the hover marker shows now (empty while none is shown).
    std::string HoverLabelText() const;
    const ChartPointerState& Pointer() const { return pointer_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    using ViewOperation = bool (*)(LogSummary& summary, std::size_t sampleCount);

    void AddZoomButtons();
    void AddAnalysisChoosers();
    // The choosers show the session's choice, without handing it back.
    void ShowAnalysisChoice();
    void ChooseAnalysis();
    // Runs a zoom or restore on a copy of the session's view and hands a change to the session.
    void ChangeView(ViewOperation operation);
    // LayoutChart of the session's record and view; the cached chart is drawn anew.
    void LayoutAgain();
    void Repaint(ChartRepaint what);
    // The hover marker is switched off: after the mouse left the page or the page was hidden,
    // nothing shows a sample the mouse no longer points at.
    void ClearHover();
    ChartScene Scene() const;
    QRect CanvasRect() const;

    AcquisitionController& session_;
    const ShownForms forms_;
    QPlainTextEdit* deviceInformation_;
    QPlainTextEdit* loggingSummary_;
    QComboBox* alarmProfile_ = nullptr;
    QDoubleSpinBox* activationEnergy_ = nullptr;
    PlotRect plotRect_;

    // The session's recording in the unit shown, and its layout.
    Recording shown_;
    ChartLayout layout_;
    ChartPointerState pointer_;
    // The chart without the marks that follow the mouse, drawn anew only after a layout; each
    // paint copies it into the canvas and draws the hover marker, limits and readout over it.
    QImage chartBase_;
    bool chartBaseValid_ = false;
    QImage canvas_;
};

}  // namespace velka
