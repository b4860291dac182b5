#pragma once

#include <string>

// A small project whose persons have primary exhibits of every kind the
// picture reader must tell apart. Pictures are 24-bit BMP files written into
// the test directory; their pixels are a colour ramp so they show in renders.
namespace pictures {

enum Person {
    Wide = 1,    // 300 x 200 BMP, external, lower-case ".bmp"
    Small,       // 50 x 50 BMP
    Square,      // 120 x 120 BMP
    Jpeg4,       // external file ending ".jpeg": refused by its ending
    EmbeddedGif, // embedded GIF bytes: the library names them ".GIF"
    BmpAsJpg,    // a BMP file named ".jpg": read by the BMP reader
    Missing,     // ".bmp" that does not exist
    Garbage,     // ".tga" holding no picture
    NoExhibit,   // no primary exhibit (only a secondary one)
    PersonCount = NoExhibit
};

// Writes the project once per process and returns its path.
const std::string& ProjectPath();

// A command file whose [database] names the project, followed by the text.
std::string CommandFileWith(const std::string& text);

// Writes a width x height 24-bit BMP file at path.
void WriteBmp(const std::string& path, int width, int height);

}  // namespace pictures
