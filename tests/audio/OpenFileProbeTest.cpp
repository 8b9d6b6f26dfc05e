#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "audio/Mpg123LengthProbe.h"
#include "support/Mp3Fixture.h"
#include "support/TempDir.h"

namespace sonara {
namespace {

// The descriptor form must measure what the path form does, including the
// scan of a VBR stream without a header, and leave the descriptor usable.
TEST(OpenFileProbe, SameLengthAsByPathAndTheDescriptorStaysOpen) {
    testing::TempDir dir;
    audio::Mpg123LengthProbe probe;
    for (auto vbr : {testing::Mp3Spec::Vbr::None, testing::Mp3Spec::Vbr::Xing,
                     testing::Mp3Spec::Vbr::NoHeader}) {
        testing::Mp3Spec spec;
        spec.seconds = 3;
        spec.vbr = vbr;
        const std::string path = dir.file("song.mp3");
        testing::writeMp3(path, spec);
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        ASSERT_GE(fd, 0);
        struct stat st {};
        ::fstat(fd, &st);
        EXPECT_EQ(probe.lengthMillisecondsOfOpenFile(fd, uint64_t(st.st_size)),
                  probe.lengthMilliseconds(path));
        char byte = 0;
        EXPECT_EQ(::pread(fd, &byte, 1, 0), 1);
        ::close(fd);
    }
}

}  // namespace
}  // namespace sonara
