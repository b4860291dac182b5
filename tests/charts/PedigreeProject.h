#pragma once

#include <string>

// A small pedigree written with the project writer, shared by the chart tests.
//
//  1 Paul (birth order 2): father 2 Fred, mother 3 Mona; full siblings
//    11 Sue (order 1), 10 Sam (order 3), 12 Sid (order 4)
//  2 Fred: father 4 Gus, mother 5 Gina    3 Mona: father 4 Gus, mother 6 Hilda
//  4 Gus: father 8 Otto, mother 9 Olga     13 Tom: father 2 Fred, no mother
//  14 Lone: no parents                      15 Kid: father 16 Ned, mother 17 Nan
namespace pedigree {

enum Person { Paul = 1, Fred, Mona, Gus, Gina, Hilda, Unused, Otto, Olga, Sam, Sue, Sid, Tom, Lone, Kid, Ned, Nan };

// Writes the project once per process and returns its path.
const std::string& ProjectPath();

// Writes a command file with [database] file=ProjectPath() and startperson,
// a small [Box] and the given further lines; returns its path.
std::string CommandFileWith(int startPerson, const std::string& lines);

}  // namespace pedigree
