#include "device/device_watcher.h"

#include <libudev.h>
#include <unistd.h>

namespace velka {
namespace {

constexpr const char* kHidrawSubsystem = "hidraw";
// A udev daemon that runs keeps its control socket here.
constexpr const char* kUdevControlSocket = "/run/udev/control";

std::string Text(const char* value) {
    return value != nullptr ? std::string(value) : std::string();
}

const char* MonitorName(HotplugSource source) {
    if (source == HotplugSource::Automatic)
        source =
            ::access(kUdevControlSocket, F_OK) == 0 ? HotplugSource::Udev : HotplugSource::Kernel;
    return source == HotplugSource::Udev ? "udev" : "kernel";
}

}  // namespace

void DeviceWatcher::UdevDeleter::operator()(udev* context) const {
    udev_unref(context);
}

void DeviceWatcher::MonitorDeleter::operator()(udev_monitor* monitor) const {
    udev_monitor_unref(monitor);
}

DeviceWatcher::DeviceWatcher(HotplugSource source) : udev_(udev_new()) {
    if (!udev_)
        return;
    std::unique_ptr<udev_monitor, MonitorDeleter> monitor(
        udev_monitor_new_from_netlink(udev_.get(), MonitorName(source)));
    if (!monitor)
        return;
    if (udev_monitor_filter_add_match_subsystem_devtype(monitor.get(), kHidrawSubsystem, nullptr) <
        0)
        return;
    if (udev_monitor_enable_receiving(monitor.get()) < 0)
        return;
    monitor_ = std::move(monitor);
    RememberPresentLoggers();
}

DeviceWatcher::~DeviceWatcher() = default;

int DeviceWatcher::FileDescriptor() const {
    return monitor_ ? udev_monitor_get_fd(monitor_.get()) : -1;
}

HotplugEvent DeviceWatcher::EventOf(udev_device* device) {
    HotplugEvent event;
    event.action = Text(udev_device_get_action(device));
    event.subsystem = Text(udev_device_get_subsystem(device));
    event.devnode = Text(udev_device_get_devnode(device));
    // The parent belongs to the child and needs no unref of its own.
    if (udev_device* parent = udev_device_get_parent_with_subsystem_devtype(device, "hid", nullptr))
        event.parentHidId = Text(udev_device_get_property_value(parent, "HID_ID"));
    return event;
}

void DeviceWatcher::RememberPresentLoggers() {
    udev_enumerate* enumerate = udev_enumerate_new(udev_.get());
    if (enumerate == nullptr)
        return;
    udev_enumerate_add_match_subsystem(enumerate, kHidrawSubsystem);
    if (udev_enumerate_scan_devices(enumerate) >= 0) {
        udev_list_entry* entry = nullptr;
        udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate)) {
            udev_device* device =
                udev_device_new_from_syspath(udev_.get(), udev_list_entry_get_name(entry));
            if (device == nullptr)
                continue;
            HotplugEvent event = EventOf(device);
            event.action = "add";
            if (ClassifyHotplugEvent(event, loggerNodes_) == HotplugDecision::LoggerArrived)
                loggerNodes_.insert(event.devnode);
            udev_device_unref(device);
        }
    }
    udev_enumerate_unref(enumerate);
}

std::vector<DeviceEvent> DeviceWatcher::ReadPendingEvents() {
    std::vector<DeviceEvent> events;
    if (!monitor_)
        return events;
    // The monitor's socket does not block: receiving stops when nothing waits.
    while (udev_device* device = udev_monitor_receive_device(monitor_.get())) {
        const HotplugEvent event = EventOf(device);
        udev_device_unref(device);
        const HotplugDecision decision = ClassifyHotplugEvent(event, loggerNodes_);
        if (decision == HotplugDecision::LoggerArrived)
            loggerNodes_.insert(event.devnode);
        else if (decision == HotplugDecision::LoggerRemoved)
            loggerNodes_.erase(event.devnode);
        if (decision != HotplugDecision::Ignore)
            events.push_back({decision, event.devnode});
    }
    return events;
}

}  // namespace velka
