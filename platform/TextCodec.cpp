#include "platform/TextCodec.h"

#include "platform/QtText.h"

#include <QChar>

#include <array>

namespace {

// Code points of the bytes 0x80-0x9F in Windows-1252; the five bytes that the
// code page leaves undefined map to the C1 control of the same number.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t Cp1252ToUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return byte;
}

// -1 when the character has no byte in Windows-1252.
int UnicodeToCp1252(char16_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return ch;
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == ch)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

template <typename Change>
std::string ChangeCase(const std::string& text, Change change)
{
    if (TextCodec::IsUtf8(text))
        return QtText::EncodeUtf8(change(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))));
    // Byte by byte, so a letter whose other case has no byte stays as it is.
    std::string result = text;
    for (char& c : result) {
        const QChar changed = change(QString(QChar(Cp1252ToUnicode(static_cast<unsigned char>(c))))).at(0);
        const int byte = UnicodeToCp1252(changed.unicode());
        if (byte >= 0)
            c = static_cast<char>(byte);
    }
    return result;
}

}  // namespace

bool TextCodec::IsUtf8(const std::string& text)
{
    bool nonAscii = false;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        nonAscii = true;
        std::size_t length = 0;
        char32_t minimum = 0;
        char32_t value = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            minimum = 0x80;
            value = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            minimum = 0x800;
            value = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            minimum = 0x10000;
            value = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            value = (value << 6) | (next & 0x3F);
        }
        if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return false;
        i += length;
    }
    return nonAscii;
}

std::string TextCodec::ToUpper(const std::string& text)
{
    return ChangeCase(text, [](const QString& s) { return s.toUpper(); });
}

std::string TextCodec::ToLower(const std::string& text)
{
    return ChangeCase(text, [](const QString& s) { return s.toLower(); });
}

QString QtText::Decode(const std::string& text)
{
    if (TextCodec::IsUtf8(text))
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    QString result;
    result.reserve(static_cast<qsizetype>(text.size()));
    for (const char c : text)
        result.append(QChar(Cp1252ToUnicode(static_cast<unsigned char>(c))));
    return result;
}

std::string QtText::Encode(const QString& text)
{
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar ch : text) {
        const int byte = UnicodeToCp1252(ch.unicode());
        if (byte < 0)
            return EncodeUtf8(text);
        result.push_back(static_cast<char>(byte));
    }
    return result;
}

std::string QtText::EncodeUtf8(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}
