// make_fuzz_seeds FOLDER: writes the seed corpus of every fuzz target into FOLDER/<target>,
// replacing what was there.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "seed_files.h"

namespace fuzzing {

void WriteSeed(const std::filesystem::path& folder, const std::string& name, const Bytes& bytes) {
    std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "make_fuzz_seeds: cannot write %s\n", (folder / name).c_str());
        std::exit(1);
    }
}

}  // namespace fuzzing

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_fuzz_seeds FOLDER\n");
        return 1;
    }
    const std::filesystem::path root = argv[1];
    const struct {
        const char* Target;
        void (*Write)(const std::filesystem::path&);
    } corpora[] = {
        {"tile_set", fuzzing::WriteTileSetSeeds},
        {"segmend", fuzzing::WriteSegmendSeeds},
        {"spacergen", fuzzing::WriteSpacergenSeeds},
        {"bitmap", fuzzing::WriteBitmapSeeds},
        {"png", fuzzing::WritePngSeeds},
        {"tls_json", fuzzing::WriteTlsJsonSeeds},
        {"recovery", fuzzing::WriteRecoverySeeds},
    };
    for (const auto& corpus : corpora) {
        const std::filesystem::path folder = root / corpus.Target;
        std::error_code error;
        std::filesystem::remove_all(folder, error);
        std::filesystem::create_directories(folder, error);
        if (error) {
            std::fprintf(stderr, "make_fuzz_seeds: cannot make %s: %s\n", folder.c_str(), error.message().c_str());
            return 1;
        }
        corpus.Write(folder);
    }
    return 0;
}
