#include "app/instance_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace velka {

InstanceLock::InstanceLock(const std::filesystem::path& lockFile) {
    // O_NOFOLLOW: in a shared temporary folder another user could plant a link under our name.
    descriptor_ = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (descriptor_ < 0)
        return;
    int locked = -1;
    do {
        locked = ::flock(descriptor_, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked == 0) {
        outcome_ = Outcome::Acquired;
        return;
    }
    outcome_ = errno == EWOULDBLOCK ? Outcome::HeldByAnotherCopy : Outcome::Unavailable;
    ::close(descriptor_);
    descriptor_ = -1;
}

InstanceLock::~InstanceLock() {
    Release();
}

void InstanceLock::Release() {
    // The file stays: removing it would let a copy that opened it just before lock a file that
    // no longer has a name, while a third copy locks a new one.
    if (descriptor_ >= 0)
        ::close(descriptor_);
    descriptor_ = -1;
}

}  // namespace velka
