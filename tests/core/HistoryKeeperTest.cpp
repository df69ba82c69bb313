#include <gtest/gtest.h>

#include "history/HistoryFormat.h"
#include "history/HistoryKeeper.h"
#include "platform/fake/FakeStateFile.h"
#include "platform/fake/FakeTimerQueue.h"

namespace cdx {
namespace {

constexpr std::int64_t kStart = 1'780'000'020; // a whole minute, 2026
constexpr std::size_t kCpu = 1;

MinuteBand band(std::int64_t start, float low, float average, float high, std::uint16_t polls = 60)
{
    MinuteBand b;
    b.lowest.fill(std::numeric_limits<float>::quiet_NaN());
    b.average = b.highest = b.lowest;
    b.startSeconds = start;
    b.lowest[kCpu] = low;
    b.average[kCpu] = average;
    b.highest[kCpu] = high;
    b.counts[kCpu] = polls;
    return b;
}

// A keeper over a fake file, fake timers and a wall clock that follows them.
struct Keeper {
    Keeper()
    {
        poller->setInterval(1000);
        poller->setOnTick([this] {
            Readings r;
            r.tickMs = static_cast<std::uint64_t>(queue.now());
            r.unixSeconds = now();
            r.temperature(TemperatureSensor::LM75) = 50.0;
            keeper.readingsTaken(r);
        });
    }
    std::int64_t now() const { return start + queue.now() / 1000; }

    std::int64_t start = kStart;
    FakeTimerQueue queue;
    std::unique_ptr<Timer> saveTimer = queue.createTimer();
    std::unique_ptr<Timer> poller = queue.createTimer();
    FakeStateFile file;
    std::vector<std::string> notices;
    HistoryKeeper keeper{HistoryKeeper::Parts{file, *saveTimer, [] { return 1000; }, [this] { return now(); },
                                              [this](const std::string& line) { notices.push_back(line); }}};
};

TEST(HistoryFormatTest, WhatIsWrittenReadsBackTheSameForTheDayUpToNow)
{
    std::vector<MinuteBand> minutes{band(kStart, 40.125F, 41.5F, 43.0F, 59), band(kStart + 120, -3.3F, 1e-7F, 7e6F)};
    minutes[1].counts[12] = 1;
    minutes[1].lowest[12] = minutes[1].average[12] = minutes[1].highest[12] = 2410.0F;
    const HistoryFormat::Parsed parsed = HistoryFormat::read(HistoryFormat::write(minutes), kStart + 300);
    ASSERT_EQ(parsed.error, "");
    ASSERT_EQ(parsed.minutes.size(), 2U);
    for (std::size_t i = 0; i < 2; ++i) {
        const MinuteBand& a = minutes[i];
        const MinuteBand& b = parsed.minutes[i];
        EXPECT_EQ(a.startSeconds, b.startSeconds);
        EXPECT_EQ(a.counts, b.counts);
        for (std::size_t c = 0; c < Readings::ChannelCount; ++c) {
            if (a.counts[c] > 0) {
                EXPECT_EQ(a.lowest[c], b.lowest[c]);
                EXPECT_EQ(a.average[c], b.average[c]);
                EXPECT_EQ(a.highest[c], b.highest[c]);
            }
        }
    }

    // Only the day up to now is kept.
    const std::int64_t now = kStart + 2 * 86400;
    const std::string text = HistoryFormat::write({band(now - 86400 - 60, 1, 1, 1), band(now - 86400, 2, 2, 2),
                                                   band(now - 60, 3, 3, 3), band(now + 60, 4, 4, 4)});
    const HistoryFormat::Parsed kept = HistoryFormat::read(text, now);
    ASSERT_EQ(kept.error, "");
    ASSERT_EQ(kept.minutes.size(), 2U); // not older than a day, nor after now
    EXPECT_EQ(kept.minutes[0].startSeconds, now - 86400);
    EXPECT_EQ(kept.minutes[1].startSeconds, now - 60);
}

TEST(HistoryFormatTest, DamagedTextsAreRefusedWithTheirReason)
{
    const std::string whole = HistoryFormat::write({band(kStart, 40, 41, 42), band(kStart + 60, 40, 41, 42)});
    // Cut anywhere, the text is refused: at a line's end the end line is missing.
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        ASSERT_NE(HistoryFormat::read(whole.substr(0, cut), kStart + 120).error, "") << cut;
    }
    const auto errorOf = [](const std::string& text) { return HistoryFormat::read(text, kStart + 120).error; };
    EXPECT_NE(errorOf("Caldrix history 2\nend 0\n").find("newer version"), std::string::npos);
    EXPECT_NE(errorOf("caldrix settings\n"), "");
    const std::string line = "Caldrix history 1\n" + std::to_string(kStart) + " - 5/40/41/42";
    EXPECT_NE(errorOf(line + std::string(11, ' ') + "\nend 1\n"), "");                           // readings missing
    EXPECT_NE(errorOf(line + " - - - - - - - - - - - -\nend 1\n"), "");                          // one too many
    EXPECT_NE(errorOf(line + " - - - - - - - - - -\nend 2\n"), "");                              // end count wrong
    EXPECT_NE(errorOf("Caldrix history 1\n60 - 5/42/41/40 - - - - - - - - - - -\nend 1\n"), ""); // low > high
    EXPECT_NE(errorOf("Caldrix history 1\n61 - - - - - - - - - - - - -\nend 1\n"), "");          // not a minute
    EXPECT_NE(errorOf("Caldrix history 1\n60 - 0/1/1/1 - - - - - - - - - - -\nend 1\n"), "");    // no polls
    EXPECT_NE(errorOf("Caldrix history 1\n60 - 1/nan/1/1 - - - - - - - - - - -\nend 1\n"), "");
    EXPECT_EQ(errorOf(line + " - - - - - - - - - - -\nend 1\n"), "");
}

TEST(HistoryKeeperTest, TheDayIsSavedEveryTenMinutesAndComesBackAfterARestart)
{
    Keeper first;
    first.keeper.load();
    first.poller->setEnabled(true);
    first.queue.advance(HistoryKeeper::kSaveIntervalMs - 1);
    EXPECT_EQ(first.file.writes, 0);
    first.queue.advance(1);
    EXPECT_EQ(first.file.writes, 1);
    first.queue.advance(5 * 60 * 1000 + 30 * 1000);
    first.keeper.save(); // the end of the program
    EXPECT_EQ(first.file.writes, 2);
    first.keeper.save(); // nothing new
    EXPECT_EQ(first.file.writes, 2);

    Keeper second;
    second.start = first.now() + 3600; // an hour later
    second.file.text = first.file.text;
    second.keeper.load();
    const auto minutes = second.keeper.history().minutesForSaving();
    ASSERT_EQ(minutes.size(), 16U); // minutes 0 to 15, the last one half
    EXPECT_EQ(minutes.front().startSeconds, kStart);
    EXPECT_EQ(minutes.back().counts[kCpu], 31); // 900 s to 930 s
    EXPECT_TRUE(second.notices.empty());
    // Polls after the restart add minutes after the restored ones.
    second.poller->setEnabled(true);
    second.queue.advance(2 * 60 * 1000);
    EXPECT_EQ(second.keeper.history().minutesForSaving().size(), 19U);
}

TEST(HistoryKeeperTest, ABadFileIsSetAsideAnUnreadableOneNeverSavedOverAndAFailedSaveToldOnce)
{
    Keeper k;
    k.file.text = "Caldrix history 1\n" + std::to_string(kStart) + " - 5/40/41/42";
    k.keeper.load();
    ASSERT_EQ(k.notices.size(), 1U);
    EXPECT_NE(k.notices[0].find("moved it to /state/caldrix/history.bad"), std::string::npos) << k.notices[0];
    ASSERT_EQ(k.file.setAsideTexts.size(), 1U);
    EXPECT_EQ(k.keeper.history().minutesForSaving().size(), 0U);
    k.poller->setEnabled(true);
    k.queue.advance(HistoryKeeper::kSaveIntervalMs);
    EXPECT_GE(HistoryFormat::read(*k.file.text, k.now()).minutes.size(), 10U);

    // An unreadable file is never saved over, a failed save is told once, and an uninstall removes the day.
    Keeper unreadable;
    unreadable.file.text = "kept";
    unreadable.file.failReads = true;
    unreadable.keeper.load();
    unreadable.poller->setEnabled(true);
    unreadable.queue.advance(HistoryKeeper::kSaveIntervalMs * 2);
    unreadable.keeper.save();
    EXPECT_EQ(unreadable.file.writes, 0);
    EXPECT_EQ(*unreadable.file.text, "kept");
    EXPECT_EQ(unreadable.notices.size(), 1U);

    Keeper full;
    full.file.failWrites = true;
    full.keeper.load();
    full.poller->setEnabled(true);
    full.queue.advance(HistoryKeeper::kSaveIntervalMs * 3);
    EXPECT_EQ(full.notices.size(), 1U);
    full.file.failWrites = false;
    full.keeper.save();
    EXPECT_EQ(full.file.writes, 1);

    // Uninstalled: the saved day goes and nothing writes it again.
    full.keeper.forget();
    full.queue.advance(HistoryKeeper::kSaveIntervalMs * 2);
    full.keeper.save();
    EXPECT_FALSE(full.file.text.has_value());
    EXPECT_EQ(full.file.writes, 1);
}

} // namespace
} // namespace cdx
