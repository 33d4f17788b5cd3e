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

ArchiveScanner::ProgressHandler
DeliverOnThreadOf(QObject* receiver,
                  std::function<void(const ArchiveScanner::Progress&)> onOwnerThread) {
    return [receiver,
            onOwnerThread = std::move(onOwnerThread)](const ArchiveScanner::Progress& progress) {
        // Posted events to one receiver are handled in the order they were posted.
        QMetaObject::invokeMethod(
            receiver, [onOwnerThread, progress] { onOwnerThread(progress); }, Qt::QueuedConnection);
    };
}

}  // namespace velka
