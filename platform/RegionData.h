#pragma once

#include <QRegion>

// The pixels of a CRgn, for the drawing layer.
class RegionData {
public:
    QRegion& Region() { return m_region; }
    const QRegion& Region() const { return m_region; }
    // NULLREGION, SIMPLEREGION or COMPLEXREGION.
    int Kind() const;

private:
    QRegion m_region;
};
