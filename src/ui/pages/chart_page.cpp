#include "ui/pages/chart_page.h"

#include "analysis/alarm_profiles.h"
#include "chart/chart_texts.h"
#include "chart/chart_view.h"
#include "reports/report_texts.h"
#include "session/acquisition_controller.h"
#include "session/session_notifier.h"
#include "ui/kit/page_background.h"
#include "ui/kit/page_geometry.h"
#include "ui/kit/skin_button.h"
#include "ui/kit/ui_text.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <cstring>

namespace velka {
namespace {

constexpr int kTextLeft = 10;
constexpr int kTextWidth = 840;
constexpr int kZoomButtonTop = 645;
constexpr int kZoomButtonSize = 51;
// The logging summary holds four lines: the statistics and the analysis. The chart frame gives
// its top to the two analysis lines and keeps its bottom above the zoom buttons.
constexpr int kSummaryHeight = 78;
constexpr int kAnalysisLinesHeight = 34;
// The choosers, left and right of the zoom buttons.
constexpr int kChooserLabelTop = 646;
constexpr int kChooserTop = 666;
constexpr int kChooserHeight = 26;
constexpr QRect kProfileChooser{kTextLeft, kChooserTop, 250, kChooserHeight};
constexpr QRect kEnergyChooser{660, kChooserTop, 190, kChooserHeight};
// A tab advances to the next multiple of 48 pixels, the classic stop of a multi-line edit, so
// that the columns of the two texts line up as their tabs intend.
constexpr qreal kTabStopPixels = 48;

// The plot keeps 36 pixels free on the left of the frame, 21 at the top and 31 on the right
// and at the bottom.
PlotRect PlotRectOfFrame(const QRect& frame) {
    return {frame.left() + 36, frame.top() + 21, frame.left() + frame.width() - 31,
            frame.top() + frame.height() - 31};
}

// The texts end their lines with CR LF; the edit wants bare line feeds and no empty last line.
QString DisplayText(const std::string& text) {
    QString display = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    display.replace(TrQ("ChartPage", "\r\n"), TrQ("ChartPage", "\n"));
    if (display.endsWith(QLatin1Char('\n')))
        display.chop(1);
    return display;
}

QPlainTextEdit* MakeTextField(QWidget* parent, const QRect& geometry) {
    auto* field = new QPlainTextEdit(parent);
    field->setGeometry(geometry);
    field->setReadOnly(true);
    field->setLineWrapMode(QPlainTextEdit::NoWrap);
    field->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    field->setTabStopDistance(kTabStopPixels);
    return field;
}

QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

// The skin of a zoom button: its picture at rest, which also serves under the mouse, when
// disabled and with the focus, and its picture while pressed.
struct ZoomButton {
    int left;
    int normalBitmap;
    int downBitmap;
    UiText tooltip;
    bool (*operation)(LogSummary& summary, std::size_t sampleCount);
};

constexpr ZoomButton kZoomButtons[] = {
    {270, 166, 167, VELKA_TEXT("ChartPage", "Lateral Reduction"), &LateralReduction},
    {350, 160, 161, VELKA_TEXT("ChartPage", "Lateral Magnification"),
     [](LogSummary& summary, std::size_t) { return LateralMagnification(summary); }},
    {430, 168, 169, VELKA_TEXT("ChartPage", "Overall Magnification"),
     [](LogSummary& summary, std::size_t) { return OverallMagnification(summary); }},
    {510, 170, 171, VELKA_TEXT("ChartPage", "Overall Reduction"), &OverallReduction},
    {590, 174, 173, VELKA_TEXT("ChartPage", "Restore"), &RestoreView},
};

}  // namespace

CDlgGraph::CDlgGraph(AcquisitionController& session, SessionNotifier& notifier,
                     const ShownForms& forms, QWidget* parent)
    : QWidget(parent), session_(session), forms_(forms) {
    setFixedSize(kPageSize);
    setMouseTracking(true);

    MakeLabel(this, TrQ(kDeviceInformationHeading) + TrQ("ChartPage", "："),
              QRect(kTextLeft, 6, kTextWidth, 18));
    deviceInformation_ = MakeTextField(this, QRect(kTextLeft, 26, kTextWidth, 58));
    MakeLabel(this, TrQ(kLoggingSummaryHeading) + TrQ("ChartPage", "："),
              QRect(kTextLeft, 90, kTextWidth, 18));
    loggingSummary_ = MakeTextField(this, QRect(kTextLeft, 110, kTextWidth, kSummaryHeight));

    auto* chartFrame = new QFrame(this);
    chartFrame->setGeometry(kChartFrameLeft, kChartFrameTop + kAnalysisLinesHeight,
                            kChartFrameWidth, kChartFrameHeight - kAnalysisLinesHeight);
    chartFrame->setFrameShape(QFrame::Box);
    // The chart under the frame takes the mouse.
    chartFrame->setAttribute(Qt::WA_TransparentForMouseEvents);
    plotRect_ = PlotRectOfFrame(chartFrame->geometry());

    AddZoomButtons();
    AddAnalysisChoosers();
    // Tab goes along the row under the chart from left to right: the profile, the five zoom
    // buttons, the activation energy.
    QWidget* previous = alarmProfile_;
    for (auto* button : findChildren<CxSkinButton*>(Qt::FindDirectChildrenOnly)) {
        setTabOrder(previous, button);
        previous = button;
    }
    setTabOrder(previous, activationEnergy_);
    // The page hears of no move once the mouse is over one of its controls: entering one is
    // leaving the chart.
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        control->installEventFilter(this);

    connect(&notifier, &SessionNotifier::recordDecoded, this, [this] {
        LayoutAgain();
        RefreshChartPage();
    });
    connect(&notifier, &SessionNotifier::recordCleared, this, &CDlgGraph::LayoutAgain);
    connect(&notifier, &SessionNotifier::chartViewChanged, this, &CDlgGraph::LayoutAgain);
    connect(&notifier, &SessionNotifier::temperatureUnitChanged, this, [this] {
        LayoutAgain();
        if (!session_.CurrentRecording().record.samples.empty())
            RefreshChartPage();
    });
    connect(&notifier, &SessionNotifier::analysisChoiceChanged, this, [this] {
        ShowAnalysisChoice();
        if (!session_.CurrentRecording().record.samples.empty())
            RefreshChartPage();
    });

    LayoutAgain();
    if (!session_.CurrentRecording().record.samples.empty())
        RefreshChartPage();
}

void CDlgGraph::AddZoomButtons() {
    for (const ZoomButton& spec : kZoomButtons) {
        auto* button = new CxSkinButton(this);
        button->ApplySkin(spec.normalBitmap, spec.downBitmap, spec.normalBitmap, spec.normalBitmap,
                          spec.normalBitmap, false);
        button->SetTipText(TrQ(spec.tooltip));
        button->setGeometry(spec.left, kZoomButtonTop, kZoomButtonSize, kZoomButtonSize);
        // Tab reaches the zoom buttons, Space presses them; a click takes no focus.
        button->setFocusPolicy(Qt::TabFocus);
        const ViewOperation operation = spec.operation;
        connect(button, &QAbstractButton::clicked, this,
                [this, operation] { ChangeView(operation); });
    }
}

void CDlgGraph::AddAnalysisChoosers() {
    MakeLabel(this, TrQ("ChartPage", "Alarm Profile："),
              QRect(kProfileChooser.left(), kChooserLabelTop, kProfileChooser.width(), 18));
    alarmProfile_ = new QComboBox(this);
    alarmProfile_->setGeometry(kProfileChooser);
    alarmProfile_->setAccessibleName(TrQ("ChartPage", "Alarm Profile"));
    for (const std::string& name : AlarmProfileNames())
        alarmProfile_->addItem(QString::fromStdString(AlarmProfileTitle(name)),
                               QString::fromStdString(name));

    MakeLabel(this, TrQ("ChartPage", "MKT Activation Energy："),
              QRect(kEnergyChooser.left(), kChooserLabelTop, kEnergyChooser.width(), 18));
    activationEnergy_ = new QDoubleSpinBox(this);
    activationEnergy_->setGeometry(kEnergyChooser);
    activationEnergy_->setAccessibleName(TrQ("ChartPage", "MKT Activation Energy"));
    activationEnergy_->setRange(kLowestActivationEnergy, kHighestActivationEnergy);
    activationEnergy_->setDecimals(3);
    activationEnergy_->setSingleStep(1.0);
    activationEnergy_->setSuffix(TrQ("ChartPage", " kJ/mol"));
    // A value typed in counts once it is complete (Enter or leaving the field), not at every key.
    activationEnergy_->setKeyboardTracking(false);

    ShowAnalysisChoice();
    connect(alarmProfile_, &QComboBox::currentIndexChanged, this, &CDlgGraph::ChooseAnalysis);
    connect(activationEnergy_, &QDoubleSpinBox::valueChanged, this, &CDlgGraph::ChooseAnalysis);
}

void CDlgGraph::ShowAnalysisChoice() {
    const AnalysisChoice& choice = session_.Analysis();
    const QSignalBlocker profileBlocker(alarmProfile_);
    const QSignalBlocker energyBlocker(activationEnergy_);
    alarmProfile_->setCurrentIndex(alarmProfile_->findData(QString::fromStdString(choice.profile)));
    activationEnergy_->setValue(choice.activationEnergy);
}

void CDlgGraph::ChooseAnalysis() {
    session_.SetAnalysisChoice(
        {activationEnergy_->value(), alarmProfile_->currentData().toString().toStdString()});
}

void CDlgGraph::RefreshChartPage() {
    const Recording& recording = session_.CurrentRecording();
    const TemperatureUnit unit = session_.Unit();
    deviceInformation_->setPlainText(
        DisplayText(DeviceInformationText(shown_.settings, unit, forms_)));
    std::string summary = LoggingSummaryText(shown_, unit, forms_);
    // The analysis works in °C; its texts show the unit.
    if (const auto analysis = AnalyseRecording(recording, session_.Analysis()))
        summary += AnalysisSummaryText(*analysis, recording, unit, forms_);
    loggingSummary_->setPlainText(DisplayText(summary));
    update();
}

std::string CDlgGraph::HoverLabelText() const {
    return velka::HoverLabelText(Scene());
}

void CDlgGraph::ChangeView(ViewOperation operation) {
    const SampleList& samples = session_.CurrentRecording().record.samples;
    // Without samples there is no chart to zoom.
    if (samples.empty())
        return;
    LogSummary view = session_.CurrentRecording().record.summary;
    if (operation(view, samples.size()))
        session_.SetChartView(view);
}

void CDlgGraph::LayoutAgain() {
    shown_ = ShownIn(session_.CurrentRecording(), session_.Unit());
    layout_ = LayoutChart(shown_, PlotSize{plotRect_.Width(), plotRect_.Height()});
    chartBaseValid_ = false;
    Repaint(ChartRepaint::Page);
}

void CDlgGraph::Repaint(ChartRepaint what) {
    // Nothing outside the canvas changes with the view or the pointer.
    if (what == ChartRepaint::PlotArea)
        update(QRect(plotRect_.left, plotRect_.top, plotRect_.Width(), plotRect_.Height()));
    else if (what == ChartRepaint::Page)
        update(CanvasRect());
}

void CDlgGraph::ClearHover() {
    if (!pointer_.hoverOn)
        return;
    pointer_.hoverOn = false;
    Repaint(ChartRepaint::PlotArea);
}

ChartScene CDlgGraph::Scene() const {
    return ChartScene{shown_, layout_, pointer_, plotRect_, session_.Unit(), forms_};
}

QRect CDlgGraph::CanvasRect() const {
    return QRect(plotRect_.left - kCanvasPlotOffsetX, plotRect_.top - kCanvasPlotOffsetY,
                 CanvasWidth(layout_.plot), CanvasHeight(layout_.plot));
}

void CDlgGraph::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect canvasRect = CanvasRect();
    if (!canvasRect.contains(event->rect()))
        PaintPageBackground(painter, rect());
    if (!event->region().intersects(canvasRect))
        return;

    const ChartScene scene = Scene();
    const qreal ratio = devicePixelRatioF();
    if (!chartBaseValid_ || chartBase_.devicePixelRatio() != ratio) {
        chartBase_ = QImage(canvasRect.size() * ratio, QImage::Format_RGB32);
        chartBase_.setDevicePixelRatio(ratio);
        chartBase_.fill(Qt::white);
        QPainter basePainter(&chartBase_);
        DrawChartBase(basePainter, scene);
        chartBaseValid_ = true;
    }
    if (canvas_.size() != chartBase_.size()) {
        canvas_ = QImage(chartBase_.size(), chartBase_.format());
        canvas_.setDevicePixelRatio(ratio);
    }
    std::memcpy(canvas_.bits(), chartBase_.constBits(),
                static_cast<std::size_t>(chartBase_.sizeInBytes()));
    {
        QPainter canvasPainter(&canvas_);
        DrawChartMarks(canvasPainter, scene);
    }
    painter.drawImage(canvasRect.topLeft(), canvas_);
}

void CDlgGraph::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    const bool wasShown = pointer_.hoverOn;
    const ChartRepaint repaint = PointerMoved(pointer_, plotRect_, point.x(), point.y());
    // A move that neither shows nor hides nor moves a marker changes no pixel.
    if (wasShown || pointer_.hoverOn)
        Repaint(repaint);
}

void CDlgGraph::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    Repaint(LeftButtonPressed(pointer_, plotRect_, point.x(), point.y()));
}

void CDlgGraph::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    const SampleList& samples = session_.CurrentRecording().record.samples;
    LogSummary view = session_.CurrentRecording().record.summary;
    if (LeftButtonReleased(pointer_, view, samples.size(), plotRect_, point.x(), point.y()) &&
        !samples.empty())
        session_.SetChartView(view);
}

bool CDlgGraph::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter)
        ClearHover();
    return QWidget::eventFilter(watched, event);
}

void CDlgGraph::leaveEvent(QEvent* event) {
    ClearHover();
    QWidget::leaveEvent(event);
}

void CDlgGraph::hideEvent(QHideEvent* event) {
    ClearHover();
    pointer_.dragging = false;
    QWidget::hideEvent(event);
}

}  // namespace velka
