#include "tools/gedcom2project/GedcomCharset.h"

#include "tools/gedcom2project/AnselTable.h"
#include "tools/gedcom2project/Utf8Text.h"

#include <array>
#include <cctype>
#include <iterator>

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

// Windows-1252 from 0x80 to 0x9F; the five unassigned codes keep their C1 value.
constexpr std::array<char32_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
constexpr unsigned char kFirstC1 = 0x80;
constexpr unsigned char kFirstLatin1 = 0xA0;
constexpr char32_t kFirstLowSurrogate = 0xDC00;
constexpr char32_t kFirstHighSurrogate = 0xD800;
constexpr char32_t kLastLowSurrogate = 0xDFFF;
constexpr char32_t kSurrogateBase = 0x10000;
constexpr int kSurrogateShift = 10;

char32_t Windows1252(unsigned char byte)
{
    if (byte >= kFirstC1 && byte < kFirstLatin1)
        return kWindows1252High[byte - kFirstC1];
    return byte;
}

// A character set name without case, blanks, hyphens and underscores: "utf-8" is "UTF8".
std::string CharsetKey(std::string_view text)
{
    std::string upper;
    for (const char c : text) {
        if (c != ' ' && c != '-' && c != '_')
            upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return upper;
}

class Decoder {
public:
    void Bad()
    {
        if (m_result.badBytes++ == 0)
            m_result.firstBadLine = m_nLine;
    }
    void Put(char32_t c)
    {
        if (c == '\n')
            ++m_nLine;
        Utf8Text::Append(m_result.text, c);
    }
    void PutRaw(std::string_view bytes) { m_result.text.append(bytes); }
    void CountLines(std::string_view bytes)
    {
        for (const char c : bytes)
            m_nLine += c == '\n' ? 1 : 0;
    }
    GedcomCharset::Decoded Take() { return std::move(m_result); }

private:
    GedcomCharset::Decoded m_result;
    std::size_t m_nLine = 1;
};

void DecodeUtf8(std::string_view bytes, Decoder& out)
{
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = Utf8Text::SequenceLength(bytes, at);
        if (length == 0) {
            // A stray byte in a UTF-8 file is most often Windows-1252 text.
            out.Bad();
            out.Put(Windows1252(static_cast<unsigned char>(bytes[at])));
            ++at;
        } else {
            out.CountLines(bytes.substr(at, length));
            out.PutRaw(bytes.substr(at, length));
            at += length;
        }
    }
}

void DecodeUtf16(std::string_view bytes, bool bigEndian, Decoder& out)
{
    const auto unit = [&](std::size_t at) -> char32_t {
        const auto a = static_cast<unsigned char>(bytes[at]);
        const auto b = static_cast<unsigned char>(bytes[at + 1]);
        return bigEndian ? (a << 8 | b) : (b << 8 | a);
    };
    std::size_t at = 0;
    for (; at + 1 < bytes.size(); at += 2) {
        const char32_t first = unit(at);
        if (first >= kFirstHighSurrogate && first < kFirstLowSurrogate && at + 3 < bytes.size()) {
            const char32_t second = unit(at + 2);
            if (second >= kFirstLowSurrogate && second <= kLastLowSurrogate) {
                out.Put(kSurrogateBase + ((first - kFirstHighSurrogate) << kSurrogateShift) +
                        (second - kFirstLowSurrogate));
                at += 2;
                continue;
            }
        }
        if (first >= kFirstHighSurrogate && first <= kLastLowSurrogate) {
            out.Bad();
            out.Put(Utf8Text::kReplacement);
        } else {
            out.Put(first);
        }
    }
    if (at < bytes.size())
        out.Bad();  // an odd last byte
}

void DecodeAnsel(std::string_view bytes, Decoder& out)
{
    // Marks come before their letter: collect them, then compose with the letter.
    char32_t marks[4] = {};
    std::size_t markCount = 0;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            char32_t letter = byte;
            std::size_t used = 0;
            if (markCount > 0) {
                if (const char32_t composed = AnselTable::Compose(marks[0], letter)) {
                    letter = composed;
                    used = 1;
                }
            }
            out.Put(letter);
            for (std::size_t i = used; i < markCount; ++i)
                out.Put(marks[i]);
            markCount = 0;
        } else if (const char32_t mark = AnselTable::CombiningMark(byte)) {
            if (markCount < std::size(marks))
                marks[markCount++] = mark;
            else
                out.Bad();
        } else if (const char32_t spacing = AnselTable::Spacing(byte)) {
            out.Put(spacing);
            for (std::size_t i = 0; i < markCount; ++i)
                out.Put(marks[i]);
            markCount = 0;
        } else {
            out.Bad();
            out.Put(Utf8Text::kReplacement);
        }
    }
    for (std::size_t i = 0; i < markCount; ++i)
        out.Put(marks[i]);
}

}  // namespace

GedcomCharset::Encoding GedcomCharset::Detect(std::string_view bytes, std::size_t& bomLength, bool& certain)
{
    bomLength = 0;
    certain = true;
    if (bytes.starts_with(kUtf8Bom)) {
        bomLength = kUtf8Bom.size();
        return Encoding::Utf8;
    }
    if (bytes.starts_with(kUtf16LeBom)) {
        bomLength = kUtf16LeBom.size();
        return Encoding::Utf16LittleEndian;
    }
    if (bytes.starts_with(kUtf16BeBom)) {
        bomLength = kUtf16BeBom.size();
        return Encoding::Utf16BigEndian;
    }
    if (bytes.size() >= 2 && bytes[0] == '0' && bytes[1] == '\0')
        return Encoding::Utf16LittleEndian;
    if (bytes.size() >= 2 && bytes[0] == '\0' && bytes[1] == '0')
        return Encoding::Utf16BigEndian;
    certain = false;
    return Encoding::Utf8;
}

GedcomCharset::Encoding GedcomCharset::FromName(std::string_view name, std::string_view bytes, bool& known)
{
    const std::string upper = CharsetKey(name);
    known = true;
    if (upper == "UTF8")
        return Encoding::Utf8;
    if (upper == "UNICODE" || upper == "UTF16")
        return Encoding::Utf16LittleEndian;
    if (upper == "ANSEL")
        return Encoding::Ansel;
    if (upper == "ANSI" || upper == "WINDOWS1252" || upper == "CP1252" || upper == "IBMWINDOWS" || upper == "LATIN1" ||
        upper == "ISO88591")
        return Encoding::Windows1252;
    // ASCII files often carry UTF-8 or Windows-1252 letters all the same.
    known = upper == "ASCII";
    return Utf8Text::IsValid(bytes) ? Encoding::Utf8 : Encoding::Windows1252;
}

GedcomCharset::Decoded GedcomCharset::Decode(std::string_view bytes, Encoding encoding)
{
    Decoder out;
    switch (encoding) {
    case Encoding::Utf8:
        DecodeUtf8(bytes, out);
        break;
    case Encoding::Utf16LittleEndian:
    case Encoding::Utf16BigEndian:
        DecodeUtf16(bytes, encoding == Encoding::Utf16BigEndian, out);
        break;
    case Encoding::Ansel:
        DecodeAnsel(bytes, out);
        break;
    case Encoding::Windows1252:
        for (const char c : bytes)
            out.Put(Windows1252(static_cast<unsigned char>(c)));
        break;
    }
    return out.Take();
}
