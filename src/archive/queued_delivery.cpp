#include "archive/queued_delivery.h"

#include <QMetaObject>

namespace velka {

ScanFinishedHandler DeliverOnThreadOf(QObject* receiver,
                                      std::function<void(std::uint64_t generation)> onOwnerThread) {
    return [receiver, onOwnerThread = std::move(onOwnerThread)](std::uint64_t generation) {
        // The receiver is the call's context: the call is an event posted to it, and Qt drops
        // the events of an object when it is destroyed, so a call already on its way is never
        // made once the receiver is gone.
        QMetaObject::invokeMethod(
            receiver, [onOwnerThread, generation] { onOwnerThread(generation); },
            Qt::QueuedConnection);
    };
}

}  // namespace velka
