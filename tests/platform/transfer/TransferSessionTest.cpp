#include "core/tools/transfer/TransferSession.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/FakePortableDevices.h"
#include "support/TempDir.h"

namespace sonara {
namespace {

namespace fs = std::filesystem;
using Operation = FakePortableDevices::Operation;
using Messages = std::vector<TextId>;
constexpr std::uint64_t kMb = 1048576;
constexpr DeviceMemory kInternal = DeviceMemory::Internal;
constexpr DeviceMemory kCard = DeviceMemory::Card;

FakePortableDevices::Player player(std::uint64_t internalMb, std::uint64_t cardMb,
                                   std::vector<DeviceFile> internalFiles = {}) {
    FakePortableDevices::Player p;
    p.name = "Pocket";
    p.internalTotal = internalMb * kMb;
    p.cardTotal = cardMb * kMb;
    p.internalFiles = std::move(internalFiles);
    return p;
}

std::vector<std::string> names(const std::vector<DeviceFile>& files) {
    std::vector<std::string> result;
    for (const auto& file : files)
        result.push_back(file.name);
    return result;
}

class TransferSessionTest : public ::testing::Test {
  protected:
    void use(std::vector<FakePortableDevices::Player> players) {
        devices_ = FakePortableDevices(std::move(players));
    }
    // A file of `bytes` bytes (sparse) at `name` below the scratch folder.
    std::string source(const std::string& name, std::uint64_t bytes = 1000) {
        const fs::path file = temp_.path() / name;
        fs::create_directories(file.parent_path());
        testing::writeBytes(file, {});
        fs::resize_file(file, bytes);
        return file.string();
    }
    TransferSession opened() {
        TransferSession session(devices_,
                                [this](std::optional<TextId> s) { statuses_.push_back(s); });
        EXPECT_TRUE(session.open().opened);
        EXPECT_TRUE(session.refresh().empty());
        statuses_.clear();
        return session;
    }

    testing::TempDir temp_;
    FakePortableDevices devices_;
    std::vector<std::optional<TextId>> statuses_;
    const SendProgress keepGoing_ = [](std::uint64_t, std::uint64_t) { return true; };
};

TEST_F(TransferSessionTest, OpeningRefusesWithoutAPlayerOrAManager) {
    TransferSession none(devices_, {});
    EXPECT_EQ(none.open().messages, Messages{TextId::TransferNoneConnected});
    EXPECT_FALSE(none.open().opened);

    use({player(32, 0)});
    devices_.failNext(Operation::Count);
    TransferSession countFails(devices_, {});
    const auto refused = countFails.open();
    EXPECT_FALSE(refused.opened);
    EXPECT_EQ(refused.messages, Messages{TextId::TransferNoneConnected});

    devices_.failNext(Operation::Name);
    TransferSession nameFails(devices_, {});
    const auto goesOn = nameFails.open();
    EXPECT_TRUE(goesOn.opened);
    EXPECT_EQ(goesOn.messages, Messages{TextId::TransferNameFailed});
    EXPECT_EQ(nameFails.deviceName(), "");

    devices_.failNext(Operation::Attach);
    TransferSession attachFails(devices_, {});
    const auto noManager = attachFails.open();
    EXPECT_FALSE(noManager.opened);
    EXPECT_EQ(noManager.messages, Messages{TextId::TransferManagerFailed});

    TransferSession fine(devices_, {});
    EXPECT_TRUE(fine.open().opened);
    EXPECT_EQ(fine.deviceName(), "Pocket");
}

TEST_F(TransferSessionTest, RefreshShowsTotalsAndFreeOfTheListedFiles) {
    use({player(32, 0, {{"a.mp3", 4 * kMb}, {"b.mp3", 6 * kMb}})});
    TransferSession session(devices_, [this](std::optional<TextId> s) { statuses_.push_back(s); });
    ASSERT_TRUE(session.open().opened);
    EXPECT_FALSE(session.refreshed());
    EXPECT_TRUE(session.refresh().empty());
    EXPECT_TRUE(session.refreshed());
    EXPECT_EQ(statuses_, (std::vector<std::optional<TextId>>{
                             TextId::TransferWaitRefreshing, TextId::TransferWaitMemory,
                             TextId::TransferWaitFileList, std::nullopt}));

    EXPECT_EQ(session.totalText(kInternal), "32Mb");
    EXPECT_EQ(session.freeText(kInternal), "22Mb");
    EXPECT_EQ(session.fileLines(kInternal),
              (std::vector<std::string>{"a.mp3   (4194304 bytes)", "b.mp3   (6291456 bytes)"}));
    EXPECT_TRUE(session.present(kInternal));
    EXPECT_FALSE(session.present(kCard));
    EXPECT_TRUE(session.files(kCard).empty());

    // Listed sizes above the total (a player reporting oddly) show 0, not a wrap.
    use({player(1, 0, {{"big.mp3", 3 * kMb}})});
    TransferSession odd = opened();
    EXPECT_EQ(odd.freeText(kInternal), "0Mb");
}

TEST_F(TransferSessionTest, FreeNeverExceedsWhatTheDeviceReportsFree) {
    auto phone = player(32, 0, {{"a.mp3", 10 * kMb}});
    phone.internalOther = 12 * kMb;
    use({phone});
    TransferSession session = opened();
    EXPECT_EQ(session.freeText(kInternal), "10Mb");
    EXPECT_TRUE(session.send(kInternal, {source("b.mp3", 2 * kMb)}, {}).empty());
    EXPECT_EQ(session.freeText(kInternal), "8Mb");
}

TEST_F(TransferSessionTest, DeletePassesEachSelectedStemOnceAndListsAgain) {
    use({player(32, 0, {{"song.mp3", 10}, {"01. Intro.mp3", 10}, {"keep.mp3", 10}})});
    TransferSession session = opened();
    EXPECT_TRUE(session.remove(kInternal, {1, 0, 1, 99}).empty());
    EXPECT_EQ(devices_.deletedStems(), (std::vector<std::string>{"song", "01. Intro"}));
    EXPECT_EQ(names(session.files(kInternal)), std::vector<std::string>{"keep.mp3"});
    EXPECT_EQ(statuses_.back(), std::nullopt);
}

TEST_F(TransferSessionTest, SentNamesAreSafeAndUniqueAgainstListingAndBatch) {
    use({player(32, 0, {{"Song.mp3", 10}})});
    TransferSession session = opened();
    const Messages messages = session.send(
        kInternal, {source("one/song.mp3"), source("two/song.mp3"), source("a:b?.mp3")},
        keepGoing_);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(devices_.sentNames(),
              (std::vector<std::string>{"song (2).mp3", "song (3).mp3", "a_b_.mp3"}));
    EXPECT_EQ(session.files(kInternal).size(), 4u);
    EXPECT_EQ(session.files(kInternal).back().bytes, 1000u);
    EXPECT_EQ(statuses_.front(), TextId::TransferWaitSending);
    EXPECT_EQ(statuses_.back(), std::nullopt);
}

TEST_F(TransferSessionTest, EachFailingOperationGivesItsMessageAndTheNextTryWorks) {
    use({player(32, 8, {{"a.mp3", 10}, {"b.mp3", 10}})});
    TransferSession session = opened();
    const std::string song = source("song.mp3");
    // A failed file read is left out of the listing, not shown half-read.
    devices_.failNext(Operation::FileInfo);
    EXPECT_EQ(session.list(kInternal), Messages{TextId::TransferInfoFailed});
    EXPECT_EQ(names(session.files(kInternal)), std::vector<std::string>{"b.mp3"});
    struct Case {
        Operation operation;
        std::function<Messages()> step;
        Messages expected;
    };
    const std::vector<Case> cases = {
        {Operation::Refresh, [&] { return session.refresh(); }, {TextId::TransferRefreshFailed}},
        {Operation::Memory, [&] { return session.refresh(); }, {TextId::TransferMemoryFailed}},
        {Operation::FileCount, [&] { return session.list(kCard); }, {TextId::TransferCountFailed}},
        {Operation::FileInfo,
         [&] { return session.list(kInternal); },
         {TextId::TransferInfoFailed}},
        {Operation::Send,
         [&] { return session.send(kCard, {song}, keepGoing_); },
         {TextId::TransferSendFailed}},
        {Operation::Delete,
         [&] { return session.remove(kCard, {0}); },
         {TextId::TransferDeleteFailed}},
        {Operation::Format,
         [&] { return session.format(kInternal); },
         {TextId::TransferFormatInternalFailed}},
        {Operation::Format,
         [&] { return session.format(kCard); },
         {TextId::TransferFormatCardFailed}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.expected.front()));
        devices_.failNext(c.operation);
        statuses_.clear();
        EXPECT_EQ(c.step(), c.expected);
        if (!statuses_.empty()) {
            EXPECT_EQ(statuses_.back(), std::nullopt);
        }
        EXPECT_TRUE(c.step().empty());
    }
}

TEST_F(TransferSessionTest, RepeatedFailuresOfABatchShowOneMessage) {
    use({player(32, 0)});
    TransferSession session = opened();
    devices_.failAlways(Operation::Send);
    EXPECT_EQ(
        session.send(kInternal, {source("a.mp3"), source("b.mp3"), source("c.mp3")}, keepGoing_),
        Messages{TextId::TransferSendFailed});
    EXPECT_EQ(devices_.sentNames().size(), 3u);  // an ordinary failure does not stop the batch

    // A full memory refuses the big song and takes the small one after it.
    devices_.failAlways(Operation::Send, false);
    EXPECT_EQ(
        session.send(kInternal, {source("big.mp3", 40 * kMb), source("small.mp3")}, keepGoing_),
        Messages{TextId::TransferSendFailed});
    EXPECT_EQ(names(session.files(kInternal)), std::vector<std::string>{"small.mp3"});
}

TEST_F(TransferSessionTest, UnplugDuringASendLeavesNothingAndEndsTheBatch) {
    use({player(32, 0)});
    TransferSession session = opened();
    devices_.unplugDuringNextSend();
    int progressCalls = 0;
    const SendProgress counting = [&](std::uint64_t, std::uint64_t) {
        ++progressCalls;
        return true;
    };
    EXPECT_EQ(
        session.send(kInternal, {source("a.mp3"), source("b.mp3"), source("c.mp3")}, counting),
        Messages{TextId::TransferSendFailed});
    EXPECT_GT(progressCalls, 0);
    EXPECT_EQ(devices_.sentNames().size(), 1u);
    EXPECT_TRUE(devices_.filesOf(1, kInternal).empty());
    EXPECT_EQ(statuses_.back(), std::nullopt);

    TransferSession again(devices_, {});
    EXPECT_EQ(again.open().messages, Messages{TextId::TransferNoneConnected});
}

TEST_F(TransferSessionTest, CancelledSendEndsTheBatchSilently) {
    use({player(32, 0)});
    TransferSession session = opened();
    const SendProgress stop = [](std::uint64_t, std::uint64_t) { return false; };
    EXPECT_TRUE(session.send(kInternal, {source("a.mp3"), source("b.mp3")}, stop).empty());
    EXPECT_EQ(devices_.sentNames().size(), 1u);
    EXPECT_TRUE(devices_.filesOf(1, kInternal).empty());
}

TEST(FakeDevicesSpec, BuildsPlayersAndNamesWhatIsWrong) {
    auto built =
        fakeDevicesFromSpec("internal=80,card=16,files=12,name=Test Player,fail=send+format");
    ASSERT_TRUE(built) << built.error();
    FakePortableDevices& fake = *built.value();
    EXPECT_EQ(fake.deviceCount().value(), 1);
    EXPECT_EQ(fake.deviceName(1).value(), "Test Player");
    const auto bytes = fake.memoryBytes(1);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->cardTotal, 16 * kMb);
    const auto& songs = fake.filesOf(1, kInternal);
    ASSERT_EQ(songs.size(), 12u);
    std::uint64_t used = 0;
    for (const auto& song : songs) {
        EXPECT_GE(song.bytes, 3 * kMb);
        EXPECT_LT(song.bytes, 6 * kMb);
        used += song.bytes;
    }
    EXPECT_EQ(bytes->internalFree, 80 * kMb - used);
    EXPECT_TRUE(fake.failsAlways(Operation::Send));
    EXPECT_TRUE(fake.failsAlways(Operation::Format));
    EXPECT_FALSE(fake.failsAlways(Operation::Delete));

    EXPECT_EQ(fakeDevicesFromSpec("devices=0").value()->deviceCount().value(), 0);
    EXPECT_FALSE(fakeDevicesFromSpec("fail=create"));
    for (const char* bad :
         {"internal=lots", "colour=red", "fail=jump", "files=50,internal=32", "devices"}) {
        const auto refused = fakeDevicesFromSpec(bad);
        ASSERT_FALSE(refused) << bad;
        EXPECT_NE(refused.error().find("fake players"), std::string::npos) << refused.error();
    }
}

}  // namespace
}  // namespace sonara
