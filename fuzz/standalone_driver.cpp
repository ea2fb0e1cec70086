// Runs a fuzz harness without libFuzzer: over the files named on the command line, or, with
// no arguments, over a fixed set of generated inputs (every prefix length of a valid-looking
// header and deterministic noise). The test suite runs every harness this way, so the
// harnesses keep building and the sanitizer build exercises the readers on hostile bytes.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
// Seeds: byte strings a harness knows to be interesting (valid headers, whole records).
std::vector<std::string> FuzzSeeds();

int main(int argc, char** argv) {
    std::vector<std::string> inputs;
    for (int i = 1; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        inputs.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    if (argc == 1) {
        std::mt19937_64 random(20261211);
        for (const std::string& seed : FuzzSeeds()) {
            for (std::size_t cut = 0; cut <= seed.size(); cut += 1 + cut / 8)
                inputs.push_back(seed.substr(0, cut));
            inputs.push_back(seed);
            for (int round = 0; round < 512; ++round) {
                std::string mutated = seed;
                for (int flips = 0; flips < 1 + round % 8 && !mutated.empty(); ++flips)
                    mutated[random() % mutated.size()] = static_cast<char>(random());
                inputs.push_back(mutated);
            }
        }
        for (int round = 0; round < 256; ++round) {
            std::string noise(random() % 4096, '\0');
            for (char& c : noise)
                c = static_cast<char>(random());
            inputs.push_back(noise);
        }
    }
    for (const std::string& input : inputs)
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
    std::printf("%zu inputs run\n", inputs.size());
    return 0;
}
