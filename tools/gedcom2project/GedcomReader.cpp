#include "tools/gedcom2project/GedcomReader.h"

#include <cctype>

namespace {

bool IsTagCharacter(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view SkipBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

constexpr unsigned char kFirstPrintable = 0x20;

// C0 control characters other than the tab have no place in a value.
bool HasControl(std::string_view text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < kFirstPrintable && c != '\t')
            return true;
    }
    return false;
}

std::string WithoutControls(std::string_view text)
{
    std::string clean;
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= kFirstPrintable || c == '\t')
            clean += c;
    }
    return clean;
}

}  // namespace

GedcomReader::GedcomReader(std::string_view text, ImportReport& report) : m_text(text), m_report(report)
{
}

bool GedcomReader::ReadLine(std::string_view& line)
{
    if (m_at >= m_text.size())
        return false;
    const std::size_t end = m_text.find_first_of("\r\n", m_at);
    const std::size_t stop = end == std::string_view::npos ? m_text.size() : end;
    line = m_text.substr(m_at, stop - m_at);
    m_at = stop;
    // CR, LF, CR LF and LF CR each end one line.
    if (m_at < m_text.size()) {
        const char first = m_text[m_at++];
        if (m_at < m_text.size() && (m_text[m_at] == '\r' || m_text[m_at] == '\n') && m_text[m_at] != first)
            ++m_at;
    }
    ++m_nLine;
    return true;
}

std::string GedcomReader::Parse(std::string_view text, Line& line) const
{
    if (text.size() > kMaxLineLength)
        return "line longer than " + std::to_string(kMaxLineLength) + " bytes";
    text = SkipBlanks(text);
    std::size_t digits = 0;
    line.level = 0;
    while (digits < text.size() && std::isdigit(static_cast<unsigned char>(text[digits]))) {
        line.level = line.level * 10 + (text[digits] - '0');
        if (++digits > 1 && line.level > kMaxLevel)
            return "level number above " + std::to_string(kMaxLevel);
    }
    if (digits == 0)
        return "no level number";
    text.remove_prefix(digits);
    if (text.empty() || !IsBlank(text.front()))
        return "no blank after the level number";
    text = SkipBlanks(text);
    line.xref = {};
    if (!text.empty() && text.front() == '@') {
        const std::size_t close = text.find('@', 1);
        if (close == std::string_view::npos || close == 1)
            return "unclosed cross-reference";
        if (close - 1 > kMaxXrefLength)
            return "cross-reference longer than " + std::to_string(kMaxXrefLength) + " characters";
        line.xref = text.substr(1, close - 1);
        text.remove_prefix(close + 1);
        if (text.empty() || !IsBlank(text.front()))
            return "no blank after the cross-reference";
        text = SkipBlanks(text);
    }
    std::size_t tagLength = 0;
    while (tagLength < text.size() && IsTagCharacter(text[tagLength]))
        ++tagLength;
    if (tagLength == 0)
        return "no tag";
    if (tagLength > kMaxTagLength)
        return "tag longer than " + std::to_string(kMaxTagLength) + " characters";
    line.tag = text.substr(0, tagLength);
    text.remove_prefix(tagLength);
    if (!text.empty() && !IsBlank(text.front()))
        return "bad character in the tag";
    // One delimiter; any further blanks belong to the value (they matter in CONC lines).
    line.value = text.empty() ? text : text.substr(1);
    return std::string();
}

void GedcomReader::AppendValue(GedcomNode& node, std::string_view text, bool newLine)
{
    const std::size_t added = text.size() + (newLine ? 1 : 0);
    if (node.value.size() + added > kMaxValueLength) {
        m_report.Add(m_nLine, "text longer than " + std::to_string(kMaxValueLength) + " bytes",
                     "the rest of the text dropped");
        return;
    }
    if (newLine)
        node.value += '\n';
    node.value.append(text);
}

std::string GedcomReader::Value(std::string_view text)
{
    std::string value(text);
    // A value's leading "@@" stands for one "@".
    if (value.starts_with("@@"))
        value.erase(0, 1);
    if (HasControl(value)) {
        m_report.Add(m_nLine, "control character in the line", "removed");
        value = WithoutControls(value);
    }
    return value;
}

void GedcomReader::Add(const Line& line)
{
    const std::string value = Value(line.value);
    const auto level = static_cast<std::size_t>(line.level);
    if ((line.tag == "CONT" || line.tag == "CONC") && level > 0 && level <= m_path.size()) {
        m_path.resize(level);
        AppendValue(*m_path.back(), value, line.tag == "CONT");
        return;
    }
    m_path.resize(level);
    GedcomNode& parent = *m_path.back();
    parent.children.push_back({m_nLine, std::string(line.xref), std::string(line.tag), {}, {}});
    GedcomNode& node = parent.children.back();
    AppendValue(node, value, false);
    m_path.push_back(&node);
}

bool GedcomReader::Next(GedcomNode& record)
{
    std::string_view text;
    while (ReadLine(text)) {
        if (SkipBlanks(text).empty())
            continue;
        Line line;
        const std::string fault = Parse(text, line);
        if (!fault.empty()) {
            m_report.Add(m_nLine, "malformed line (" + fault + ")", "line skipped");
            continue;
        }
        if (m_nSkipAbove >= 0 && line.level > m_nSkipAbove)
            continue;
        m_nSkipAbove = -1;
        if (line.level == 0) {
            const bool hadRecord = m_bHaveRecord;
            GedcomNode finished = std::move(m_record);
            m_record = {m_nLine, std::string(line.xref), std::string(line.tag), {}, {}};
            AppendValue(m_record, Value(line.value), false);
            m_path.assign(1, &m_record);
            m_bHaveRecord = true;
            if (line.tag == "TRLR") {
                m_bTrailer = true;
                m_bHaveRecord = false;
                m_path.clear();
            }
            if (hadRecord) {
                record = std::move(finished);
                return true;
            }
            if (m_bTrailer)
                return false;
            continue;
        }
        if (m_path.empty() || static_cast<std::size_t>(line.level) > m_path.size()) {
            m_report.Add(m_nLine,
                         m_path.empty() ? "line outside any record" : "level " + std::to_string(line.level) +
                                                                          " follows level " +
                                                                          std::to_string(m_path.size() - 1),
                         "line skipped with the lines below it");
            m_nSkipAbove = line.level;
            continue;
        }
        Add(line);
    }
    if (m_bHaveRecord) {
        record = std::move(m_record);
        m_bHaveRecord = false;
        m_path.clear();
        return true;
    }
    return false;
}
