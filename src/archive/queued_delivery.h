#pragma once
// Hands "scan finished" and the scan's progress from the scanner thread to its owner's thread.

#include "archive/archive_scanner.h"

#include <QObject>

namespace velka {

// A handler for ArchiveScanner that runs `onOwnerThread` later on the thread of `receiver`,
// through its event loop (call it on that thread: it gives the receiver a child object). Once the
// receiver is destroyed the call is dropped, also when it was already on its way. The receiver must
// outlive the scanner's thread (the owner destroys the scanner first, which waits for the thread),
// so the handler never posts to a receiver that is being destroyed.
ScanFinishedHandler DeliverOnThreadOf(QObject* receiver,
                                      std::function<void(std::uint64_t generation)> onOwnerThread);
// The same for the scanner's progress reports, each handed over in the order they were made.
ArchiveScanner::ProgressHandler
DeliverOnThreadOf(QObject* receiver,
                  std::function<void(const ArchiveScanner::Progress&)> onOwnerThread);

}  // namespace velka
