#include "offscreen_gui.h"

#include <QGuiApplication>

namespace velka::cli {

OffscreenGui::OffscreenGui() {
    if (QGuiApplication::instance() == nullptr)
        application_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

OffscreenGui::~OffscreenGui() = default;

}  // namespace velka::cli
