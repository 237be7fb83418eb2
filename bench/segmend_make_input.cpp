// segmend_make_input FILE [MEGABYTES]: writes an OMF object file of about MEGABYTES
// (default 200) of varied records in which no name begins with "CSEG", so segmend has to
// walk all of it.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

class Random {
public:
    std::uint32_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return static_cast<std::uint32_t>(state_ >> 11);
    }
    std::uint32_t Below(std::uint32_t bound) { return Next() % bound; }

private:
    std::uint64_t state_ = 0x9E3779B97F4A7C15ull;
};

using Bytes = std::vector<std::uint8_t>;

void AppendRecord(Bytes& out, std::uint8_t type, const Bytes& fields) {
    const std::size_t length = fields.size() + 1;
    unsigned sum = type + (length & 0xFF) + (length >> 8);
    out.push_back(type);
    out.push_back(static_cast<std::uint8_t>(length & 0xFF));
    out.push_back(static_cast<std::uint8_t>(length >> 8));
    for (std::uint8_t byte : fields) {
        sum += byte;
    }
    out.insert(out.end(), fields.begin(), fields.end());
    out.push_back(static_cast<std::uint8_t>(0x100 - (sum & 0xFF)));
}

Bytes Names(Random& random, std::size_t maxBody) {
    static const std::string kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz0123456789";
    Bytes fields;
    const std::uint32_t count = 1 + random.Below(120);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint32_t length = random.Below(32);
        if (fields.size() + 1 + length + 1 > maxBody) {
            break;
        }
        fields.push_back(static_cast<std::uint8_t>(length));
        for (std::uint32_t c = 0; c < length; ++c) {
            // The first letter is never C, so no name begins with "CSEG".
            const char letter = kLetters[random.Below(static_cast<std::uint32_t>(kLetters.size()))];
            fields.push_back(static_cast<std::uint8_t>(c == 0 && letter == 'C' ? 'D' : letter));
        }
    }
    return fields;
}

Bytes Segdef(Random& random) {
    // Alignment 1 to 5, any combination, never absolute.
    const auto acbp = static_cast<std::uint8_t>(((1 + random.Below(5)) << 5) | (random.Below(8) << 2));
    Bytes fields{acbp, static_cast<std::uint8_t>(random.Next()), static_cast<std::uint8_t>(random.Next())};
    const std::uint32_t index = 1 + random.Below(0x7FFF);
    if (index < 0x80) {
        fields.push_back(static_cast<std::uint8_t>(index));
    } else {
        fields.push_back(static_cast<std::uint8_t>(0x80 | (index >> 8)));
        fields.push_back(static_cast<std::uint8_t>(index & 0xFF));
    }
    fields.push_back(1);
    fields.push_back(1);
    return fields;
}

Bytes Data(Random& random, std::size_t size) {
    Bytes fields(size);
    for (std::uint8_t& byte : fields) {
        byte = static_cast<std::uint8_t>(random.Next());
    }
    return fields;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fputs("usage: segmend_make_input FILE [MEGABYTES]\n", stderr);
        return 1;
    }
    const long megabytes = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 200;
    const std::uint64_t target = static_cast<std::uint64_t>(megabytes > 0 ? megabytes : 200) << 20;
    std::FILE* file = std::fopen(argv[1], "wb");
    if (file == nullptr) {
        std::perror(argv[1]);
        return 1;
    }

    Random random;
    const Bytes noise = Data(random, 1 << 16);  // data record contents, reused
    Bytes out;
    std::uint64_t written = 0;
    while (written + out.size() < target) {
        const std::uint32_t pick = random.Below(1000);
        if (pick < 60) {
            AppendRecord(out, 0x96, Names(random, 4096));
        } else if (pick < 120) {
            AppendRecord(out, 0x98, Segdef(random));
        } else if (pick < 122) {
            // A few bodies over 4,096 bytes, which segmend passes over.
            const std::size_t size = 4096 + random.Below(0xFFFF - 4096);
            AppendRecord(out, pick == 120 ? 0xA0 : 0x96,
                         Bytes(noise.begin(), noise.begin() + static_cast<std::ptrdiff_t>(size)));
        } else {
            static const std::uint8_t kOtherTypes[] = {0xA0, 0xA0, 0xA0, 0x9C, 0x88, 0x90, 0xA2};
            const std::uint8_t type = kOtherTypes[random.Below(sizeof kOtherTypes)];
            const std::size_t size = random.Below(4096);
            const std::size_t start = random.Below(static_cast<std::uint32_t>(noise.size() - size));
            AppendRecord(out, type,
                         Bytes(noise.begin() + static_cast<std::ptrdiff_t>(start),
                               noise.begin() + static_cast<std::ptrdiff_t>(start + size)));
        }
        if (out.size() >= (8u << 20)) {
            if (std::fwrite(out.data(), 1, out.size(), file) != out.size()) {
                break;
            }
            written += out.size();
            out.clear();
        }
    }
    const bool ok = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    if (std::fclose(file) != 0 || !ok) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
