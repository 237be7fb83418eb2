#include "spacer_writer.h"
#include "expected_spacer.h"
#include "spacer_layout.h"
#include "text_sink.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using spacergen::ComputeLayout;
using spacergen::WriteSpacer;
using spacergen_test::ReadSpacer;
using spacergen_test::Spacer;
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

}  // namespace

// S = A + B, R = (S - 5) mod 4096 (the first function's NOP bytes: R / 32 lines of 32, R mod
// 32 lines of 1), N = S / 4096 block functions named A + 1 to A + N; all in 32 bits.
TEST(SpacerWriter, GeneratedTextFollowsTheRulesAtAnyWriteSize) {
    const struct {
        std::uint32_t A, B;
        std::vector<spacergen_test::SpacerFunction> Expected;
    } cases[] = {
        {0x1000, 0, Spacer("1000", 127, 27, 4097, 1)},          // S 4096: R 4091, N 1
        {5, 0, Spacer("5", 0, 0)},                              // S 5: R 0
        {0xfffffffb, 0, Spacer("fffffffb", 0, 0)},              // S -5: R -10, N 0
        {0x24, 0, Spacer("24", 0, 31)},                         // R 31
        {0x25, 0, Spacer("25", 1, 0)},                          // R 32
        {0x1000, 0x2010, Spacer("1000", 0, 11, 4097, 3)},       // S 12304: R 11, N 3
        {0xffffffff, 0x2010, Spacer("ffffffff", 0, 10, 0, 2)},  // A -1, S 8207: R 10, blocks 0 and 1
        {0x1000, 0x5005, Spacer("1000", 0, 0, 4097, 6)},        // S 24581: R 0, N 6
        // Block names change digit count and wrap past 4294967295.
        {8, 0x5ff8, Spacer("8", 127, 27, 9, 6)},   // S 24576: names 9 to 14
        {97, 0x5000, Spacer("61", 2, 28, 98, 5)},  // S 20577: R 92, names 98 to 102
        {999999998, static_cast<std::uint32_t>(12288 - 999999998),
         Spacer("3b9ac9fe", 127, 27, 999999999, 3)},                        // to 10 digits
        {0xfffffffd, 0x5003, Spacer("fffffffd", 127, 27, 4294967294u, 5)},  // S 20480: wraps to 0
    };
    // One block per write, two blocks per write, more, the program's default: no write may
    // straddle a change of name width.
    for (const std::size_t runBytes :
         {std::size_t{1}, std::size_t{50000}, std::size_t{70000}, spacergen::kDefaultRunBytes}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << std::hex << c.A << " " << c.B << std::dec << ", writes of " << runBytes);
            EXPECT_EQ(ReadSpacer(Generated(c.A, c.B, runBytes)), c.Expected);
        }
    }
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
    // The first function: header 27 + 127 lines of 167 + 27 of 12 + end 13; the blocks 1 to
    // 1024: header 26 + the name's digits (2989 in all) + 127 x 167 + 142 + 14.
    EXPECT_EQ(sink.Offset, 27u + 127 * 167 + 27 * 12 + 13 + 1024 * (26 + 127 * 167 + 142 + 14) + 2989);
    EXPECT_LE(sink.Writes, 30);
    EXPECT_EQ(sink.Misplaced, 0);
}

TEST(SpacerWriter, StopsAtTheFirstFailedWrite) {
    MockSink sink;
    EXPECT_CALL(sink, Write).WillOnce(Return(true)).WillOnce(Return(false));
    EXPECT_FALSE(WriteSpacer(ComputeLayout(0, 0x100000), sink, 1));
}
