// Writes the windows' artwork into a directory:
//   wb-artwork DIR
// The files in assets/art are this program's output; change a picture, run it (the
// `artwork` build target does), look at the result and commit both. Text in the
// pictures is drawn with the installed fonts, so another machine may differ by a
// pixel here and there.
#include "tools/artwork/Art.h"
#include "tools/artwork/Encoders.h"

#include <QGuiApplication>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

namespace {

struct Output {
    const char* name;
    std::function<std::string()> encode;
};

std::vector<Output> outputs()
{
    using namespace artwork;
    return {
        {"tab-english.bmp", [] { return encodeBmp8(tabIcon(Flag::English), kMaskColor); }},
        {"tab-german.bmp", [] { return encodeBmp8(tabIcon(Flag::German), kMaskColor); }},
        {"about.gif", [] { return encodeGif(pictureButton(PictureButton::About, false)); }},
        {"about-pressed.gif", [] { return encodeGif(pictureButton(PictureButton::About, true)); }},
        {"exit.gif", [] { return encodeGif(pictureButton(PictureButton::Exit, false)); }},
        {"exit-pressed.gif", [] { return encodeGif(pictureButton(PictureButton::Exit, true)); }},
        {"side.gif", [] { return encodeGif(sidePicture()); }},
        {"www.bmp", [] { return encodeBmp8(webGlyph(), kMaskColor); }},
        {"icon-32.png", [] { return encodePng(programIcon(32)); }},
        {"icon-48.png", [] { return encodePng(programIcon(48)); }},
        {"icon-128.png", [] { return encodePng(programIcon(128)); }},
        {"woerterbuch.svg", [] { return programIconSvg().toStdString(); }},
        {"photograph.jpg", [] { return encodeProgressiveJpeg(photograph(), 90); }},
    };
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
