#pragma once
// What the window learns from the acquisition controller: a few precise notifications after
// which its pages refresh from the controller's state. Every method has an empty default, so a
// front end implements only what it shows.

namespace velka {

class SessionObserver {
public:
    virtual ~SessionObserver() = default;

    // A logger arrived: the settings' texts and calibration words were cleared and the sample
    // list emptied before the read (the parameter page clears its fields, the chart empties).
    virtual void RecordCleared() {}
    // The settings were decoded from a new image (the parameter page shows them and applies its
    // lock rule), or, after an import, its delivery and transport fields.
    virtual void SettingsChanged() {}
    // An acquisition opened the logger and read it (the system page updates itself).
    virtual void LoggerAttached() {}
    // The logger was unplugged, or an acquisition could not open or read it.
    virtual void LoggerDetached() {}
    // The limits, samples and summary are new: record table, chart and report paths refresh.
    virtual void RecordDecoded() {}
    // The product table of the image was parsed anew (the product list rebuilds).
    virtual void ProductsLoaded() {}
    // The archive holds a new file: the history rescans.
    virtual void HistoryRefreshRequested() {}
    // Outcome of a settings write requested by the parameter page.
    virtual void SettingsWritten(bool /*success*/) {}
    // The chart's view window or temperature range changed (zoom, pan, restore): the chart
    // lays itself out again; the reports take the new view.
    virtual void ChartViewChanged() {}
    // The activation energy or alarm profile changed: the summary and reports analyse anew.
    virtual void AnalysisChoiceChanged() {}
    // Temperatures are now shown in another unit: every page that shows one redraws.
    virtual void TemperatureUnitChanged() {}
};

}  // namespace velka
