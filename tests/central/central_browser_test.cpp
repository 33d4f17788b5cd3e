// The history's questions on the browser's own thread: the newest of several pages asked for at
// once is answered, an image comes back as stored, and a server that is away is one answer's
// failure.

#include "central/central_browser.h"
#include "central_fixture.h"

#include <condition_variable>
#include <mutex>

namespace velka::testing {
namespace {

class Answers {
public:
    CentralBrowser::Listener Listener() {
        return [this](CentralBrowser::Answer answer) {
            const std::lock_guard lock(mutex_);
            answers_.push_back(std::move(answer));
            arrived_.notify_all();
        };
    }
    // The answer to `question`, waiting for it at most 30 s.
    std::optional<CentralBrowser::Answer> To(std::uint64_t question) {
        std::unique_lock lock(mutex_);
        const auto found = [&] {
            for (const CentralBrowser::Answer& answer : answers_)
                if (std::visit([](const auto& a) { return a.question; }, answer) == question)
                    return std::optional(answer);
            return std::optional<CentralBrowser::Answer>();
        };
        arrived_.wait_for(lock, std::chrono::seconds(30), [&] { return found().has_value(); });
        return found();
    }

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<CentralBrowser::Answer> answers_;
};

TEST_F(CentralTest, TheBrowserAnswersOnItsThreadAndOutlastsAServerThatIsAway) {
    PgConnection admin(Admin());
    const LoggerImage image = Image(3);
    InTransaction(admin, [&] {
        InsertRecording(admin, SummaryOf(image, DeliveredTables(), 0), image,
                        {"North", "0f8e6a52-3b1c-4d2e-9f00-1a2b3c4d5e6f", "dock-1"});
    });

    Answers away;
    {
        CentralBrowser browser(Server().Connection("absent_" + Database()), away.Listener());
        const auto answer = away.To(browser.Browse({}));
        ASSERT_TRUE(answer);
        const auto& page = std::get<CentralBrowseAnswer>(*answer);
        EXPECT_FALSE(page.page);
        EXPECT_NE(page.failure.find("does not exist"), std::string::npos) << page.failure;
    }

    Answers here;
    CentralBrowser browser(Admin(), here.Listener());
    std::uint64_t last = 0;
    for (int i = 0; i < 5; ++i)
        last = browser.Browse({});
    const auto page = here.To(last);
    ASSERT_TRUE(page);
    ASSERT_TRUE(std::get<CentralBrowseAnswer>(*page).page);
    const std::vector<CentralRow>& rows = std::get<CentralBrowseAnswer>(*page).page->rows;
    ASSERT_EQ(rows.size(), 1u);
    const auto fetched = here.To(browser.Fetch(rows[0]));
    ASSERT_TRUE(fetched);
    EXPECT_EQ(std::get<CentralFetchAnswer>(*fetched).image, image);
    EXPECT_EQ(std::get<CentralFetchAnswer>(*fetched).row->site, "North");
}

}  // namespace
}  // namespace velka::testing
