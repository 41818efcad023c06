// Without libFuzzer: feeds a fuzz target its seeds and a fixed series of
// mutations of them, so every test run replays a few thousand hostile inputs.

#include <QGuiApplication>

#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size);
// A target of a binary format supplies its own seeds; the text seeds serve the others.
std::vector<std::string> FuzzSeeds() __attribute__((weak));

int main(int argc, char** argv)
{
    // Headless: fonts are needed, a display is not.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const bool binary = FuzzSeeds != nullptr;
    const std::vector<std::string> textSeeds = {
        "X,Y1,Y2\r\n1,10,40\r\n2,20,50\r\n",
        "1\t2\t3\n4\t5\t6\t7\n",
        "\"a\"\"b\",\"c,d\n1e400,-.5e-3, 12 \n",
        "[FORM]\r\nPOSITION.X=100\r\nKey = Value\r\n[FORM]\r\nData=00FF10\r\n",
        "\xFF\xFE" "X\0,\0Y\0\n\0" "1\0,\0" "2\0",
        "\xEF\xBB\xBF\xE6\x99\x82\xE9\x96\x93,V\n0,1\n",
    };
    const std::vector<std::string> seeds = binary ? FuzzSeeds() : textSeeds;
    // --write-seeds DIR: the seeds as files, the start of a libFuzzer corpus.
    if (argc == 3 && std::string(argv[1]) == "--write-seeds") {
        for (size_t i = 0; i < seeds.size(); ++i) {
            const std::string name = std::string(argv[2]) + "/seed" + std::to_string(i);
            if (FILE* f = std::fopen(name.c_str(), "wb")) {
                std::fwrite(seeds[i].data(), 1, seeds[i].size(), f);
                std::fclose(f);
            }
        }
        return 0;
    }
    // Values that make sizes, counts and offsets interesting.
    static const uint32_t words[] = {0, 1, 3, 4, 8, 0x7FFF, 0x8000, 0xFFFF, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0x10000};
    std::mt19937 random(20261209);
    long runs = 0;
    for (const std::string& seed : seeds) {
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(seed.data()), seed.size());
        ++runs;
        for (int round = 0; round < (binary ? 1500 : 400); ++round) {
            std::string input = seed;
            // Binary inputs: fewer edits, mostly in place, or the record chain
            // breaks and the load refuses nearly every input.
            const int edits = 1 + int(random() % (binary ? 3 : 8));
            for (int e = 0; e < edits; ++e) {
                const size_t at = input.empty() ? 0 : random() % (input.size() + 1);
                const unsigned kind = binary && random() % 4 != 0 ? (random() % 2 ? 0u : 4u) : unsigned(random() % 4);
                switch (kind) {
                case 0: // flip a byte
                    if (!input.empty())
                        input[at % input.size()] = char(random());
                    break;
                case 1: // insert a byte that matters to the parsers
                    input.insert(at, 1, "\r\n,\t\"=[]; .eE+-0x$"[random() % 19]);
                    break;
                case 2: // delete
                    if (!input.empty())
                        input.erase(at % input.size(), 1 + random() % 4);
                    break;
                case 4: // a little-endian word of an interesting value
                    if (input.size() >= 4) {
                        const size_t to = (random() % (input.size() - 3)) & ~size_t(1);
                        const uint32_t w = words[random() % (sizeof words / sizeof *words)];
                        for (int k = 0; k < 4; ++k)
                            input[to + k] = char(w >> (8 * k));
                    }
                    break;
                default: // repeat a stretch
                    if (!input.empty()) {
                        const size_t from = at % input.size();
                        input.insert(at, input.substr(from, 1 + random() % 16));
                    }
                }
            }
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.data()), input.size());
            ++runs;
        }
    }
    std::printf("%ld inputs, no crash\n", runs);
    return 0;
}
