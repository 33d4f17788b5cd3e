// The chart page driven as a user drives it: the zoom buttons, the hover label, dragging, the
// mouse leaving the page, and what the page shows after a decode and for an empty record.

#include "chart/chart_view.h"
#include "loaded_session.h"
#include "local_zone.h"
#include "record/string_format.h"
#include "ui/pages/chart_page.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <tuple>

namespace velka {
namespace {

const QRgb kHoverPixel = qRgb(64, 64, 228);

// Remembers the areas the page repainted.
class PaintLog final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            areas.push_back(static_cast<QPaintEvent*>(event)->rect());
        return false;
    }
    bool Covered(const QRect& area) const {
        return std::any_of(areas.begin(), areas.end(),
                           [&](const QRect& painted) { return painted.contains(area); });
    }
    std::vector<QRect> areas;
};

using View = std::tuple<std::int32_t, std::int32_t, std::int32_t, std::int32_t>;

View ViewOf(const LogSummary& summary) {
    return {summary.viewFirst, summary.viewLast, summary.chartMinInt, summary.chartMaxInt};
}

class ChartPage : public ::testing::Test {
protected:
    ChartPage() : zone_("UTC0") {}

    void Open(std::size_t sampleCount) {
        session.Load(sampleCount);
        // The page sits in a window beside a button, as in the main window.
        window.setFixedSize(1000, 700);
        page = new CDlgGraph(session.controller, session.notifier, kFixedForms, &window);
        page->move(140, 0);
        exportButton = new QPushButton(QStringLiteral("Save PDF"), &window);
        exportButton->setGeometry(10, 10, 86, 86);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        page->installEventFilter(&paints);
    }

    QAbstractButton* Button(const QString& tooltip) const {
        for (QAbstractButton* button : page->findChildren<QAbstractButton*>())
            if (button->toolTip() == tooltip)
                return button;
        ADD_FAILURE() << "no button " << tooltip.toStdString();
        return nullptr;
    }

    QRect CanvasRect() const {
        const PlotRect& plot = page->plotRect();
        return {plot.left - 35, plot.top - 20, plot.Width() + 65, plot.Height() + 50};
    }
    QPoint InPlot(int dx, int dy) const {
        return {page->plotRect().left + dx, page->plotRect().top + dy};
    }

    // What the page shows over its chart frame, and what DrawChart makes of the session's
    // record and view with the given pointer.
    QImage ShownCanvas() const {
        return page->grab(CanvasRect()).toImage().convertToFormat(QImage::Format_RGB32);
    }
    QImage DrawnCanvas(ChartPointerState pointer = {}) const {
        const PlotRect& plot = page->plotRect();
        const ChartLayout layout =
            LayoutChart(session.Current(), PlotSize{plot.Width(), plot.Height()});
        return RenderChartCanvas(ChartScene{session.Current(), layout, pointer, plot})
            .convertToFormat(QImage::Format_RGB32);
    }
    int HoverPixelsInColumn(const QImage& canvas, int x) const {
        int count = 0;
        for (int y = 0; y < canvas.height(); ++y)
            count += canvas.pixel(x, y) == kHoverPixel;
        return count;
    }

    testing::LocalZone zone_;
    testing::LoadedSession session;
    QWidget window;
    CDlgGraph* page = nullptr;
    QPushButton* exportButton = nullptr;
    PaintLog paints;
};

TEST_F(ChartPage, ZoomButtonsChangeTheViewAsTheViewOperationsSayAndRepaint) {
    Open(100);
    const std::size_t n = session.Current().record.samples.size();
    ASSERT_EQ(n, 100u);
    EXPECT_EQ(page->geometry(), QRect(140, 0, 860, 700));
    // The frame at (10, 194), 840 x 446 (below the four summary lines), less 36, 21, 31 and 31
    // pixels.
    const PlotRect& plot = page->plotRect();
    EXPECT_EQ(std::make_tuple(plot.left, plot.top, plot.right, plot.bottom),
              std::make_tuple(46, 215, 819, 609));
    using Operation = bool (*)(LogSummary&, std::size_t);
    const auto narrow = [](LogSummary& s, std::size_t) { return LateralMagnification(s); };
    const auto magnify = [](LogSummary& s, std::size_t) { return OverallMagnification(s); };
    // Clicked with the mouse, or pressed with Space once Tab has brought the focus there.
    const std::vector<std::tuple<QString, int, Operation, bool>> steps = {
        {"Lateral Magnification", 350, narrow, false},
        {"Lateral Reduction", 270, LateralReduction, true},
        {"Overall Magnification", 430, magnify, false},
        {"Overall Reduction", 510, OverallReduction, true},
        {"Overall Magnification", 430, magnify, true},
        {"Restore", 590, RestoreView, false},
    };
    std::vector<std::pair<std::int32_t, std::int32_t>> windows;
    for (const auto& [tooltip, left, operation, keyboard] : steps) {
        SCOPED_TRACE(tooltip.toStdString());
        QAbstractButton* button = Button(tooltip);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->geometry(), QRect(left, 645, 51, 51));
        LogSummary expected = session.Current().record.summary;
        ASSERT_TRUE(operation(expected, n));
        paints.areas.clear();
        if (keyboard) {
            button->setFocus(Qt::TabFocusReason);
            QTest::keyClick(button, Qt::Key_Space);
        } else {
            QTest::mouseClick(button, Qt::LeftButton);
            EXPECT_FALSE(button->hasFocus());  // a click leaves the focus where it was
        }
        QCoreApplication::processEvents();

        EXPECT_EQ(ViewOf(session.Current().record.summary), ViewOf(expected));
        EXPECT_TRUE(paints.Covered(CanvasRect()));
        EXPECT_EQ(ShownCanvas(), DrawnCanvas());
        windows.emplace_back(expected.viewFirst, expected.viewLast);
    }
    // A window of 0 to 100 becomes 15 to 79, and widening it again gives 1 to 92.
    EXPECT_EQ(windows[0], std::make_pair(15, 79));
    EXPECT_EQ(windows[1], std::make_pair(1, 92));
    EXPECT_EQ(windows.back(), std::make_pair(0, 100));
}

TEST_F(ChartPage, HoverShowsTheSampleUnderTheMouse) {
    Open(2016);  // every 5 minutes from 2024-04-24 00:00:00 UTC
    const SampleList& samples = session.Current().record.samples;
    const auto temperature = [&](std::size_t k) {
        return StringPrintf("%.1f", samples[k].temperature);
    };
    const PlotRect& plot = page->plotRect();
    struct Case {
        QPoint point;
        std::string label;  // empty: no label
        bool repainted;     // a move that neither shows, moves nor hides a marker changes nothing
    };
    const std::vector<Case> cases = {
        {InPlot(100, 50), "ID:262\r\nTemp:" + temperature(261) + "℃\r\nTime:2024-04-24\r\n21:45:00",
         true},
        {InPlot(0, 0), "ID:1\r\nTemp:" + temperature(0) + "℃\r\nTime:2024-04-24\r\n00:00:00", true},
        {{plot.right - 1, plot.bottom - 1},
         "ID:2014\r\nTemp:" + temperature(2013) + "℃\r\nTime:2024-04-30\r\n23:45:00",
         true},
        {{plot.right, plot.top + 10}, "", true},  // the right and bottom edges lie outside
        {{plot.left + 10, plot.bottom}, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        paints.areas.clear();
        QTest::mouseMove(page, c.point);
        QCoreApplication::processEvents();
        EXPECT_EQ(page->HoverLabelText(), c.label);
        EXPECT_EQ(page->Pointer().hoverOn, !c.label.empty());
        EXPECT_EQ(paints.Covered(QRect(plot.left, plot.top, plot.Width(), plot.Height())),
                  c.repainted);
        EXPECT_EQ(ShownCanvas(), DrawnCanvas(page->Pointer()));
    }

    // The marker line runs down the plot at the mouse; zoomed in, the label follows the view.
    QTest::mouseMove(page, InPlot(100, 50));
    EXPECT_GT(HoverPixelsInColumn(ShownCanvas(), 100 + 35), 100);
    QTest::mouseClick(Button("Lateral Magnification"), Qt::LeftButton);  // 302…1607
    QTest::mouseMove(page, InPlot(100, 51));
    EXPECT_EQ(page->HoverLabelText(),
              "ID:472\r\nTemp:" + temperature(471) + "℃\r\nTime:2024-04-25\r\n15:15:00");
}

TEST_F(ChartPage, DraggingPansTheViewAndStopsAtTheRecordsEnds) {
    Open(2016);
    QTest::mouseClick(Button("Lateral Magnification"), Qt::LeftButton);
    const LogSummary zoomed = session.Current().record.summary;
    ASSERT_EQ(std::make_pair(zoomed.viewFirst, zoomed.viewLast), std::make_pair(302, 1607));
    const std::int32_t minInt = zoomed.chartMinInt;
    const std::int32_t maxInt = zoomed.chartMaxInt;
    struct Drag {
        QPoint from;
        QPoint to;
        View view;
    };
    // Span 1305 over 773 pixels: 200 pixels to the left show 337 later samples.
    const std::vector<Drag> drags = {
        {InPlot(354, 100), InPlot(154, 100), {639, 1944, minInt, maxInt}},
        {InPlot(154, 100), InPlot(654, 100), {0, 1305, minInt, maxInt}},  // stops at the start
        {InPlot(654, 100), {-500, 300}, {711, 2016, minInt, maxInt}},     // and at the end
    };
    for (const Drag& drag : drags) {
        QTest::mouseMove(page, drag.from);
        ASSERT_TRUE(page->Pointer().hoverOn);
        QTest::mousePress(page, Qt::LeftButton, {}, drag.from);
        EXPECT_TRUE(page->Pointer().dragging);
        EXPECT_FALSE(page->Pointer().hoverOn);  // a press hides the marker
        QTest::mouseMove(page, drag.to);
        EXPECT_FALSE(page->Pointer().hoverOn);
        QTest::mouseRelease(page, Qt::LeftButton, {}, drag.to);
        EXPECT_FALSE(page->Pointer().dragging);
        EXPECT_EQ(ViewOf(session.Current().record.summary), drag.view);
        EXPECT_EQ(ShownCanvas(), DrawnCanvas());
    }

    // Narrowed in temperature too, dragging down shows higher temperatures up to chartMax.
    QTest::mouseClick(Button("Overall Magnification"), Qt::LeftButton);
    const LogSummary narrowed = session.Current().record.summary;
    ASSERT_LT(narrowed.chartMaxInt, static_cast<std::int32_t>(narrowed.chartMax));
    QTest::mousePress(page, Qt::LeftButton, {}, InPlot(300, 0));
    QTest::mouseRelease(page, Qt::LeftButton, {}, InPlot(300, 427));
    const LogSummary panned = session.Current().record.summary;
    EXPECT_EQ(panned.chartMaxInt, static_cast<std::int32_t>(narrowed.chartMax));
    EXPECT_EQ(panned.chartMaxInt - panned.chartMinInt, narrowed.chartMaxInt - narrowed.chartMinInt);
}

TEST_F(ChartPage, LeavingThePageOrHidingItClearsTheHover) {
    Open(2016);
    const std::vector<std::pair<std::string, std::function<void()>>> exits = {
        {"onto the export button", [&] { QTest::mouseMove(exportButton, QPoint(40, 40)); }},
        {"onto a zoom button", [&] { QTest::mouseMove(Button("Restore"), QPoint(25, 25)); }},
        {"page hidden", [&] { page->hide(); }},
    };
    for (const auto& [name, leave] : exits) {
        SCOPED_TRACE(name);
        page->show();
        QTest::mouseMove(page, InPlot(301, 200));  // sample 785, at 300
        ASSERT_FALSE(page->HoverLabelText().empty());
        ASSERT_GT(HoverPixelsInColumn(ShownCanvas(), 300 + 35), 100);
        leave();
        QCoreApplication::processEvents();
        EXPECT_FALSE(page->Pointer().hoverOn);
        EXPECT_EQ(page->HoverLabelText(), "");
        EXPECT_EQ(HoverPixelsInColumn(ShownCanvas(), 300 + 35), 0);
        EXPECT_EQ(ShownCanvas(), DrawnCanvas());
    }
}

TEST_F(ChartPage, EveryDecodeRefreshesTheTextsAndAnEmptyRecordShowsOnlyTheFrame) {
    Open(2016);
    const auto texts = [&] {
        const auto fields = page->findChildren<QPlainTextEdit*>();
        return std::make_pair(fields.at(0)->toPlainText(), fields.at(1)->toPlainText());
    };
    EXPECT_TRUE(texts().first.startsWith("Device S/N：0A1B2C3D\t"));
    EXPECT_TRUE(texts().second.contains("Data Points：2016\t"));
    EXPECT_TRUE(texts().second.contains("Start Time：2024-04-24 00:00:00\n"));

    session.Load(500);
    EXPECT_TRUE(texts().second.contains("Data Points：500\t"));
    EXPECT_EQ(ShownCanvas(), DrawnCanvas());

    // A logger arrives: the record is emptied before the read, and the chart with it.
    session.controller.ResetForArrival();
    QCoreApplication::processEvents();
    const QImage canvas = ShownCanvas();
    EXPECT_EQ(canvas, DrawnCanvas());
    const PlotRect& plot = page->plotRect();
    const QRect inside(36, 21, plot.Width() - 2, plot.Height() - 2);
    for (int y = inside.top(); y <= inside.bottom(); y += 7)
        for (int x = inside.left(); x <= inside.right(); x += 7)
            ASSERT_EQ(canvas.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
    // Neither the buttons nor a drag change a view that shows nothing.
    const View before = ViewOf(session.Current().record.summary);
    QTest::mouseClick(Button("Restore"), Qt::LeftButton);
    QTest::mousePress(page, Qt::LeftButton, {}, InPlot(300, 10));
    QTest::mouseRelease(page, Qt::LeftButton, {}, InPlot(100, 300));
    EXPECT_EQ(ViewOf(session.Current().record.summary), before);
}

TEST_F(ChartPage, TheSummaryAnalysesTheRecordByTheProfileAndEnergyChosenBelowTheChart) {
    // The synthetic trip leaves 2–8 °C both ways for hours.
    Open(2000);
    const auto analysisLines = [&] {
        const QStringList lines =
            page->findChildren<QPlainTextEdit*>().at(1)->toPlainText().split(QLatin1Char('\n'));
        return lines.size() == 4 ? (lines[2] + "\n" + lines[3]).toStdString() : std::string();
    };
    auto* profile = page->findChild<QComboBox*>();
    auto* energy = page->findChild<QDoubleSpinBox*>();
    ASSERT_TRUE(profile != nullptr && energy != nullptr);

    // Time beyond the limits is the logger's whatever the profile; the MKT follows ΔH and the
    // verdict the profile.
    const std::string beyond = "\t\tAbove Limit：5 h 35 min in 3 events\t\tBelow Limit：3 h 25 min "
                               "in 3 events\nLongest Excursion：3 h 30 min\t\t";
    const std::string belowCrt = "Alarm: below 15.0 °C for 6 d 22 h 40 min from 2024-04-24 01:20";
    struct Case {
        int profileIndex;
        double activationEnergy;
        AnalysisChoice chosen;
        std::string lines;
    };
    const Case cases[] = {
        {0,
         83.144,
         {83.144, "logger"},
         "MKT：5.20 °C (ΔH 83.144 kJ/mol)" + beyond +
             "Alarm: above 8.0 °C for 5 h 35 min from 2024-04-25 11:50 (profile logger)"},
        {3,
         83.144,
         {83.144, "usp-crt"},
         "MKT：5.20 °C (ΔH 83.144 kJ/mol)" + beyond + belowCrt + " (profile usp-crt)"},
        {3,
         120,
         {120, "usp-crt"},
         "MKT：5.26 °C (ΔH 120 kJ/mol)" + beyond + belowCrt + " (profile usp-crt)"},
        {1,
         120,
         {120, "who-pqs-1"},
         "MKT：5.26 °C (ΔH 120 kJ/mol)" + beyond + "No alarm (profile who-pqs-1)"},
    };
    for (const Case& c : cases) {
        profile->setCurrentIndex(c.profileIndex);
        energy->setValue(c.activationEnergy);
        EXPECT_EQ(session.controller.Analysis(), c.chosen);
        EXPECT_EQ(analysisLines(), c.lines) << c.chosen.profile;
    }
    // A choice made elsewhere (the settings at start) shows in the choosers.
    session.controller.SetAnalysisChoice({100, "who-pqs-2"});
    EXPECT_EQ(profile->currentData().toString(), QStringLiteral("who-pqs-2"));
    EXPECT_DOUBLE_EQ(energy->value(), 100);
}

}  // namespace
}  // namespace velka
