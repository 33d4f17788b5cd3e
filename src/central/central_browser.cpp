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
    return Ask(browse_, browse);
}

std::uint64_t CentralBrowser::Fetch(const CentralRow& row) {
    return Ask(fetch_, row);
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
    answer.failure = WithConnection(
        [&](PgConnection& connection) { answer.page = BrowseCentral(connection, browse); });
    return answer;
}

CentralBrowser::Answer CentralBrowser::Answered(std::uint64_t question, const CentralRow& row) {
    CentralFetchAnswer answer{question, row, {}, {}};
    answer.failure = WithConnection([&](PgConnection& connection) {
        answer.image = FetchCentralImage(connection, row.recording.sha256);
    });
    return answer;
}

std::string CentralBrowser::WithConnection(const std::function<void(PgConnection&)>& work) {
    try {
        if (!connection_)
            connection_.emplace(connectionText_);
        work(*connection_);
        return {};
    } catch (const std::exception& failure) {
        // A connection that failed is opened anew for the next question.
        connection_.reset();
        return failure.what();
    }
}

}  // namespace velka
