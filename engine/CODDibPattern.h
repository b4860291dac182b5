#pragma once

#include "engine/CODPatternImage.h"
#include "images/CODDib.h"
#include "platform/CObject.h"

// A fill pattern from a picture. Documents store it as the picture itself,
// under the picture class's name.
class CODDibPattern : public CObject, public CODPatternImage {
public:
    CODDibPattern() = default;
    // A copy of the picture; false (unchanged) when it has none.
    bool SetImage(const SECImage& image);
    const CODDib& GetImage() const { return m_image; }

    HBITMAP MakeBitmap(CDC* pDC) const override;
    // The picture's archive form: a complete BMP file image.
    void Serialize(CArchive& ar) override;

private:
    CODDib m_image;
};
