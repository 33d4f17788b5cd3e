#pragma once
// Hot-plug of the logger: a libudev monitor of the hidraw subsystem behind a file descriptor
// that the owner's event loop watches. When the descriptor is readable, ReadPendingEvents()
// tells which events were the logger arriving or leaving. Where there is no udev or no
// netlink (a container, CI), the watcher is simply unavailable and everything else works.

#include "device/hotplug_event.h"

#include <memory>
#include <set>
#include <string>
#include <vector>

struct udev;
struct udev_monitor;
struct udev_device;

namespace velka {

enum class HotplugSource {
    Automatic,  // udev's events where a udev daemon runs, otherwise the kernel's
    Udev,       // events after udev has processed them (access rights already applied)
    Kernel,     // the kernel's own events, for machines without a udev daemon
};

struct DeviceEvent {
    HotplugDecision kind = HotplugDecision::Ignore;  // LoggerArrived or LoggerRemoved
    std::string devnode;
};

class DeviceWatcher {
public:
    explicit DeviceWatcher(HotplugSource source = HotplugSource::Automatic);
    ~DeviceWatcher();
    DeviceWatcher(const DeviceWatcher&) = delete;
    DeviceWatcher& operator=(const DeviceWatcher&) = delete;

    bool Available() const { return monitor_ != nullptr; }
    // Readable when events wait; -1 when the watcher is unavailable.
    int FileDescriptor() const;
    // The events that wait, never blocking; only the logger's arrivals and removals are kept.
    std::vector<DeviceEvent> ReadPendingEvents();
    // The hidraw nodes known to belong to a logger: present at start or arrived since.
    const std::set<std::string>& LoggerNodes() const { return loggerNodes_; }

private:
    struct UdevDeleter {
        void operator()(udev* context) const;
    };
    struct MonitorDeleter {
        void operator()(udev_monitor* monitor) const;
    };

    void RememberPresentLoggers();
    static HotplugEvent EventOf(udev_device* device);

    std::unique_ptr<udev, UdevDeleter> udev_;
    std::unique_ptr<udev_monitor, MonitorDeleter> monitor_;
    std::set<std::string> loggerNodes_;
};

}  // namespace velka
