#pragma once

#include <string>

namespace quorrel_test {

// A whole file's bytes; empty when it cannot be read.
std::string ReadFile(const std::string& path);
// Writes bytes as they are, replacing the file.
void WriteFile(const std::string& path, const std::string& bytes);
// A command file of one [CHART] section holding chart (key lines with their line ends).
void WriteCommandFile(const std::string& path, const std::string& chart);

}  // namespace quorrel_test
