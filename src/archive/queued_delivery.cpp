#include "archive/queued_delivery.h"

#include <QMetaObject>
#include <QPointer>

namespace velka {

ScanFinishedHandler DeliverOnThreadOf(QObject* receiver,
                                      std::function<void(std::uint64_t generation)> onOwnerThread) {
    // The guard is made here, on the owner's thread, and read only there.
    QPointer<QObject> guard(receiver);
    return [receiver, guard, onOwnerThread = std::move(onOwnerThread)](std::uint64_t generation) {
        QMetaObject::invokeMethod(
            receiver,
            [guard, onOwnerThread, generation] {
                if (guard)
                    onOwnerThread(generation);
            },
            Qt::QueuedConnection);
    };
}

}  // namespace velka
