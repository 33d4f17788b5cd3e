#pragma once
// The colours and type of the window's pictures (drawn by tools/skin-art) and of the words the
// window writes on them at run time, in the user's language: dark slate for the window's frame,
// one blue accent for whatever is selected or pressed, and page backgrounds chosen for their
// texts.

#include <QColor>
#include <QFont>

namespace velka::skin_art {

// The frame around the pages and the sidebar of navigation buttons.
inline const QColor kFrame{0x17, 0x21, 0x2b};
inline const QColor kFrameEdge{0x0e, 0x15, 0x1c};
// Navigation, close and minimise tiles at rest, and their icon and word.
inline const QColor kTile{0x24, 0x33, 0x43};
inline const QColor kTileIcon{0xb4, 0xc3, 0xd1};
inline const QColor kTileText{0xdc, 0xe4, 0xec};
// The one accent: selected navigation button, pressed buttons, the Help button.
inline const QColor kAccent{0x2c, 0x6f, 0xae};
inline const QColor kAccentDeep{0x22, 0x5a, 0x8f};
inline const QColor kOnAccent{0xff, 0xff, 0xff};
// The close button under the mouse, and the erase button's icon: a warning, not an accent.
inline const QColor kDanger{0xc0, 0x3b, 0x2e};
inline const QColor kDangerDeep{0x9a, 0x2c, 0x22};
inline const QColor kDangerSoft{0xf0, 0x8f, 0x84};
// The warning badge of the message boxes: amber, with a dark mark.
inline const QColor kCaution{0xe8, 0xa3, 0x1c};
inline const QColor kOnCaution{0x2a, 0x22, 0x10};

// The content pages (chart, record table, history): white labels (history page) and default
// dark labels (record table, chart) both stand on it with a contrast of at least 4.5:1.
inline const QColor kPage{0x62, 0x78, 0x8a};
// The system page: white text only, so it can be darker.
inline const QColor kSystemPage{0x26, 0x36, 0x46};
inline const QColor kSystemPageMark{0x30, 0x43, 0x56};
// The parameter page: dark labels on light cards.
inline const QColor kFormPage{0xe3, 0xe9, 0xef};
inline const QColor kFormCard{0xf8, 0xfa, 0xfc};
inline const QColor kFormCardEdge{0xc6, 0xd1, 0xdc};

// Chart and shift buttons on the content pages: light tiles with dark icons.
inline const QColor kToolTile{0xf4, 0xf7, 0xfa};
inline const QColor kToolTileEdge{0xc9, 0xd4, 0xdf};
inline const QColor kToolIcon{0x25, 0x34, 0x44};

// Words on the pictures. Liberation Sans is metric-compatible with the fonts the layout was
// drawn for and installed on every machine that builds Velka (scripts/setup).
inline constexpr const char* kFontFamily = "Liberation Sans";

inline QFont WordFont(int pixelSize, bool bold = true) {
    QFont font(kFontFamily);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace velka::skin_art
