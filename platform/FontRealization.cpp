#include "platform/FontRealization.h"

#include "platform/Arithmetic.h"
#include "platform/CFont.h"
#include "platform/QtText.h"

#include <QFont>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <tuple>

namespace {

// Big-endian fields of the sfnt tables.
int Int16At(const QByteArray& table, int offset, bool isSigned)
{
    if (offset + 2 > table.size())
        return 0;
    const auto value = static_cast<std::uint16_t>((static_cast<std::uint8_t>(table[offset]) << 8)
                                                  | static_cast<std::uint8_t>(table[offset + 1]));
    return isSigned ? static_cast<std::int16_t>(value) : value;
}

// Height used when the logical font asks for the default (0).
constexpr int kDefaultCellHeight = 16;

}  // namespace

FontRealization::FontRealization(const CFont& font)
{
    const LOGFONT& logFont = font.GetLogFont();
    QFont qfont(QtText::Decode(font.GetFaceName()));
    qfont.setWeight(static_cast<QFont::Weight>(
        std::clamp(logFont.lfWeight == FW_DONTCARE ? FW_NORMAL : static_cast<int>(logFont.lfWeight), 1, 1000)));
    qfont.setItalic(logFont.lfItalic != 0);
    qfont.setHintingPreference(QFont::PreferNoHinting);
    qfont.setPixelSize(100);  // replaced below, once the face's proportions are known
    m_rawFont = QRawFont::fromFont(qfont);

    const QByteArray os2 = m_rawFont.fontTable("OS/2");
    const QByteArray hhea = m_rawFont.fontTable("hhea");
    const double unitsPerEm = m_rawFont.isValid() ? m_rawFont.unitsPerEm() : 2048.0;
    double winAscent = Int16At(os2, 74, false);
    double winDescent = Int16At(os2, 76, false);
    if (winAscent + winDescent <= 0) {
        // Not a TrueType face: take what the engine reports at the probe size.
        winAscent = m_rawFont.ascent() * unitsPerEm / 100.0;
        winDescent = m_rawFont.descent() * unitsPerEm / 100.0;
    }
    const double hheaAscent = Int16At(hhea, 4, true);
    const double hheaDescent = Int16At(hhea, 6, true);
    const double lineGap = Int16At(hhea, 8, true);
    const double maxAdvance = Int16At(hhea, 10, false);
    const double averageWidth = Int16At(os2, 2, true);

    const int height = logFont.lfHeight == 0 ? kDefaultCellHeight : logFont.lfHeight;
    m_emSize = height < 0 ? -static_cast<double>(height)
                          : height * unitsPerEm / std::max(1.0, winAscent + winDescent);
    const double scale = m_emSize / unitsPerEm;
    if (m_rawFont.isValid())
        m_rawFont.setPixelSize(m_emSize);

    m_metrics.tmAscent = RoundHalfAwayFromZero(winAscent * scale);
    m_metrics.tmDescent = RoundHalfAwayFromZero(winDescent * scale);
    m_metrics.tmHeight = m_metrics.tmAscent + m_metrics.tmDescent;
    m_metrics.tmInternalLeading = std::max(0, m_metrics.tmHeight - RoundHalfAwayFromZero(m_emSize));
    m_metrics.tmExternalLeading = RoundHalfAwayFromZero(
        std::max(0.0, lineGap - ((winAscent + winDescent) - (hheaAscent - hheaDescent))) * scale);
    m_metrics.tmAveCharWidth = RoundHalfAwayFromZero(averageWidth * scale);
    m_metrics.tmMaxCharWidth = RoundHalfAwayFromZero(maxAdvance * scale);
    m_metrics.tmWeight = logFont.lfWeight == FW_DONTCARE ? FW_NORMAL : logFont.lfWeight;
    m_metrics.tmItalic = logFont.lfItalic ? 1 : 0;
    m_metrics.tmUnderlined = logFont.lfUnderline ? 1 : 0;
    m_metrics.tmStruckOut = logFont.lfStrikeOut ? 1 : 0;
    m_metrics.tmCharSet = logFont.lfCharSet;
}

std::shared_ptr<const FontRealization> FontRealization::For(const CFont& font)
{
    const LOGFONT& logFont = font.GetLogFont();
    using Key = std::tuple<std::string, int, int, int, int, int, int>;
    static std::map<Key, std::shared_ptr<const FontRealization>> realizations;
    const Key key(font.GetFaceName(), logFont.lfHeight, logFont.lfWeight, logFont.lfItalic, logFont.lfUnderline,
                  logFont.lfStrikeOut, logFont.lfCharSet);
    auto& realization = realizations[key];
    if (!realization)
        realization = std::make_shared<const FontRealization>(font);
    return realization;
}

void FontRealization::Layout(const QString& text, QList<quint32>& glyphs, std::vector<int>& advances) const
{
    glyphs = m_rawFont.glyphIndexesForString(text);
    const QList<QPointF> exact = m_rawFont.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
    advances.clear();
    for (const QPointF& advance : exact)
        advances.push_back(RoundHalfAwayFromZero(advance.x()));
}

SIZE FontRealization::Extent(const std::string& text) const
{
    QList<quint32> glyphs;
    std::vector<int> advances;
    Layout(QtText::Decode(text), glyphs, advances);
    SIZE size;
    for (int advance : advances)
        size.cx += advance;
    size.cy = m_metrics.tmHeight;
    return size;
}
