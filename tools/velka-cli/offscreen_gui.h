#pragma once
// Drawing the chart needs a QGuiApplication for its fonts, but the command line never shows a
// window: the application runs on Qt's offscreen platform, whatever display there is.

#include <memory>

class QGuiApplication;

namespace velka::cli {

class OffscreenGui {
public:
    OffscreenGui();
    ~OffscreenGui();
    OffscreenGui(const OffscreenGui&) = delete;
    OffscreenGui& operator=(const OffscreenGui&) = delete;

private:
    // QGuiApplication keeps references to the argument count and vector.
    int argc_ = 3;
    char program_[10] = "velka-cli";
    char platformOption_[10] = "-platform";
    char platform_[10] = "offscreen";
    char* argv_[4] = {program_, platformOption_, platform_, nullptr};
    std::unique_ptr<QGuiApplication> application_;
};

}  // namespace velka::cli
