#pragma once
// Where the main window puts things, in pixels of the 1024 x 768 window.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace velka {

inline constexpr QSize kMainWindowSize{1024, 768};
// The page frame: every page is a panel of this size at this place.
inline constexpr QPoint kPageFramePosition{140, 40};
inline constexpr QSize kPageSize{860, 700};

}  // namespace velka
