#pragma once

#include <cstddef>
#include <string>

// INI files read and written the way the Windows private-profile functions do it,
// so command files and settings written on Windows behave the same here:
// - section and key names match without regard to case; the first matching
//   section and, inside it, the first matching key win;
// - a value is trimmed of white space, and one pair of matching single or double
//   quotes enclosing all of it is removed;
// - CR LF and LF line ends are both read;
// - a write changes or adds one line and keeps every other line as it was,
//   adding the section, the key or the file when missing.
// Nothing is cached: every call reads the file again. A file that is not a
// regular file, or larger than a command file can be, is refused with a
// message and read as missing.
class ProfileFile {
public:
    // The value of key in section, at most bufferSize - 1 characters of it (the
    // caller's buffer keeps one byte for the terminator); fallback, cut the same
    // way, when the file, the section or the key is missing.
    static std::string ReadString(const std::string& path, const std::string& section, const std::string& key,
        const std::string& fallback, std::size_t bufferSize);

    // Sets key in section to value. Line breaks in the value are written as blanks,
    // so a value can never add lines of its own; a section or key that would add or
    // cut lines is refused. The file is replaced whole, keeping its permissions,
    // and only once the new contents are on the disk. Returns false when nothing
    // was written: the file is then as it was.
    static bool WriteString(const std::string& path, const std::string& section, const std::string& key,
        const std::string& value);
};
