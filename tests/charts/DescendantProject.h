#pragma once

#include <string>

// A small family written with the project writer for the descendant and
// hourglass chart tests (births in the order of the numbers within a family):
//
//  1 Adam, son of 50 Zed and 51 Zoe (as is 52 Amy), married 2 Beth (1900) and 3 Cara (1910)
//    with Beth: 10 Dan, 11 Eve     with Cara: 12 Finn
//    with 4 Dora, never married: 13 Gil     no mother recorded: 14 Hal
//  10 Dan married 20 Ivy: 21 Nia    12 Finn married 24 Kay: 23 Oz
//  21 Nia and 23 Oz, cousins, married: 30 Pia, reached through both
//  30 Pia married 31 Rex: 40 Sal
namespace descendants {

enum Person {
    Adam = 1, Beth = 2, Cara = 3, Dora = 4, Dan = 10, Eve = 11, Finn = 12, Gil = 13, Hal = 14, Ivy = 20, Nia = 21,
    Oz = 23, Kay = 24, Pia = 30, Rex = 31, Sal = 40, Zed = 50, Zoe = 51, Amy = 52
};

// Writes the project once per process and returns its path.
const std::string& ProjectPath();

// Writes a command file with [database] file=ProjectPath() and startperson,
// a small [Box] and the given further lines; returns its path.
std::string CommandFileWith(int startPerson, const std::string& lines);

}  // namespace descendants
