#pragma once
// The command line's message service: what the window would show in a box is one line on
// stderr; a question is answered OK, since the command itself was the user's confirmation.

#include "services/message_service.h"

#include <ostream>

namespace velka::cli {

class ConsoleMessages final : public MessageService {
public:
    explicit ConsoleMessages(std::ostream& err) : err_(err) {}

    MessageAnswer ShowMessage(const std::string& text, const std::string&, MessageIcon,
                              MessageButtons) override {
        err_ << text << '\n';
        return MessageAnswer::Ok;
    }

    void ShowTimedNotice(const std::string& text, const std::string&, int) override {
        err_ << text << '\n';
    }

private:
    std::ostream& err_;
};

}  // namespace velka::cli
