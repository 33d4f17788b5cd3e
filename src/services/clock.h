#pragma once
// "Now" is injected wherever the program takes the current time, so that tests and the
// command line's --now are deterministic.

#include <cstdint>
#include <ctime>

namespace velka {

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since 1970-01-01 00:00 UTC.
    virtual std::int64_t Now() const = 0;
};

class SystemClock final : public Clock {
public:
    std::int64_t Now() const override { return static_cast<std::int64_t>(std::time(nullptr)); }
};

// The machine's own clock, for what must follow real time whatever --now says: the age of a
// file another program may still be writing.
inline const Clock& MachineClock() {
    static const SystemClock clock;
    return clock;
}

class FixedClock final : public Clock {
public:
    explicit FixedClock(std::int64_t now) : now_(now) {}
    std::int64_t Now() const override { return now_; }
    void Set(std::int64_t now) { now_ = now; }

private:
    std::int64_t now_;
};

}  // namespace velka
