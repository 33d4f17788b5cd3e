#pragma once
// SIGTERM, SIGINT and SIGHUP (logging out, Ctrl+C in the terminal) close the main window as
// its close button does, so the program still ends in its usual order and keeps its settings.

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace velka {

class TerminationSignals final : public QObject {
    Q_OBJECT
public:
    // Catches the three signals for the life of this object and runs `onSignal` in the event
    // loop when one arrives. One instance per process.
    explicit TerminationSignals(std::function<void()> onSignal, QObject* parent = nullptr);
    ~TerminationSignals() override;

private:
    void Drain();

    std::function<void()> onSignal_;
    int pipe_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace velka
