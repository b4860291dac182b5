#pragma once

#include "platform/GdiTypes.h"

#include <QRawFont>
#include <QString>

#include <memory>
#include <string>
#include <vector>

class CFont;

// A logical font bound to a real face at its size in logical units, with the
// metrics GDI would report: ascent and descent from the face's Windows
// metrics (OS/2 usWinAscent, usWinDescent), external leading from the hhea
// line gap, average width from OS/2 xAvgCharWidth, each scaled and rounded;
// text advances are whole units per character and unkerned.
class FontRealization {
public:
    explicit FontRealization(const CFont& font);

    // One realization for all fonts that differ only in their escapement,
    // so rotated text (a font per character) does not match the face anew.
    static std::shared_ptr<const FontRealization> For(const CFont& font);

    const TEXTMETRIC& Metrics() const { return m_metrics; }
    // The face at the em size, in logical units.
    const QRawFont& RawFont() const { return m_rawFont; }
    double EmSize() const { return m_emSize; }

    // Glyphs of the text and the advance of each in logical units.
    void Layout(const QString& text, QList<quint32>& glyphs, std::vector<int>& advances) const;
    SIZE Extent(const std::string& text) const;

private:
    QRawFont m_rawFont;
    double m_emSize = 0.0;
    TEXTMETRIC m_metrics;
};
