#pragma once
// The command line's message service: a warning or an error the window would show in a box is
// one line on stderr; a question is answered OK, since the command itself was the user's
// confirmation.

#include "record/text_encoding.h"
#include "services/message_service.h"

#include <ostream>
#include <string_view>

namespace velka::cli {

// Every line velka-cli writes to stderr about a run: control characters escaped as a last line
// of defence, so that no name or argument quoted in it splits the line or reaches the terminal.
inline void WriteMessageLine(std::ostream& err, std::string_view line) {
    err << EscapeControlCharacters(line) << '\n';
}

class ConsoleMessages final : public MessageService {
public:
    explicit ConsoleMessages(std::ostream& err) : err_(err) {}

    // What went well the command's own output says; stderr is for what did not.
    MessageAnswer ShowMessage(const std::string& text, MessageIcon icon, MessageButtons) override {
        if (icon != MessageIcon::Information)
            WriteMessageLine(err_, text);
        return MessageAnswer::Ok;
    }

    void ShowTimedNotice(const std::string& text, const std::string&, int) override {
        WriteMessageLine(err_, text);
    }

private:
    std::ostream& err_;
};

}  // namespace velka::cli
