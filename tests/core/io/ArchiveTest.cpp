#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/io/ArchiveReader.h"
#include "core/io/ArchiveWriter.h"

namespace sonara {
namespace {

std::vector<uint8_t> encode(const std::string& text) {
    std::vector<uint8_t> bytes;
    {
        ArchiveWriter out(bytes);
        out.writeString(text);
    }
    return bytes;
}

std::string decode(const std::vector<uint8_t>& bytes, bool* ok = nullptr) {
    ArchiveReader in(bytes);
    std::string text = "unchanged";
    const bool read = in.readString(text);
    if (ok != nullptr) {
        *ok = read;
    }
    return text;
}

TEST(ArchiveString, PrefixFormsAtTheirBoundaries) {
    EXPECT_EQ(encode("").size(), 1u);
    const auto b254 = encode(std::string(254, 'a'));
    ASSERT_EQ(b254.size(), 255u);
    EXPECT_EQ(b254[0], 0xFE);

    const auto b255 = encode(std::string(255, 'a'));
    ASSERT_EQ(b255.size(), 3u + 255u);
    EXPECT_EQ(b255[0], 0xFF);
    EXPECT_EQ(b255[1], 0xFF);
    EXPECT_EQ(b255[2], 0x00);

    const auto b65533 = encode(std::string(65533, 'a'));
    EXPECT_EQ(b65533[1], 0xFD);
    EXPECT_EQ(b65533[2], 0xFF);

    // 65534 would collide with the 16-bit-character marker: the long form.
    const auto b65534 = encode(std::string(65534, 'a'));
    ASSERT_EQ(b65534.size(), 7u + 65534u);
    EXPECT_EQ(b65534[1], 0xFF);
    EXPECT_EQ(b65534[2], 0xFF);
    EXPECT_EQ(b65534[3], 0xFE);
    EXPECT_EQ(b65534[4], 0xFF);
    EXPECT_EQ(b65534[5], 0x00);

    for (size_t n : {0u, 1u, 254u, 255u, 300u, 65533u, 65534u, 70000u}) {
        const std::string text(n, 'x');
        EXPECT_EQ(decode(encode(text)), text) << n;
    }
}

TEST(ArchiveString, SixteenBitCharacterForm) {
    // 0xFF, 0xFFFE, then the length again in characters, then UTF-16LE.
    const std::vector<uint8_t> bytes = {0xFF, 0xFE, 0xFF, 0x02, 'A', 0x00, 0xE9, 0x00};
    EXPECT_EQ(decode(bytes), "A\xC3\xA9");
    // The repeated prefix may itself be long.
    std::vector<uint8_t> longForm = {0xFF, 0xFE, 0xFF, 0xFF, 0x03, 0x01};
    for (int i = 0; i < 259; ++i) {
        longForm.push_back('z');
        longForm.push_back(0);
    }
    EXPECT_EQ(decode(longForm), std::string(259, 'z'));
}

TEST(ArchiveString, LegacyBytesAreConverted) {
    EXPECT_EQ(decode({4, 'C', 'a', 'f', 0xE9}), "Caf\xC3\xA9");
}

TEST(ArchiveString, DamageIsAFailureNotAnAllocation) {
    bool ok = true;
    // A 4 GiB claim in an 8-byte file.
    decode({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a'}, &ok);
    EXPECT_FALSE(ok);
    decode({5, 'a', 'b'}, &ok);
    EXPECT_FALSE(ok);
    decode({0xFF, 0x10}, &ok);
    EXPECT_FALSE(ok);
    // Wide form claiming more characters than bytes remain.
    decode({0xFF, 0xFE, 0xFF, 0x09, 'a', 0}, &ok);
    EXPECT_FALSE(ok);
    // A second 0xFFFE marker inside the wide prefix is damage.
    decode({0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF}, &ok);
    EXPECT_FALSE(ok);
}

TEST(ArchiveIntegers, LittleEndianAndSticky) {
    std::vector<uint8_t> bytes;
    {
        ArchiveWriter out(bytes);
        out.writeInt32(-1);
        out.writeUInt32(0x01020304);
    }
    EXPECT_EQ(bytes, (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 4, 3, 2, 1}));
    ArchiveReader in(bytes);
    int32_t a = 0;
    uint32_t b = 0;
    ASSERT_TRUE(in.readInt32(a));
    ASSERT_TRUE(in.readUInt32(b));
    EXPECT_EQ(a, -1);
    EXPECT_EQ(b, 0x01020304u);
    EXPECT_FALSE(in.readUInt32(b));
    EXPECT_FALSE(in.ok());
}

TEST(ArchiveReaderFile, ReadsAcrossBufferBoundaries) {
    std::vector<uint8_t> bytes;
    {
        ArchiveWriter out(bytes);
        for (int i = 0; i < 2000; ++i) {
            out.writeString(std::string(size_t(i % 300), char('a' + i % 26)));
            out.writeInt32(i);
        }
    }
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::rewind(file);
    ArchiveReader in(file, bytes.size());
    for (int i = 0; i < 2000; ++i) {
        std::string text;
        int32_t n = 0;
        ASSERT_TRUE(in.readString(text)) << i;
        ASSERT_TRUE(in.readInt32(n));
        EXPECT_EQ(text, std::string(size_t(i % 300), char('a' + i % 26)));
        EXPECT_EQ(n, i);
    }
    EXPECT_EQ(in.remaining(), 0u);
    std::fclose(file);
}

}  // namespace
}  // namespace sonara
