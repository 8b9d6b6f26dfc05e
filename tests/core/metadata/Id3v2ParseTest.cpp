#include <gtest/gtest.h>

#include "core/metadata/Id3v2Reader.h"
#include "support/Mp3Fixture.h"

namespace sonara {
namespace {

TEST(MetadataId3v2Parse, TagBytesAloneGiveTheValues) {
    const std::vector<uint8_t> tag = testing::id3v2Block("Title", "Artist", "Album", 64);
    ASSERT_EQ(id3v2TagSize(tag), tag.size());
    const auto values = parseId3v2(tag);
    ASSERT_TRUE(values);
    EXPECT_EQ(values->title, "Title");
    EXPECT_EQ(values->artist, "Artist");
    EXPECT_EQ(values->album, "Album");
}

TEST(MetadataId3v2Parse, CutOrForeignBytesAreNoTag) {
    std::vector<uint8_t> tag = testing::id3v2Block("Title", "Artist", "Album");
    for (size_t cut = 0; cut < tag.size(); cut += 7) {
        std::vector<uint8_t> part(tag.begin(), tag.begin() + long(cut));
        parseId3v2(part);  // any answer, but no crash or hang
    }
    EXPECT_EQ(id3v2TagSize(std::vector<uint8_t>{'T', 'A', 'G'}), 0u);
    EXPECT_FALSE(parseId3v2(std::vector<uint8_t>(40, 0)));
}

}  // namespace
}  // namespace sonara
