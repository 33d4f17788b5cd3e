#include "skin_pictures.h"

#include "skin_icons.h"
#include "ui/kit/skin_look.h"

#include <QPainterPath>

namespace velka::skin_art {
namespace {

constexpr QSize kWindowSize{1024, 768};
constexpr QSize kPageSize{860, 700};
constexpr QSize kFormPageSize{884, 768};
constexpr QSize kNavigationSize{86, 86};
constexpr QSize kWindowButtonSize{38, 38};
constexpr QSize kChartButtonSize{51, 51};
constexpr QSize kShiftButtonSize{44, 45};
constexpr QSize kSystemButtonSize{96, 53};
constexpr QSize kMessageBadgeSize{32, 32};

// Where the pages sit in the window.
constexpr QRect kPageFrame{140, 40, 860, 700};
constexpr double kWindowCornerRadius = 14.0;

void FillRounded(QPainter& painter, const QRectF& rect, double radius, const QColor& fill,
                 const QColor& edge = QColor()) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (edge.isValid()) {
        painter.setPen(QPen(edge, 1.0));
        painter.setBrush(fill);
        painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawRoundedRect(rect, radius, radius);
    }
    painter.restore();
}

void DrawWord(QPainter& painter, const QRectF& rect, const QString& word, int pixelSize,
              const QColor& colour, bool bold = true, int flags = Qt::AlignCenter) {
    painter.save();
    painter.setFont(WordFont(pixelSize, bold));
    painter.setPen(colour);
    painter.drawText(rect, flags, word);
    painter.restore();
}

// A navigation button: an icon above the place of its word, which the window writes in the
// user's language; the second picture of each pair is the selected (and hovered) state, filled
// with the accent.
SkinPicture Navigation(int bitmapId, Icon icon, bool selected) {
    return {bitmapId, kNavigationSize, true, [=](QPainter& painter) {
                const QRectF tile(1, 1, 84, 84);
                FillRounded(painter, tile, 12, selected ? kAccent : kTile);
                DrawIcon(painter, icon, QRectF(26, 13, 34, 34), selected ? kOnAccent : kTileIcon);
            }};
}

enum class WindowButtonState { Normal, Hover, Pressed };

SkinPicture CloseButton(int bitmapId, WindowButtonState state) {
    return {bitmapId, kWindowButtonSize, true, [=](QPainter& painter) {
                const QColor fill = state == WindowButtonState::Normal  ? kTile
                                    : state == WindowButtonState::Hover ? kDanger
                                                                        : kDangerDeep;
                FillRounded(painter, QRectF(1, 1, 36, 36), 8, fill);
                DrawIcon(painter, Icon::Close, QRectF(5, 5, 28, 28),
                         state == WindowButtonState::Normal ? kTileIcon : kOnAccent);
            }};
}

SkinPicture MinimiseButton(int bitmapId, bool pressed) {
    return {bitmapId, kWindowButtonSize, true, [=](QPainter& painter) {
                FillRounded(painter, QRectF(1, 1, 36, 36), 8, pressed ? kAccent : kTile);
                DrawIcon(painter, Icon::Minimise, QRectF(5, 5, 28, 28),
                         pressed ? kOnAccent : kTileIcon);
            }};
}

// The chart page's buttons: light tiles that stand out on the content page; pressed, the
// accent.
SkinPicture ToolButton(int bitmapId, QSize size, Icon icon, bool pressed) {
    return {bitmapId, size, true, [=](QPainter& painter) {
                const QRectF tile(1, 1, size.width() - 2, size.height() - 2);
                if (pressed) {
                    FillRounded(painter, tile, 9, kAccent);
                } else {
                    FillRounded(painter, tile, 9, kToolTile, kToolTileEdge);
                }
                const double iconSize = std::min(size.width(), size.height()) * 0.56;
                const QRectF box((size.width() - iconSize) / 2, (size.height() - iconSize) / 2,
                                 iconSize, iconSize);
                DrawIcon(painter, icon, box, pressed ? kOnAccent : kToolIcon);
            }};
}

// The system page's buttons have one picture for every state; the window writes their words.
SkinPicture HelpButton() {
    return {177, kSystemButtonSize, true, [](QPainter& painter) {
                FillRounded(painter, QRectF(1, 1, 94, 51), 9, kAccent);
                DrawIcon(painter, Icon::Question, QRectF(14, 15, 23, 23), kOnAccent);
            }};
}

SkinPicture EraseButton() {
    return {178, kSystemButtonSize, true, [](QPainter& painter) {
                FillRounded(painter, QRectF(1, 1, 94, 51), 9, QColor(0x33, 0x46, 0x59),
                            QColor(0x4d, 0x64, 0x7a));
                DrawIcon(painter, Icon::Trash, QRectF(12, 15, 23, 23), kDangerSoft);
            }};
}

// The badges of the message boxes, in the skin's colours: information and question on the
// accent, warning in amber, error in the danger red.
enum class Badge { Information, Question, Warning, Error };

SkinPicture MessageBadge(int bitmapId, Badge badge) {
    return {bitmapId, kMessageBadgeSize, true, [=](QPainter& painter) {
                painter.setRenderHint(QPainter::Antialiasing);
                painter.setPen(Qt::NoPen);
                if (badge == Badge::Warning) {
                    QPainterPath triangle;
                    triangle.moveTo(16, 2.5);
                    triangle.lineTo(30.5, 28.5);
                    triangle.lineTo(1.5, 28.5);
                    triangle.closeSubpath();
                    painter.setPen(QPen(kCaution, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                    painter.setBrush(kCaution);
                    painter.drawPath(triangle);
                    painter.setPen(QPen(kOnCaution, 3.2, Qt::SolidLine, Qt::RoundCap));
                    painter.drawLine(QPointF(16, 11), QPointF(16, 19.5));
                    painter.setPen(Qt::NoPen);
                    painter.setBrush(kOnCaution);
                    painter.drawEllipse(QPointF(16, 24.5), 1.9, 1.9);
                    return;
                }
                painter.setBrush(badge == Badge::Error ? kDanger : kAccent);
                painter.drawEllipse(QRectF(1, 1, 30, 30));
                const QPen mark(kOnAccent, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
                switch (badge) {
                case Badge::Information:
                    painter.setPen(mark);
                    painter.drawLine(QPointF(16, 14.5), QPointF(16, 23.5));
                    painter.setPen(Qt::NoPen);
                    painter.setBrush(kOnAccent);
                    painter.drawEllipse(QPointF(16, 9), 2, 2);
                    break;
                case Badge::Question: {
                    QPainterPath hook;
                    hook.moveTo(11.5, 12);
                    hook.cubicTo(11.5, 6.5, 20.5, 6.5, 20.5, 12);
                    hook.cubicTo(20.5, 15.5, 16, 15.5, 16, 19.5);
                    painter.setPen(mark);
                    painter.drawPath(hook);
                    painter.setPen(Qt::NoPen);
                    painter.setBrush(kOnAccent);
                    painter.drawEllipse(QPointF(16, 24.5), 2, 2);
                    break;
                }
                case Badge::Error:
                    painter.setPen(mark);
                    painter.drawLine(QPointF(11, 11), QPointF(21, 21));
                    painter.drawLine(QPointF(21, 11), QPointF(11, 21));
                    break;
                case Badge::Warning:
                    break;
                }
            }};
}

// The window: a dark frame with rounded corners. Black is outside: the window's shape is
// computed from this picture, so no pixel inside may be pure black.
SkinPicture WindowBackground() {
    return {129, kWindowSize, false, [](QPainter& painter) {
                painter.fillRect(QRect(QPoint(0, 0), kWindowSize), Qt::black);
                FillRounded(painter, QRectF(0, 0, 1024, 768), kWindowCornerRadius, kFrame);
                painter.fillRect(kPageFrame.adjusted(-1, -1, 1, 1), kFrameEdge);
                painter.fillRect(kPageFrame, kPage);

                // The program's mark and name in the top bar; the window writes what it is beside.
                FillRounded(painter, QRectF(146, 9, 24, 24), 6, kAccent);
                DrawIcon(painter, Icon::Thermometer, QRectF(149, 12, 18, 18), kOnAccent);
                DrawWord(painter, QRectF(178, 4, 80, 34), QStringLiteral("Velka"), 18,
                         QColor(0xf2, 0xf5, 0xf8), true, Qt::AlignVCenter | Qt::AlignLeft);
            }};
}

SkinPicture ContentPage() {
    return {159, kPageSize, false,
            [](QPainter& painter) { painter.fillRect(QRect(QPoint(0, 0), kPageSize), kPage); }};
}

// The system page: the program's mark above the Help and erase buttons and the two lines of
// product and company information (white text from y 580).
SkinPicture SystemPage() {
    return {158, kPageSize, false, [](QPainter& painter) {
                painter.fillRect(QRect(QPoint(0, 0), kPageSize), kSystemPage);
                painter.setRenderHint(QPainter::Antialiasing);
                painter.setPen(Qt::NoPen);
                painter.setBrush(kSystemPageMark);
                painter.drawEllipse(QPointF(430, 205), 128, 128);
                DrawIcon(painter, Icon::Thermometer, QRectF(350, 125, 160, 160),
                         QColor(0x6f, 0x8c, 0xa8));
                DrawWord(painter, QRectF(0, 360, 860, 56), QStringLiteral("Velka"), 44,
                         QColor(0xee, 0xf2, 0xf6));
            }};
}

// The parameter page is drawn in the page's own coordinates (860 x 700) and scaled to the
// picture's size, so that the cards fall on the page's three sections once stretched back.
SkinPicture ParameterPage() {
    return {172, kFormPageSize, false, [](QPainter& painter) {
                painter.scale(kFormPageSize.width() / 860.0, kFormPageSize.height() / 700.0);
                painter.fillRect(QRect(QPoint(0, 0), kPageSize), kFormPage);
                const QRectF sections[] = {
                    {12, 6, 836, 126},    // parameter setting
                    {12, 138, 836, 354},  // product information
                    {12, 498, 836, 194},  // transport information
                };
                for (const QRectF& section : sections) {
                    FillRounded(painter, section, 8, kFormCard, kFormCardEdge);
                }
            }};
}

}  // namespace

std::vector<SkinPicture> AllSkinPictures() {
    std::vector<SkinPicture> pictures = {
        WindowBackground(),
        // Navigation: system, parameters, chart, record table, history, PDF, Excel.
        Navigation(150, Icon::Monitor, false),
        Navigation(151, Icon::Monitor, true),
        Navigation(144, Icon::Sliders, false),
        Navigation(145, Icon::Sliders, true),
        Navigation(132, Icon::LineChart, false),
        Navigation(133, Icon::LineChart, true),
        Navigation(152, Icon::Table, false),
        Navigation(153, Icon::Table, true),
        Navigation(148, Icon::History, false),
        Navigation(149, Icon::History, true),
        Navigation(146, Icon::PdfDocument, false),
        Navigation(147, Icon::PdfDocument, true),
        Navigation(130, Icon::Spreadsheet, false),
        Navigation(131, Icon::Spreadsheet, true),
        // Close: 155 at rest, 156 under the mouse, 154 pressed. Minimise: 175, 176 pressed.
        CloseButton(155, WindowButtonState::Normal),
        CloseButton(156, WindowButtonState::Hover),
        CloseButton(154, WindowButtonState::Pressed),
        MinimiseButton(175, false),
        MinimiseButton(176, true),
        // Chart page: each pair at rest, pressed.
        ToolButton(166, kChartButtonSize, Icon::SqueezeTime, false),
        ToolButton(167, kChartButtonSize, Icon::SqueezeTime, true),
        ToolButton(160, kChartButtonSize, Icon::StretchTime, false),
        ToolButton(161, kChartButtonSize, Icon::StretchTime, true),
        ToolButton(168, kChartButtonSize, Icon::ZoomIn, false),
        ToolButton(169, kChartButtonSize, Icon::ZoomIn, true),
        ToolButton(170, kChartButtonSize, Icon::ZoomOut, false),
        ToolButton(171, kChartButtonSize, Icon::ZoomOut, true),
        ToolButton(174, kChartButtonSize, Icon::FullView, false),
        ToolButton(173, kChartButtonSize, Icon::FullView, true),
        ToolButton(162, kShiftButtonSize, Icon::ChevronLeft, false),
        ToolButton(163, kShiftButtonSize, Icon::ChevronLeft, true),
        ToolButton(164, kShiftButtonSize, Icon::ChevronRight, false),
        ToolButton(165, kShiftButtonSize, Icon::ChevronRight, true),
        HelpButton(),
        EraseButton(),
        // Message boxes: information, question, warning, error.
        MessageBadge(180, Badge::Information),
        MessageBadge(181, Badge::Question),
        MessageBadge(182, Badge::Warning),
        MessageBadge(183, Badge::Error),
        SystemPage(),
        ContentPage(),
        ParameterPage(),
    };
    return pictures;
}

}  // namespace velka::skin_art
