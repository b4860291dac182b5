#pragma once

#include <string>

// A small family written with the project writer, shared by the database tests.
//
//  1 John Smith  x  2 Mary Jones      6 Fred Other x 2 Mary Jones
//    children 18 Zoe (order 1), 3 Anne (order 2), 4 Beth (order 3)     child 5 Carl
//  3 Anne  married 9 George Brown twice (1870, 1875) and 10 Hugh Green (1880)
//    children with George: 7 Dan (primary link), 19 Walt (primary), 8 Eve (not primary)
//  12 Jack: father 14 through a link of surety 1; 13 Kate: father 14 without a link
//  11 Ivy: living; 16 Nora: name of surety 1; 17 Olga: no primary name
namespace family {

enum Person {
    John = 1, Mary, Anne, Beth, Carl, Fred, Dan, Eve, George, Hugh, Ivy, Jack, Kate, Len, Meg, Nora, Olga, Zoe, Walt,
    PersonCount = Walt
};

// Writes the project once per process and returns its path.
const std::string& ProjectPath();

// Writes a command file whose [database] section holds file=ProjectPath() and
// the given lines; returns its path.
std::string CommandFileWith(const std::string& databaseLines);

}  // namespace family
