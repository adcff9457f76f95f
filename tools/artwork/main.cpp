// artwork-generator: draws every picture and icon of the editor and writes them with the
// resource script, or renders a contact sheet of them for checking by eye.
//
//   artwork-generator RESOURCES_DIR
//   artwork-generator --contact-sheet OUT.png [--scale N]
//   artwork-generator --picture ID OUT.png [--scale N]
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "tools/artwork/artwork.h"
#include "tools/artwork/contact_sheet.h"
#include "tools/artwork/image_files.h"

namespace {

bool WriteOrComplain(const std::string& path, const Bytes& bytes) {
    if (WriteFileBytes(path, bytes)) return true;
    std::fprintf(stderr, "artwork-generator: cannot write %s\n", path.c_str());
    return false;
}

std::string ResourceScript() {
    std::string script =
        "// The editor's pictures and icons. Made by tools/artwork (artwork-generator);\n"
        "// draw them again with that program rather than editing the files.\n\n";
    for (int id : {1000, 1001}) script += std::to_string(id) + " ICON \"icons/" + std::to_string(id) + ".ico\"\n";
    script += "\n";
    for (const Picture& picture : AllPictures())
        script += std::to_string(picture.id) + " BITMAP \"bitmaps/" + std::to_string(picture.id) + ".bmp\"\n";
    return script;
}

int WriteResources(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder / "bitmaps", error);
    std::filesystem::create_directories(folder / "icons", error);
    bool ok = true;
    for (const Picture& picture : AllPictures()) {
        const Canvas drawn = picture.draw();
        if (drawn.Width() != picture.width || drawn.Height() != picture.height) {
            std::fprintf(stderr, "artwork-generator: picture %d drawn at %dx%d, expected %dx%d\n", picture.id,
                         drawn.Width(), drawn.Height(), picture.width, picture.height);
            return 1;
        }
        const auto path = folder / "bitmaps" / (std::to_string(picture.id) + ".bmp");
        ok = WriteOrComplain(path.string(), EncodeBmp(drawn, picture.extraBytes)) && ok;
    }
    ok = WriteOrComplain((folder / "icons" / "1000.ico").string(), EncodeIcon(DrawProgramIcon(false))) && ok;
    ok = WriteOrComplain((folder / "icons" / "1001.ico").string(), EncodeIcon(DrawProgramIcon(true))) && ok;
    const std::string script = ResourceScript();
    ok = WriteOrComplain((folder / "resources.rc").string(), Bytes(script.begin(), script.end())) && ok;
    return ok ? 0 : 1;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: artwork-generator RESOURCES_DIR\n"
                 "       artwork-generator --contact-sheet OUT.png [--scale N]\n"
                 "       artwork-generator --picture ID OUT.png [--scale N]\n");
    return 2;
}

int ScaleArgument(int argc, char** argv, int at) {
    if (argc == at) return 1;
    if (argc != at + 2 || std::string(argv[at]) != "--scale") return 0;
    const int scale = std::atoi(argv[at + 1]);
    return scale >= 1 && scale <= 16 ? scale : 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && argv[1][0] != '-') return WriteResources(argv[1]);
    if (argc >= 3 && std::string(argv[1]) == "--contact-sheet") {
        const int scale = ScaleArgument(argc, argv, 3);
        if (scale == 0) return Usage();
        return WriteOrComplain(argv[2], EncodePng(Enlarge(MakeContactSheet(), scale))) ? 0 : 1;
    }
    if (argc >= 4 && std::string(argv[1]) == "--picture") {
        const int scale = ScaleArgument(argc, argv, 4);
        if (scale == 0) return Usage();
        const int id = std::atoi(argv[2]);
        for (const Picture& picture : AllPictures())
            if (picture.id == id)
                return WriteOrComplain(argv[3], EncodePng(Enlarge(picture.draw(), scale))) ? 0 : 1;
        std::fprintf(stderr, "artwork-generator: no picture %d\n", id);
        return 1;
    }
    return Usage();
}
