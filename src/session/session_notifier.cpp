#include "session/session_notifier.h"

#include "session/acquisition_controller.h"

namespace velka {

SessionNotifier::SessionNotifier(AcquisitionController& controller, QObject* parent)
    : QObject(parent), controller_(controller) {
    controller_.SetObserver(this);
}

SessionNotifier::~SessionNotifier() {
    controller_.SetObserver(nullptr);
}

}  // namespace velka
