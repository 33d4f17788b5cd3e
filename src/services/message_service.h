#pragma once
// Every message the user sees goes through this one service: the window shows modal boxes,
// the command line prints, tests record and answer.

#include "services/translation.h"

#include <string>

namespace velka {

enum class MessageIcon { Information, Warning, Error };
// A box's caption names the kind of message its icon shows (Tr puts it into the user's
// language; MessageCaption is the English).
constexpr UiText MessageCaptionText(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Warning:
        return VELKA_TEXT("Messages", "Warning");
    case MessageIcon::Error:
        return VELKA_TEXT("Messages", "Error");
    case MessageIcon::Information:
        break;
    }
    return VELKA_TEXT("Messages", "Info");
}
constexpr const char* MessageCaption(MessageIcon icon) {
    return MessageCaptionText(icon).source;
}
// OkCancel and YesNo ask before something is lost: Cancel or No is the default and the answer
// of Esc.
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

class MessageService {
public:
    virtual ~MessageService() = default;

    // A modal message box captioned MessageCaption(icon); returns the user's answer.
    virtual MessageAnswer ShowMessage(const std::string& text, MessageIcon icon,
                                      MessageButtons buttons = MessageButtons::Ok) = 0;

    // A modal information notice that closes by itself after timeoutMs, or earlier when the
    // user closes it.
    virtual void ShowTimedNotice(const std::string& text, const std::string& caption,
                                 int timeoutMs) = 0;

    // The same notice, put on screen while the caller goes on working (the read that the
    // "data reading" notice announces); the next message waits until it has closed. A service
    // that cannot show anything beside the work shows it first.
    virtual void StartTimedNotice(const std::string& text, const std::string& caption,
                                  int timeoutMs) {
        ShowTimedNotice(text, caption, timeoutMs);
    }
};

}  // namespace velka
