#include "core/io/Result.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace sonara {
namespace {

TEST(Result, AFailureKeepsItsKindAndTextThroughEveryHandOver) {
    const Status device = Status::failure(ErrorKind::Device, "WaveOutOpen: no server");
    EXPECT_FALSE(device);
    EXPECT_EQ(device.kind(), ErrorKind::Device);
    EXPECT_EQ(device.error(), "WaveOutOpen: no server");

    // From a status to a result and back to a status.
    const Result<int> carried = Result<int>::failure(device);
    EXPECT_FALSE(carried);
    EXPECT_EQ(carried.kind(), ErrorKind::Device);
    EXPECT_EQ(carried.error(), "WaveOutOpen: no server");
    const Status again = carried.status();
    EXPECT_FALSE(again);
    EXPECT_EQ(again.kind(), ErrorKind::Device);
    EXPECT_EQ(again.error(), "WaveOutOpen: no server");

    // A text alone is a failure of no particular kind.
    EXPECT_EQ(Status::failure("disk full").kind(), ErrorKind::Other);
    EXPECT_EQ(Result<int>::failure("disk full").status().error(), "disk full");
}

TEST(Result, SuccessHasNoTextAndItsStatusSucceeds) {
    const Status ok = Status::success();
    EXPECT_TRUE(ok);
    EXPECT_EQ(ok.error(), "");
    EXPECT_EQ(ok.kind(), ErrorKind::Other);

    Result<std::unique_ptr<int>> value = std::make_unique<int>(7);  // move-only values
    ASSERT_TRUE(value);
    EXPECT_EQ(*value.value(), 7);
    EXPECT_TRUE(value.status());
    EXPECT_EQ(value.status().error(), "");
    // An empty text is still a failure.
    EXPECT_FALSE(Status::failure(ErrorKind::Io, ""));
    EXPECT_FALSE(Result<int>::failure(ErrorKind::Io, "").status());
}

}  // namespace
}  // namespace sonara
