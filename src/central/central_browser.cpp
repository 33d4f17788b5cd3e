#include "central/central_browser.h"

namespace velka {

CentralBrowser::CentralBrowser(std::string connection, Listener listener)
    : connectionText_(std::move(connection)), listener_(std::move(listener)),
      thread_([this] { Run(); }) {}

CentralBrowser::~CentralBrowser() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

std::uint64_t CentralBrowser::Browse(const CentralBrowse& browse) {
    std::uint64_t question = 0;
    {
        const std::lock_guard lock(mutex_);
        question = ++questions_;
        browse_.emplace(question, browse);
    }
    changed_.notify_all();
    return question;
}

std::uint64_t CentralBrowser::Fetch(const CentralRow& row) {
    std::uint64_t question = 0;
    {
        const std::lock_guard lock(mutex_);
        question = ++questions_;
        fetch_.emplace(question, row);
    }
    changed_.notify_all();
    return question;
}

void CentralBrowser::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [&] { return stopping_ || browse_ || fetch_; });
        if (stopping_)
            return;
        // The user's Load first: it is what they wait for.
        Answer answer;
        if (fetch_) {
            auto [question, row] = std::move(*fetch_);
            fetch_.reset();
            lock.unlock();
            answer = Answered(question, row);
        } else {
            auto [question, browse] = std::move(*browse_);
            browse_.reset();
            lock.unlock();
            answer = Answered(question, browse);
        }
        if (listener_)
            listener_(std::move(answer));
        lock.lock();
    }
}

CentralBrowser::Answer CentralBrowser::Answered(std::uint64_t question,
                                                const CentralBrowse& browse) {
    CentralBrowseAnswer answer{question, {}, {}};
    try {
        if (!connection_)
            connection_.emplace(connectionText_);
        answer.page = BrowseCentral(*connection_, browse);
    } catch (const std::exception& failure) {
        connection_.reset();
        answer.failure = failure.what();
    }
    return answer;
}

CentralBrowser::Answer CentralBrowser::Answered(std::uint64_t question, const CentralRow& row) {
    CentralFetchAnswer answer{question, row, {}, {}};
    try {
        if (!connection_)
            connection_.emplace(connectionText_);
        answer.image = FetchCentralImage(*connection_, row.recording.sha256);
    } catch (const std::exception& failure) {
        connection_.reset();
        answer.failure = failure.what();
    }
    return answer;
}

}  // namespace velka
