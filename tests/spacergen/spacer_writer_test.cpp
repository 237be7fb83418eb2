#include "spacer_writer.h"
#include "expected_spacer.h"
#include "spacer_layout.h"
#include "text_sink.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>

using spacergen::ComputeLayout;
using spacergen::WriteSpacer;
using spacergen_test::ExpectedSpacer;
using ::testing::Return;

namespace {

class StringSink : public spacergen::TextSink {
public:
    bool Write(std::string_view text) override {
        Text += text;
        return true;
    }
    std::string Text;
};

class MockSink : public spacergen::TextSink {
public:
    MOCK_METHOD(bool, Write, (std::string_view text), (override));
};

std::string Generated(std::uint32_t a, std::uint32_t b, std::size_t runBytes) {
    StringSink sink;
    EXPECT_TRUE(WriteSpacer(ComputeLayout(static_cast<std::int32_t>(a), static_cast<std::int32_t>(b)), sink, runBytes));
    return sink.Text;
}

// Arguments as 32-bit patterns, and the size of the writes the generator is asked for.
class GeneratedText : public ::testing::TestWithParam<std::tuple<std::uint32_t, std::uint32_t, std::size_t>> {};

}  // namespace

TEST_P(GeneratedText, MatchesTheRulesByteForByte) {
    const auto [a, b, runBytes] = GetParam();
    EXPECT_EQ(Generated(a, b, runBytes), ExpectedSpacer(a, b));
}

// Run sizes: one block per write, two blocks per write, the program's default.
INSTANTIATE_TEST_SUITE_P(
    Layouts, GeneratedText,
    ::testing::Combine(::testing::Values(std::uint32_t{0x1000}, std::uint32_t{5},
                                         std::uint32_t{0xfffffffb},  // -5: negative size, empty first function
                                         std::uint32_t{0x24},        // R = 31
                                         std::uint32_t{0x25},        // R = 32
                                         std::uint32_t{0xffffffff}),
                       ::testing::Values(std::uint32_t{0}, std::uint32_t{0x2010}, std::uint32_t{0x5005}),
                       ::testing::Values(std::size_t{1}, std::size_t{50000}, spacergen::kDefaultRunBytes)));

// Block names change digit count and wrap past 4294967295; no write may straddle that.
INSTANTIATE_TEST_SUITE_P(
    NameWidths, GeneratedText,
    ::testing::Values(std::make_tuple(std::uint32_t{8}, std::uint32_t{0x5ff8}, std::size_t{50000}),   // 9 .. 14
                      std::make_tuple(std::uint32_t{97}, std::uint32_t{0x5000}, std::size_t{70000}),  // 98 .. 102
                      std::make_tuple(std::uint32_t{999999998}, static_cast<std::uint32_t>(12288 - 999999998),
                                      spacergen::kDefaultRunBytes),  // to 10 digits
                      std::make_tuple(std::uint32_t{0xfffffffd}, std::uint32_t{0x5003}, std::size_t{50000})));  // wrap

TEST(SpacerWriter, FourKilobytesFillTheFirstFunctionAndOneBlock) {
    const std::string text = Generated(0x1000, 0, spacergen::kDefaultRunBytes);
    const std::string firstEnd = "return; \n }\n\nvoid XSPACER0x4097__(void) { \n";
    const std::size_t end = text.find(firstEnd);
    ASSERT_NE(end, std::string::npos);
    int longLines = 0, singleLines = 0;
    for (std::size_t start = text.find('\n') + 1; start < end;) {
        const std::size_t next = text.find('\n', start) + 1;
        longLines += next - start == 167;
        singleLines += text.compare(start, next - start, "asm db 144 \n") == 0;
        start = next;
    }
    EXPECT_EQ(longLines, 127);
    EXPECT_EQ(singleLines, 27);
    EXPECT_EQ(text.find("XSPACER0x4098"), std::string::npos);
}

// Few large writes, and each block run laid out in memory at its file offset modulo the
// cache line: both keep the copy into the file fast.
TEST(SpacerWriter, LargeOutputArrivesInLargeWritesLaidOutLikeTheFile) {
    class LayoutSink : public spacergen::TextSink {
    public:
        bool Write(std::string_view text) override {
            const auto address = reinterpret_cast<std::uintptr_t>(text.data());
            if (Writes > 0 && (address - Offset) % 64 != 0) {
                ++Misplaced;
            }
            Offset += text.size();
            ++Writes;
            return true;
        }
        std::uint64_t Offset = 0;
        int Writes = 0;
        int Misplaced = 0;
    } sink;
    ASSERT_TRUE(WriteSpacer(ComputeLayout(0, 0x400000), sink));  // 1,024 blocks, about 22 MB
    EXPECT_EQ(sink.Offset, ExpectedSpacer(0, 0x400000).size());
    EXPECT_LE(sink.Writes, 30);
    EXPECT_EQ(sink.Misplaced, 0);
}

TEST(SpacerWriter, StopsAtTheFirstFailedWrite) {
    MockSink sink;
    EXPECT_CALL(sink, Write).WillOnce(Return(true)).WillOnce(Return(false));
    EXPECT_FALSE(WriteSpacer(ComputeLayout(0, 0x100000), sink, 1));
}
