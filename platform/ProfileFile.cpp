#include "platform/ProfileFile.h"

#include "platform/MessageBox.h"
#include "platform/TextCodec.h"

#include <cerrno>
#include <filesystem>
#include <optional>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Command files are a few kilobytes; anything far larger is no command file,
// and a device such as /dev/zero would never end.
constexpr std::size_t kMaxProfileBytes = std::size_t{4} << 20;
constexpr int kBytesPerMegabyte = 1 << 20;
// Mode of a file the writer creates, before the umask.
constexpr mode_t kNewFileMode = 0666;

constexpr const char* kWhiteSpace = " \t\n\v\f\r";

std::string Trim(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string::npos)
        return {};
    const std::size_t last = text.find_last_not_of(kWhiteSpace);
    return text.substr(first, last - first + 1);
}

bool IsAscii(const std::string& text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

char AsciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool EqualNoCase(const std::string& a, const std::string& b)
{
    if (IsAscii(a) && IsAscii(b)) {
        if (a.size() != b.size())
            return false;
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (AsciiUpper(a[i]) != AsciiUpper(b[i]))
                return false;
        }
        return true;
    }
    return TextCodec::ToUpper(a) == TextCodec::ToUpper(b);
}

// One line of the file as it is stored, with what it means.
struct Line {
    enum class Kind { Other, Section, Key };
    std::string text;    // without the line end
    std::string ending;  // "\r\n", "\n" or "" for a last line without one
    Kind kind = Kind::Other;
    std::string name;    // section or key name, trimmed
    std::string value;   // raw text after '=' of a key line
};

struct Document {
    // A file that is there but cannot be read must not be overwritten by a write.
    bool unreadable = false;
    std::string byteOrderMark;  // a UTF-8 mark in front of the first line, written back as found
    std::vector<Line> lines;
    std::string newline = "\n";  // the file's own line end, used for added lines
};

Line ParseLine(std::string text, std::string ending)
{
    Line line;
    line.text = std::move(text);
    line.ending = std::move(ending);
    const std::string trimmed = Trim(line.text);
    if (!trimmed.empty() && trimmed.front() == '[') {
        const std::size_t close = trimmed.find(']');
        line.kind = Line::Kind::Section;
        line.name = Trim(trimmed.substr(1, close == std::string::npos ? std::string::npos : close - 1));
        return line;
    }
    const std::size_t equals = line.text.find('=');
    if (equals != std::string::npos) {
        line.kind = Line::Kind::Key;
        line.name = Trim(line.text.substr(0, equals));
        line.value = line.text.substr(equals + 1);
    }
    return line;
}

enum class ReadResult { Read, Missing, Unreadable };

// The path of the last file refused with a message: every read of a command
// file reads it again, and one message per file is enough.
std::string g_strRefusedPath;

ReadResult Refuse(const std::string& path, const std::string& reason)
{
    if (path != g_strRefusedPath) {
        g_strRefusedPath = path;
        MessageBox::Show("Cannot read " + path + ": " + reason);
    }
    return ReadResult::Unreadable;
}

ReadResult RefuseTooLarge(const std::string& path)
{
    std::string reason("it is larger than ");
    reason += std::to_string(kMaxProfileBytes / kBytesPerMegabyte);
    reason += " MB";
    return Refuse(path, reason);
}

ReadResult ReadWholeFile(const std::string& path, std::string& content)
{
    // O_NONBLOCK: opening a FIFO for reading would wait for a writer.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return errno == ENOENT || errno == ENOTDIR ? ReadResult::Missing : ReadResult::Unreadable;
    struct stat info;
    ReadResult result = ReadResult::Read;
    if (::fstat(descriptor, &info) != 0) {
        result = ReadResult::Unreadable;
    } else if (!S_ISREG(info.st_mode)) {
        result = Refuse(path, "it is not a regular file");
    } else {
        if (static_cast<std::uint64_t>(info.st_size) > kMaxProfileBytes)
            result = RefuseTooLarge(path);
        char chunk[8192];
        while (result == ReadResult::Read) {
            const ssize_t count = ::read(descriptor, chunk, sizeof chunk);
            if (count < 0 && errno == EINTR)
                continue;
            if (count < 0)
                result = ReadResult::Unreadable;
            if (count <= 0)
                break;
            content.append(chunk, static_cast<std::size_t>(count));
            // The file may grow while it is read.
            if (content.size() > kMaxProfileBytes)
                result = RefuseTooLarge(path);
        }
    }
    ::close(descriptor);
    if (result == ReadResult::Read && path == g_strRefusedPath)
        g_strRefusedPath.clear();
    return result;
}

Document Load(const std::string& path)
{
    Document document;
    std::string content;
    const ReadResult result = ReadWholeFile(path, content);
    if (result != ReadResult::Read) {
        document.unreadable = result == ReadResult::Unreadable;
        return document;
    }
    std::size_t start = 0;
    if (content.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        document.byteOrderMark = content.substr(0, 3);
        start = 3;
    }
    bool newlineKnown = false;
    while (start < content.size()) {
        const std::size_t lf = content.find('\n', start);
        std::size_t end = lf == std::string::npos ? content.size() : lf;
        const bool crlf = lf != std::string::npos && end > start && content[end - 1] == '\r';
        if (crlf)
            --end;
        const char* const ending = lf == std::string::npos ? "" : crlf ? "\r\n" : "\n";
        if (lf != std::string::npos && !newlineKnown) {
            document.newline = ending;
            newlineKnown = true;
        }
        document.lines.push_back(ParseLine(content.substr(start, end - start), ending));
        start = lf == std::string::npos ? content.size() : lf + 1;
    }
    return document;
}

// Index of the header line of the first section called name.
std::optional<std::size_t> FindSection(const Document& document, const std::string& name)
{
    for (std::size_t i = 0; i < document.lines.size(); ++i) {
        const Line& line = document.lines[i];
        if (line.kind == Line::Kind::Section && EqualNoCase(line.name, name))
            return i;
    }
    return std::nullopt;
}

// One past the last line of the section whose header is at index header.
std::size_t SectionEnd(const Document& document, std::size_t header)
{
    std::size_t i = header + 1;
    while (i < document.lines.size() && document.lines[i].kind != Line::Kind::Section)
        ++i;
    return i;
}

std::optional<std::size_t> FindKey(const Document& document, std::size_t header, const std::string& key)
{
    const std::size_t end = SectionEnd(document, header);
    for (std::size_t i = header + 1; i < end; ++i) {
        const Line& line = document.lines[i];
        if (line.kind == Line::Kind::Key && EqualNoCase(line.name, key))
            return i;
    }
    return std::nullopt;
}

std::string Unquote(std::string value)
{
    if (value.size() >= 2 && value.front() == value.back() && (value.front() == '"' || value.front() == '\''))
        return value.substr(1, value.size() - 2);
    return value;
}

std::string Cut(std::string text, std::size_t bufferSize)
{
    const std::size_t room = bufferSize == 0 ? 0 : bufferSize - 1;
    if (text.size() > room)
        text.resize(room);
    return text;
}

bool WriteAll(int descriptor, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t count = ::write(descriptor, bytes.data() + done, bytes.size() - done);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        done += static_cast<std::size_t>(count);
    }
    return true;
}

mode_t CreationMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return kNewFileMode & ~mask;
}

// The new contents go to a temporary file beside the old one, which replaces
// it only once they are all on the disk: a full disk or a failing write
// leaves the old file as it was.
bool Save(const std::string& path, const Document& document)
{
    std::string content = document.byteOrderMark;
    for (const Line& line : document.lines)
        content += line.text + line.ending;

    // A link stays a link: the file it points to is the one replaced.
    std::error_code error;
    const std::filesystem::path target =
        std::filesystem::exists(path, error) ? std::filesystem::canonical(path, error) : std::filesystem::path(path);
    if (error)
        return false;
    struct stat info;
    const mode_t mode = ::stat(target.c_str(), &info) == 0 ? (info.st_mode & 07777) : CreationMode();

    const std::filesystem::path directory = target.has_parent_path() ? target.parent_path() : ".";
    std::string name(".");  // hidden, beside the file, so the rename stays on one file system
    name += target.filename().string();
    name += ".XXXXXX";
    std::string temporary = (directory / name).string();
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0)
        return false;
    const bool written = WriteAll(descriptor, content) && ::fchmod(descriptor, mode) == 0 && ::fsync(descriptor) == 0;
    if (::close(descriptor) != 0 || !written || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

// Names that would change the lines of the file: a line break anywhere, "]"
// in a section (it would end the header early), "=" in a key (it would end
// the key early) or a key that reads as a section header.
bool IsWritableName(const std::string& section, const std::string& key)
{
    const std::string trimmedKey = Trim(key);
    return section.find_first_of("\r\n]") == std::string::npos && key.find_first_of("\r\n=") == std::string::npos
        && (trimmedKey.empty() || trimmedKey.front() != '[');
}

}  // namespace

std::string ProfileFile::ReadString(const std::string& path, const std::string& section, const std::string& key,
    const std::string& fallback, std::size_t bufferSize)
{
    const Document document = Load(path);
    const std::optional<std::size_t> header = FindSection(document, section);
    if (!header)
        return Cut(fallback, bufferSize);
    const std::optional<std::size_t> found = FindKey(document, *header, key);
    if (!found)
        return Cut(fallback, bufferSize);
    return Cut(Unquote(Trim(document.lines[*found].value)), bufferSize);
}

bool ProfileFile::WriteString(const std::string& path, const std::string& section, const std::string& key,
    const std::string& value)
{
    if (!IsWritableName(section, key))
        return false;
    std::string oneLine = value;
    for (char& c : oneLine) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }

    Document document = Load(path);
    if (document.unreadable)
        return false;
    const std::optional<std::size_t> header = FindSection(document, section);
    if (!header) {
        if (!document.lines.empty() && document.lines.back().ending.empty())
            document.lines.back().ending = document.newline;
        document.lines.push_back(ParseLine("[" + section + "]", document.newline));
        document.lines.push_back(ParseLine(key + "=" + oneLine, document.newline));
        return Save(path, document);
    }
    if (const std::optional<std::size_t> found = FindKey(document, *header, key)) {
        Line& line = document.lines[*found];
        line = ParseLine(line.text.substr(0, line.text.find('=') + 1) + oneLine, line.ending);
        return Save(path, document);
    }
    // A new key goes after the last non-blank line of its section, so blank lines
    // that separate it from the next section stay where they are.
    std::size_t insertAt = *header + 1;
    const std::size_t end = SectionEnd(document, *header);
    for (std::size_t i = *header + 1; i < end; ++i) {
        if (!Trim(document.lines[i].text).empty())
            insertAt = i + 1;
    }
    Line& previous = document.lines[insertAt - 1];
    if (previous.ending.empty())
        previous.ending = document.newline;
    document.lines.insert(document.lines.begin() + static_cast<std::ptrdiff_t>(insertAt),
        ParseLine(key + "=" + oneLine, document.newline));
    return Save(path, document);
}
