#include "data/NameFormatter.h"

#include "data/DatabaseOptions.h"
#include "data/DisplayText.h"
#include "data/ReplyText.h"
#include "platform/TextCodec.h"

#include <vector>

namespace {

// Removes open ... close pairs, the first open with the first close after it,
// for as long as such a pair is left; keepInside keeps the text between them.
std::string RemovePairs(std::string text, char open, char close, bool keepInside)
{
    for (;;) {
        const std::size_t start = text.find(open);
        if (start == std::string::npos)
            return text;
        const std::size_t end = text.find(close, start + 1);
        if (end == std::string::npos)
            return text;
        if (keepInside) {
            text.erase(end, 1);
            text.erase(start, 1);
        } else {
            text.erase(start, end - start + 1);
        }
    }
}

const std::string kLongBlank(15, '_');
const std::string kShortBlank(4, '_');

}  // namespace

NameFormatter::NameFormatter(const DatabaseOptions& options)
    : m_options(options)
{
}

std::string NameFormatter::CleanPart(const std::string& part) const
{
    if (part.empty())
        return part;
    if (part.front() == '-' && !m_options.m_bShowExcluded)
        return {};
    std::string text = part;
    if (!m_options.m_bShowSensitive)
        text = RemovePairs(text, '{', '}', false);
    else if (!m_options.m_bShowBrackets)
        text = RemovePairs(text, '{', '}', true);
    return RemovePairs(text, '[', ']', false);
}

std::string NameFormatter::Parts::Join() const
{
    std::string name;
    if (!prefix.empty())
        name += prefix + " ";
    // The blank after the given names separates them from the surname; without
    // one, "Unknown" and the identifier would stand two blanks apart.
    name += given;
    if (!given.empty() && !surname.empty())
        name += " ";
    name += surname;
    if (!suffix.empty())
        name += " " + suffix;
    return name + identifier;
}

std::string NameFormatter::Identifier(std::int32_t person, const std::string& reference) const
{
    std::string identifier;
    switch (m_options.m_nZNTidentifier) {
    case 1: identifier = std::to_string(person); break;
    case 2: identifier = reference; break;
    case 3: identifier = std::to_string(person) + (reference.empty() ? "" : ", " + reference); break;
    default: break;
    }
    return identifier.empty() ? identifier : " (" + identifier + ")";
}

bool NameFormatter::AbbreviateGiven(Parts& parts)
{
    std::vector<std::string> words;
    for (int i = 0;; ++i) {
        std::string word = ReplyText::Token(parts.given, i, ' ');
        if (word.empty())
            break;
        words.push_back(std::move(word));
    }
    for (auto word = words.rbegin(); word != words.rend(); ++word) {
        if (word->back() == '.')
            continue;
        *word = DisplayText::FirstCharacter(*word) + ".";
        std::string given;
        for (const std::string& w : words)
            given += w + " ";
        parts.given = DisplayText::TrimRight(given, " ");
        return true;
    }
    std::string given;
    for (const std::string& w : words)
        given += w;
    parts.given = given;
    return false;
}

std::string NameFormatter::FormatName(const std::string& name, const std::string& surety, std::int32_t person,
                                      const std::string& reference, std::int32_t maxLength) const
{
    Parts parts;
    parts.surname = CleanPart(ReplyText::Token(name, 0, '~'));
    if (parts.surname.empty() && !m_options.m_bAddBlanksForMissing)
        parts.surname = m_options.m_sBlankName;
    if (m_options.m_nNameCapStyle == 2 || m_options.m_nNameCapStyle == 3)
        parts.surname = TextCodec::ToUpper(parts.surname);
    parts.prefix = CleanPart(ReplyText::Token(name, 1, '~'));
    parts.given = CleanPart(ReplyText::Token(name, 2, '~'));
    if (parts.given.empty() && !m_options.m_bAddBlanksForMissing)
        parts.given = m_options.m_sBlankName;
    parts.suffix = CleanPart(ReplyText::Token(name, 3, '~'));

    if (!m_options.IsSuretyAccepted(CleanPart(surety))) {
        parts.prefix.clear();
        parts.surname.clear();
        parts.suffix.clear();
        parts.given = m_options.m_sUnknownPhrase;
    }
    parts.identifier = Identifier(person, reference);

    const std::string& blank = maxLength > 0 ? kShortBlank : kLongBlank;
    if (m_options.m_bAddBlanksForMissing) {
        if (parts.given.empty())
            parts.given = blank;
        if (parts.surname.empty())
            parts.surname = blank;
    }

    std::string result = parts.Join();
    if (maxLength > 0) {
        const auto limit = static_cast<std::size_t>(maxLength);
        for (;;) {
            result = parts.Join();
            if (DisplayText::CharacterCount(result) <= limit)
                break;
            if (!parts.prefix.empty()) {
                parts.prefix.clear();
                continue;
            }
            if (!parts.suffix.empty()) {
                parts.suffix.clear();
                continue;
            }
            if (!parts.given.empty() && AbbreviateGiven(parts))
                continue;
            if (parts.identifier.empty())
                break;
            parts.identifier.clear();
        }
    }
    if (m_options.m_nNameCapStyle == 3)
        result = TextCodec::ToUpper(result);
    return result;
}
