#pragma once

#include <array>
#include <string>
#include <string_view>

// Copies an embedded exhibit into a file of the temporary directory named by
// its kind letter, a counter and an extension (G0.JPG, T3.TXT, ...). The
// counters live as long as the library and skip names already taken.
class ExhibitExtractor {
public:
    // kind: the exhibit type minus one (0 text, 1 image, 2 sound, 3 object).
    // Returns the name of the file; failures to write or rename are not reported.
    std::string Extract(std::string_view bytes, int kind, const std::string& tempDirectory);

    static std::string Extension(int kind, std::string_view bytes);

private:
    std::array<int, 5> m_counters{};
};
