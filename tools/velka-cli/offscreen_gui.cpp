#include "offscreen_gui.h"

#include "services/numeric_locale.h"

#include <QGuiApplication>
#include <cstdio>

namespace velka::cli {
namespace {

// Qt's notes about the desktop session (no runtime folder, no display) say nothing about the
// command's work and would break its one-line error output; only real errors get through.
void ReportSeriousQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "velka-cli: %s\n", message.toLocal8Bit().constData());
}

}  // namespace

OffscreenGui::OffscreenGui() {
    if (QGuiApplication::instance() != nullptr)
        return;
    qInstallMessageHandler(ReportSeriousQtMessages);
    application_ = std::make_unique<QGuiApplication>(argc_, argv_);
    RestoreCNumericLocale();
}

OffscreenGui::~OffscreenGui() = default;

}  // namespace velka::cli
