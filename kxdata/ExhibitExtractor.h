#pragma once

#include <array>
#include <string>
#include <string_view>

#include <sys/types.h>

// Copies an embedded exhibit into a file named by its kind letter, a counter
// and an extension (G0.JPG, T3.TXT, ...). The counters live as long as the
// library and skip names already taken.
//
// The files go into a directory of our own (mode 0700) made under the
// temporary directory at the first extraction: in a shared temporary
// directory another user could already hold a name, and a reply would then
// name a file we did not write. The directory and its files are removed when
// the library is unloaded or the process ends.
class ExhibitExtractor {
public:
    ExhibitExtractor() = default;
    ExhibitExtractor(const ExhibitExtractor&) = delete;
    ExhibitExtractor& operator=(const ExhibitExtractor&) = delete;
    ~ExhibitExtractor();

    // kind: the exhibit type minus one (0 text, 1 image, 2 sound, 3 object).
    // Returns the path of the file written, or an empty path when the
    // directory, the file, a write, the close or the rename failed.
    std::string Extract(std::string_view bytes, int kind, const std::string& tempDirectory);

    static std::string Extension(int kind, std::string_view bytes);

private:
    // The private directory, made when there is none (yet, or any more); false when it cannot be made.
    bool EnsureDirectory(const std::string& tempDirectory);
    void RemoveDirectory();

    std::array<int, 5> m_counters{};
    std::string m_strDirectory;  // ends with '/'; empty until made
    pid_t m_nOwner = 0;          // the process that made it: a forked child leaves it alone
};
