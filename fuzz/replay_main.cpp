// Replays fuzz inputs without libFuzzer: every file named on the command line,
// or found in a directory named there, is passed to the fuzz target once.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void replay(const std::filesystem::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    const std::vector<std::uint8_t> bytes{
        std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
}

}  // namespace

int main(int argc, char* argv[])
{
    int replayed = 0;
    for (int index = 1; index < argc; ++index) {
        // NOLINTNEXTLINE(cppcoreguidelines-pro-bounds-pointer-arithmetic): main's interface
        const std::filesystem::path path(argv[index]);
        if (std::filesystem::is_directory(path)) {
            for (const auto& entry : std::filesystem::directory_iterator(path)) {
                replay(entry.path());
                ++replayed;
            }
        } else {
            replay(path);
            ++replayed;
        }
    }
    std::cerr << "replayed " << replayed << " inputs\n";
    return replayed > 0 ? 0 : 1;
}
