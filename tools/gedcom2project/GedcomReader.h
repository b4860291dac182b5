#pragma once

#include "tools/gedcom2project/GedcomNode.h"
#include "tools/gedcom2project/ImportReport.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Cuts UTF-8 GEDCOM text into level-0 records. A line that cannot be read, or
// that jumps more than one level down, is reported and skipped with the lines
// below it; the reading goes on with the next line that fits.
class GedcomReader {
public:
    static constexpr int kMaxLevel = 99;
    static constexpr std::size_t kMaxTagLength = 63;
    static constexpr std::size_t kMaxXrefLength = 255;
    static constexpr std::size_t kMaxLineLength = std::size_t{1} << 20;
    static constexpr std::size_t kMaxValueLength = std::size_t{1} << 20;

    GedcomReader(std::string_view text, ImportReport& report);

    // The next record, false at the end of the text.
    bool Next(GedcomNode& record);
    // True when a TRLR record ended the text.
    bool SawTrailer() const { return m_bTrailer; }
    std::size_t LineCount() const { return m_nLine; }

private:
    struct Line {
        int level = 0;
        std::string_view xref;
        std::string_view tag;
        std::string_view value;
    };
    bool ReadLine(std::string_view& line);
    // Empty when the line is sound, else what is wrong with it.
    std::string Parse(std::string_view text, Line& line) const;
    // The value of a line as the file means it; reports control characters.
    std::string Value(std::string_view text);
    void Add(const Line& line);
    void AppendValue(GedcomNode& node, std::string_view text, bool newLine);

    std::string_view m_text;
    std::size_t m_at = 0;
    std::size_t m_nLine = 0;
    ImportReport& m_report;
    GedcomNode m_record;
    bool m_bHaveRecord = false;
    std::vector<GedcomNode*> m_path;
    int m_nSkipAbove = -1;  // lines deeper than this belong to a skipped line
    bool m_bTrailer = false;
};
