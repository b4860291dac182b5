#include "tests/data/PictureProject.h"

#include "tests/support/TestEnvironment.h"
#include "tools/projectwriter/ProjectWriter.h"

#include <cstdint>
#include <fstream>
#include <vector>

namespace pictures {
namespace {

void Put16(std::vector<char>& out, std::uint32_t value)
{
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void Put32(std::vector<char>& out, std::uint32_t value)
{
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

std::string InTestDirectory(const std::string& name)
{
    return (quorrel_test::TestDirectory() / name).string();
}

std::string Write()
{
    WriteBmp(InTestDirectory("wide.bmp"), 300, 200);
    WriteBmp(InTestDirectory("small.bmp"), 50, 50);
    WriteBmp(InTestDirectory("square.bmp"), 120, 120);
    WriteBmp(InTestDirectory("ann.jpeg"), 40, 40);
    WriteBmp(InTestDirectory("really-bmp.jpg"), 30, 20);
    std::ofstream(InTestDirectory("noise.tga"), std::ios::binary) << "not a picture at all";

    ProjectWriter w;
    const auto person = [&](int number, const std::string& given) {
        w.AddPerson({.number = number, .sex = "F"});
        w.AddName({.person = number, .parts = {"Picture", "", given, ""}});
    };
    const auto external = [&](int number, const std::string& file) {
        w.AddExhibit({.person = number, .type = 2, .name = "portrait", .file = file, .primary = true});
    };
    person(Wide, "Wide");
    external(Wide, InTestDirectory("wide.bmp"));
    person(Small, "Small");
    external(Small, InTestDirectory("small.bmp"));
    person(Square, "Square");
    external(Square, InTestDirectory("square.bmp"));
    person(Jpeg4, "Jpeg");
    external(Jpeg4, InTestDirectory("ann.jpeg"));
    person(EmbeddedGif, "Gif");
    w.AddExhibit({.person = EmbeddedGif, .type = 2, .name = "gif", .data = "GIF89a\x01\x00\x01\x00", .primary = true});
    person(BmpAsJpg, "Disguised");
    external(BmpAsJpg, InTestDirectory("really-bmp.jpg"));
    person(Missing, "Missing");
    external(Missing, InTestDirectory("missing.bmp"));
    person(Garbage, "Garbage");
    external(Garbage, InTestDirectory("noise.tga"));
    person(NoExhibit, "None");
    w.AddExhibit({.person = NoExhibit, .type = 2, .name = "other", .file = InTestDirectory("small.bmp")});

    const std::string path = InTestDirectory("PICTURES");
    w.Write(path);
    return path;
}

}  // namespace

void WriteBmp(const std::string& path, int width, int height)
{
    const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    const std::uint32_t pixels = stride * static_cast<std::uint32_t>(height);
    std::vector<char> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, 54 + pixels);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, 24);
    for (int i = 0; i < 6; ++i)
        Put32(out, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            out.push_back(static_cast<char>(255 * x / width));         // blue
            out.push_back(static_cast<char>(255 * y / height));        // green
            out.push_back(static_cast<char>(160));                     // red
        }
        out.resize(out.size() + (stride - static_cast<std::uint32_t>(width) * 3), 0);
    }
    std::ofstream(path, std::ios::binary).write(out.data(), static_cast<std::streamsize>(out.size()));
}

const std::string& ProjectPath()
{
    static const std::string path = Write();
    return path;
}

std::string CommandFileWith(const std::string& text)
{
    static int count = 0;
    const std::string path = InTestDirectory("pictures" + std::to_string(++count) + ".qrc");
    std::ofstream(path) << "[database]\nfile=" << ProjectPath() << "\n" << text;
    return path;
}

}  // namespace pictures
