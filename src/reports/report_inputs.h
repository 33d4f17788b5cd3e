#pragma once
// What both reports read at the moment of export, and how an export ended.

#include "analysis/recording_analysis.h"
#include "chart/chart_pixels.h"
#include "record/recording.h"
#include "record/temperature_unit.h"
#include "reports/report_source.h"
#include "services/clock.h"

#include <string>

namespace velka {

struct ReportInputs {
    const Recording& recording;      // settings, transport texts, products, samples and summary
    const ChartPixels& chartPixels;  // RenderChartImage of the chart as the page shows it
    const Clock& clock;              // the report date
    AnalysisChoice analysis = {};    // the profile and activation energy of the analysis part
    ReportSource source = {};        // the recording's file and digest, named on every page
    // The unit of every temperature shown; `recording` stays in °C (its analysis is of °C).
    TemperatureUnit unit = TemperatureUnit::Celsius;
};

enum class ExportStatus {
    Saved,      // the file is complete at the report path
    NoSamples,  // nothing to report; no file
    Failed,     // no file was written; an earlier file at the path is untouched
};

struct ExportResult {
    ExportStatus status = ExportStatus::Failed;
    std::string failure;  // what went wrong, for logs and the command line
};

}  // namespace velka
