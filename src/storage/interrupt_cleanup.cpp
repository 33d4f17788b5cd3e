#include "storage/interrupt_cleanup.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <mutex>
#include <unistd.h>

namespace velka {
namespace {

// A signal handler can only reach state that the whole process shares: the registered paths
// live in these fixed places, which the handler reads without locks or allocation. Each place
// is a sequence lock: its version is odd while its owner changes it, and the handler uses a
// path only when the version was even and unchanged around its copy.
constexpr std::size_t kPlaces = 16;
constexpr std::size_t kPathBytes = 4096;

struct Place {
    std::atomic<bool> taken{false};  // owned by one registration
    std::atomic<unsigned> version{0};
    std::atomic<bool> holdsPath{false};
    std::array<std::atomic<char>, kPathBytes> path{};
};

std::array<Place, kPlaces> places;

constexpr std::array<int, 3> kEndingSignals = {SIGINT, SIGTERM, SIGHUP};

void RemoveRegisteredFiles(int signalNumber) {
    const int savedErrno = errno;
    for (Place& place : places) {
        const unsigned before = place.version.load(std::memory_order_acquire);
        if (before % 2 != 0)
            continue;
        char copy[kPathBytes];
        const bool holdsPath = place.holdsPath.load(std::memory_order_relaxed);
        for (std::size_t i = 0; i < kPathBytes; ++i)
            copy[i] = place.path[i].load(std::memory_order_relaxed);
        std::atomic_thread_fence(std::memory_order_acquire);
        if (holdsPath && place.version.load(std::memory_order_relaxed) == before)
            ::unlink(copy);
    }
    errno = savedErrno;
    // SA_RESETHAND has put the default action back; the signal stays pending until this
    // handler returns and then ends the program as it would have without us.
    ::raise(signalNumber);
}

// Installed once, and only over the default action: a program with its own handling keeps it.
void InstallHandlers() {
    for (const int signalNumber : kEndingSignals) {
        struct sigaction current {};
        if (::sigaction(signalNumber, nullptr, &current) != 0)
            continue;
        if ((current.sa_flags & SA_SIGINFO) != 0 || current.sa_handler != SIG_DFL)
            continue;
        struct sigaction handler {};
        handler.sa_handler = RemoveRegisteredFiles;
        sigfillset(&handler.sa_mask);
        handler.sa_flags = SA_RESETHAND;
        ::sigaction(signalNumber, &handler, nullptr);
    }
}

void Change(Place& place, const char* path) {
    place.version.fetch_add(1, std::memory_order_acq_rel);  // odd: being changed
    std::atomic_thread_fence(std::memory_order_release);
    place.holdsPath.store(path != nullptr, std::memory_order_relaxed);
    if (path != nullptr) {
        const std::size_t length = std::strlen(path);
        for (std::size_t i = 0; i < kPathBytes; ++i)
            place.path[i].store(i < length ? path[i] : '\0', std::memory_order_relaxed);
    }
    place.version.fetch_add(1, std::memory_order_release);  // even: stable again
}

}  // namespace

int RemoveOnInterrupt(const char* path) {
    static std::once_flag installed;
    std::call_once(installed, InstallHandlers);
    if (std::strlen(path) >= kPathBytes)
        return -1;
    for (std::size_t i = 0; i < kPlaces; ++i) {
        bool expected = false;
        if (places[i].taken.compare_exchange_strong(expected, true)) {
            Change(places[i], path);
            return static_cast<int>(i);
        }
    }
    return -1;
}

void ForgetOnInterrupt(int ticket) {
    if (ticket < 0 || static_cast<std::size_t>(ticket) >= kPlaces)
        return;
    Place& place = places[static_cast<std::size_t>(ticket)];
    Change(place, nullptr);
    place.taken.store(false, std::memory_order_release);
}

}  // namespace velka
