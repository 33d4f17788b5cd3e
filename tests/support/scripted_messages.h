#pragma once
// A message service for tests: records every message the user would see and answers from a
// script (OK, or Yes to a question, when the script is empty).

#include "services/message_service.h"

#include <deque>
#include <string>
#include <vector>

namespace velka::testing {

struct ShownMessage {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::Information;
    bool timedNotice = false;
    int timeoutMs = 0;

    bool operator==(const ShownMessage&) const = default;
};

class ScriptedMessages final : public MessageService {
public:
    MessageAnswer ShowMessage(const std::string& text, MessageIcon icon,
                              MessageButtons buttons) override {
        shown.push_back({text, MessageCaption(icon), icon, false, 0});
        if (answers.empty())
            return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    void ShowTimedNotice(const std::string& text, const std::string& caption,
                         int timeoutMs) override {
        shown.push_back({text, caption, MessageIcon::Information, true, timeoutMs});
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const ShownMessage& message : shown)
            texts.push_back(message.text);
        return texts;
    }

    std::vector<ShownMessage> shown;
    std::deque<MessageAnswer> answers;
};

}  // namespace velka::testing
