#pragma once
// The history's questions to the central archive, answered on a thread of the browser's own so
// that a slow or absent server never holds up the window: pages of a query and the images to
// load. A newer page asked for replaces one still waiting; the answers go to the listener on the
// browser's thread (the window hands them over to its own), each with the number of its question.

#include "central/central_query.h"

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <variant>

namespace velka {

struct CentralBrowseAnswer {
    std::uint64_t question = 0;
    std::optional<CentralPage> page;  // none when it failed
    std::string failure;              // the CentralError's line
};

struct CentralFetchAnswer {
    std::uint64_t question = 0;
    std::optional<CentralRow> row;  // what the history listed, handed back
    std::optional<LoggerImage> image;
    std::string failure;  // empty when the image came (or the archive no longer has it)
};

class CentralBrowser {
public:
    using Answer = std::variant<CentralBrowseAnswer, CentralFetchAnswer>;
    using Listener = std::function<void(Answer)>;

    // Connects only when asked something; a connection that failed is opened anew next time.
    CentralBrowser(std::string connection, Listener listener);
    // Drops what waits; a question being answered ends first (a server that does not answer is
    // given up after the connection's timeout).
    ~CentralBrowser();
    CentralBrowser(const CentralBrowser&) = delete;
    CentralBrowser& operator=(const CentralBrowser&) = delete;

    // Each returns the number its answer carries.
    std::uint64_t Browse(const CentralBrowse& browse);
    std::uint64_t Fetch(const CentralRow& row);

private:
    void Run();
    Answer Answered(std::uint64_t question, const CentralBrowse& browse);
    Answer Answered(std::uint64_t question, const CentralRow& row);
    // Runs `work` on the thread's connection (opened when there is none); the failure's line.
    std::string WithConnection(const std::function<void(PgConnection&)>& work);
    // Puts a question in its slot, replacing one still waiting there; the question's number.
    template <typename Question>
    std::uint64_t Ask(std::optional<std::pair<std::uint64_t, Question>>& slot,
                      const Question& question) {
        std::uint64_t number = 0;
        {
            const std::lock_guard lock(mutex_);
            number = ++questions_;
            slot.emplace(number, question);
        }
        changed_.notify_all();
        return number;
    }

    const std::string connectionText_;
    const Listener listener_;
    std::optional<PgConnection> connection_;  // the thread's own

    std::mutex mutex_;
    std::condition_variable changed_;
    std::uint64_t questions_ = 0;
    std::optional<std::pair<std::uint64_t, CentralBrowse>> browse_;
    std::optional<std::pair<std::uint64_t, CentralRow>> fetch_;
    bool stopping_ = false;
    std::thread thread_;  // last: it starts once everything above is ready
};

}  // namespace velka
