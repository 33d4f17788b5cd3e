#include "archive/queued_delivery.h"

#include <QCoreApplication>
#include <QEvent>

#if defined(__SANITIZE_THREAD__)
#define VELKA_TSAN 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define VELKA_TSAN 1
#endif
#endif
#ifdef VELKA_TSAN
#include <sanitizer/tsan_interface.h>
#endif

namespace velka {
namespace {

// The distribution's Qt is not built for ThreadSanitizer, so the lock of its event queue is
// invisible to it: the hand-over of a posted event is announced by hand, released by the poster
// once the event is filled and acquired by the receiver before it reads anything of it.
void ReleaseToReceiver([[maybe_unused]] QEvent* event) {
#ifdef VELKA_TSAN
    __tsan_release(event);
#endif
}

void AcquireFromPoster([[maybe_unused]] QEvent* event) {
#ifdef VELKA_TSAN
    __tsan_acquire(event);
#endif
}

const QEvent::Type kCallEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

class CallEvent : public QEvent {
public:
    explicit CallEvent(std::function<void()> call) : QEvent(kCallEvent), call(std::move(call)) {}
    std::function<void()> call;
};

// Lives on the receiver's thread as its child: Qt drops the posted events of an object when it
// is destroyed, so a call already on its way is never made once the receiver is gone.
class Courier : public QObject {
public:
    explicit Courier(QObject* receiver) : QObject(receiver) {}

    // Any thread.
    void Post(std::function<void()> call) {
        auto* event = new CallEvent(std::move(call));
        ReleaseToReceiver(event);
        QCoreApplication::postEvent(this, event);
    }

protected:
    bool event(QEvent* event) override {
        // Before anything of the event is read, its type too; for an event that was not posted
        // by Post nothing was released at its address, and the acquire does nothing.
        AcquireFromPoster(event);
        if (event->type() != kCallEvent)
            return QObject::event(event);
        static_cast<CallEvent*>(event)->call();
        return true;
    }
};

}  // namespace

ScanFinishedHandler DeliverOnThreadOf(QObject* receiver,
                                      std::function<void(std::uint64_t generation)> onOwnerThread) {
    auto* courier = new Courier(receiver);
    return [courier, onOwnerThread = std::move(onOwnerThread)](std::uint64_t generation) {
        courier->Post([onOwnerThread, generation] { onOwnerThread(generation); });
    };
}

ArchiveScanner::ProgressHandler
DeliverOnThreadOf(QObject* receiver,
                  std::function<void(const ArchiveScanner::Progress&)> onOwnerThread) {
    auto* courier = new Courier(receiver);
    return [courier,
            onOwnerThread = std::move(onOwnerThread)](const ArchiveScanner::Progress& progress) {
        // Posted events to one receiver are handled in the order they were posted.
        courier->Post([onOwnerThread, progress] { onOwnerThread(progress); });
    };
}

}  // namespace velka
