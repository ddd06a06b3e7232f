// Writes the program's pictures into a folder for the resource compiler.
#include <cstdio>
#include <string>

#include "tools/Artwork.h"

namespace {
bool Write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: mkres OUTPUT-FOLDER\n");
        return 2;
    }
    const std::string dir = argv[1];
    using namespace art;
    const bool ok = Write(dir + "/face_normal.bmp", EncodeBmp(RaisedFace())) &&
                    Write(dir + "/face_pressed.bmp", EncodeBmp(SunkenFace())) &&
                    Write(dir + "/app.ico", EncodeIco({AppIcon(32), AppIcon(16)})) &&
                    Write(dir + "/tray.ico", EncodeIco({TrayIcon(32), TrayIcon(16)})) &&
                    Write(dir + "/noicon.ico", EncodeIco({NoIconCross(32), NoIconCross(16)}));
    if (!ok) std::fprintf(stderr, "mkres: cannot write into %s\n", dir.c_str());
    return ok ? 0 : 1;
}
