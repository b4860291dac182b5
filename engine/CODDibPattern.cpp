#include "engine/CODDibPattern.h"

#include "engine/CArchive.h"

bool CODDibPattern::SetImage(const SECImage& image)
{
    return image.HasPicture() && m_image.CopyImage(image);
}

HBITMAP CODDibPattern::MakeBitmap(CDC* pDC) const
{
    return m_image.MakeBitmap(pDC);
}

void CODDibPattern::Serialize(CArchive& ar)
{
    if (!m_image.Serialize(ar))
        ar.Fail(ar.IsStoring() ? "a pattern without a picture" : "a damaged pattern picture");
}
