// Writes the icons that the Win32 tests load: one .ico per size, each a square of its own
// colour, so a test can tell by a pixel which icon it was given.
#include <cstdio>
#include <fstream>
#include <string>

#include "tools/Artwork.h"
#include "tools/TestIcons.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: mktesticons OUTPUT-FOLDER\n");
        return 2;
    }
    for (const art::TestIcon& t : art::kTestIcons) {
        art::Image image{
            t.size, std::vector<std::uint32_t>(static_cast<std::size_t>(t.size * t.size), t.argb)};
        const std::vector<std::uint8_t> bytes = art::EncodeIco({image});
        const std::string path = std::string(argv[1]) + "/size" + std::to_string(t.size) + ".ico";
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) {
            std::fprintf(stderr, "mktesticons: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
