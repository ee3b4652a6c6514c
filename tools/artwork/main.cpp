// Writes the windows' artwork into a directory:
//   wb-artwork DIR
// The files in assets/art are this program's output; change a picture, run it (the
// `artwork` build target does), look at the result and commit both. Text in the
// pictures is drawn with the installed fonts, so another machine may differ by a
// pixel here and there. Each window picture is written twice: NAME.EXT at the layout's
// size and NAME@2x.EXT at twice that for screens of twice the density, the name Qt's
// image reader takes a device pixel ratio of 2 from.
#include "tools/artwork/Art.h"
#include "tools/artwork/Encoders.h"

#include <QGuiApplication>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

struct Output {
    std::string name;
    std::function<std::string()> encode;
};

// The window pictures, drawn at `scale`; `suffix` goes between name and extension.
std::vector<Output> windowPictures(int scale, const std::string& suffix)
{
    using namespace artwork;
    auto name = [&suffix](const char* base, const char* extension) {
        return base + suffix + extension;
    };
    return {
        {name("tab-english", ".bmp"),
         [scale] { return encodeBmp8(tabIcon(Flag::English, scale), kMaskColor); }},
        {name("tab-german", ".bmp"),
         [scale] { return encodeBmp8(tabIcon(Flag::German, scale), kMaskColor); }},
        {name("about", ".gif"),
         [scale] { return encodeGif(pictureButton(PictureButton::About, false, scale)); }},
        {name("about-pressed", ".gif"),
         [scale] { return encodeGif(pictureButton(PictureButton::About, true, scale)); }},
        {name("exit", ".gif"),
         [scale] { return encodeGif(pictureButton(PictureButton::Exit, false, scale)); }},
        {name("exit-pressed", ".gif"),
         [scale] { return encodeGif(pictureButton(PictureButton::Exit, true, scale)); }},
        {name("side", ".gif"), [scale] { return encodeGif(sidePicture(scale)); }},
        {name("www", ".bmp"), [scale] { return encodeBmp8(webGlyph(scale), kMaskColor); }},
        {name("photograph", ".jpg"),
         [scale] { return encodeProgressiveJpeg(photograph(scale), 90); }},
    };
}

std::vector<Output> outputs()
{
    using namespace artwork;
    std::vector<Output> all = windowPictures(1, "");
    for (Output& doubled : windowPictures(2, "@2x"))
        all.push_back(std::move(doubled));
    all.push_back({"icon-32.png", [] { return encodePng(programIcon(32)); }});
    all.push_back({"icon-48.png", [] { return encodePng(programIcon(48)); }});
    all.push_back({"icon-128.png", [] { return encodePng(programIcon(128)); }});
    all.push_back({"woerterbuch.svg", [] { return programIconSvg().toStdString(); }});
    return all;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 64;
    }
    const std::filesystem::path directory = argv[1];
    std::filesystem::create_directories(directory);
    for (const Output& output : outputs()) {
        std::ofstream file(directory / output.name, std::ios::binary | std::ios::trunc);
        file << output.encode();
        if (!file) {
            std::fprintf(stderr, "cannot write %s\n", (directory / output.name).c_str());
            return 1;
        }
    }
    return 0;
}
