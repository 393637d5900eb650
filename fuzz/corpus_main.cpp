// Runs a fuzz target's body over every file of its seed corpus, so that the corpus is a
// regression test in builds without libFuzzer. Arguments are files or folders.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        const bool folder = std::filesystem::is_directory(argv[i]);
        for (const auto& file : folder ? std::vector(std::filesystem::directory_iterator(argv[i]),
                                                     std::filesystem::directory_iterator())
                                       : std::vector{std::filesystem::directory_entry(argv[i])}) {
            std::ifstream in(file.path(), std::ios::binary);
            const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
            std::printf("%s (%zu bytes)\n", file.path().filename().c_str(), bytes.size());
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                   bytes.size());
            ++inputs;
        }
    }
    std::printf("%d inputs passed\n", inputs);
    return inputs > 0 ? 0 : 1;
}
