#pragma once
// Runs a test in a given local time zone (a POSIX TZ text such as "EST5", five hours behind
// UTC without summer time), so that local-time texts are known whatever the machine's zone.

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace velka::testing {

class LocalZone {
public:
    explicit LocalZone(const char* zone) {
        if (const char* previous = std::getenv("TZ"))
            previous_ = previous;
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~LocalZone() {
        if (previous_)
            ::setenv("TZ", previous_->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }
    LocalZone(const LocalZone&) = delete;
    LocalZone& operator=(const LocalZone&) = delete;

private:
    std::optional<std::string> previous_;
};

}  // namespace velka::testing
