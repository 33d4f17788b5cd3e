#pragma once
// The window's message boxes: QMessageBox with the given caption ("Info", "Warning", "Error"),
// the matching icon, OK or OK and Cancel, owned by the main window. The plug-in notices close
// themselves after their time-out, or earlier when the user closes them.

#include "services/message_service.h"

#include <QPointer>
#include <QWidget>
#include <functional>

class QMessageBox;

namespace velka {

class QtMessageService final : public MessageService {
public:
    explicit QtMessageService(QWidget* parentWindow = nullptr) : parentWindow_(parentWindow) {}

    // The window that owns the boxes (none before the main window exists).
    void SetParentWindow(QWidget* parentWindow) { parentWindow_ = parentWindow; }

    MessageAnswer ShowMessage(const std::string& text, MessageIcon icon,
                              MessageButtons buttons) override;
    // A time-out of 0 or less closes the notice as soon as it is shown.
    void ShowTimedNotice(const std::string& text, const std::string& caption,
                         int timeoutMs) override;
    // Returns once the notice is on screen (or after half a second without a screen to put it
    // on); it closes by its own timer, which runs whenever the caller lets events through.
    void StartTimedNotice(const std::string& text, const std::string& caption,
                          int timeoutMs) override;

    // Called with every box once its event loop runs: tests answer boxes through it.
    void SetBoxShownHook(std::function<void(QMessageBox&)> hook) { boxShown_ = std::move(hook); }

private:
    // Runs the box modally; the button the user pressed, or null when it was closed otherwise.
    void Exec(QMessageBox& box);
    // Lets a started notice run out before the next box is shown.
    void AwaitStartedNotice();

    QPointer<QMessageBox> startedNotice_;

    QPointer<QWidget> parentWindow_;
    std::function<void(QMessageBox&)> boxShown_;
};

}  // namespace velka
