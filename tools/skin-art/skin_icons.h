#pragma once
// Flat line icons, drawn into a square box in one colour. The strokes scale with the box, so
// one drawing serves the pictures at their listed size and at twice that size.

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace velka::skin_art {

enum class Icon {
    Monitor,      // system page
    Sliders,      // parameters
    LineChart,    // chart
    Table,        // record table
    History,      // stored recordings
    PdfDocument,  // PDF report
    Spreadsheet,  // Excel report
    Close,
    Minimise,
    SqueezeTime,  // the time axis shows more samples
    StretchTime,  // the time axis shows fewer samples, larger
    ZoomIn,       // both axes
    ZoomOut,
    FullView,  // back to the whole recording
    ChevronLeft,
    ChevronRight,
    Question,
    Trash,
    Thermometer,  // the program's mark
};

void DrawIcon(QPainter& painter, Icon icon, const QRectF& box, const QColor& colour);

}  // namespace velka::skin_art
