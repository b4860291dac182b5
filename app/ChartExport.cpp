#include "app/ChartExport.h"

#include "chartparts/CQuorrelDoc.h"
#include "images/SECDib.h"
#include "images/SECJpeg.h"
#include "platform/CBitmap.h"
#include "platform/CDC.h"
#include "platform/TextCodec.h"

namespace {

constexpr int kTrueColourBits = 24;

bool EndsWith(const std::string& text, const std::string& ending)
{
    return text.size() >= ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

}  // namespace

bool ChartExport::Run(const std::string& strChart, const std::string& strPicture, std::string& strError)
{
    const std::string lower = TextCodec::ToLower(strPicture);
    const bool jpeg = EndsWith(lower, ".jpg") || EndsWith(lower, ".jpeg");
    if (!jpeg && !EndsWith(lower, ".bmp")) {
        strError = strPicture;
        strError += ": the picture must be a .bmp or .jpg file";
        return false;
    }
    CQuorrelDoc doc;
    if (!doc.OnOpenDocument(strChart, strError))
        return false;
    CQuorrelModel& model = doc.GetModel();
    const CSize size = model.GetSize();
    if (size.cx <= 0 || size.cy <= 0 || std::int64_t{size.cx} * size.cy > kMaxPixels) {
        strError = strChart;
        strError += ": the canvas of ";
        strError += std::to_string(size.cx);
        strError += " x ";
        strError += std::to_string(size.cy);
        strError += " cannot be rendered";
        return false;
    }

    CDC dc;
    BITMAPINFOHEADER header;
    header.biWidth = size.cx;
    header.biHeight = size.cy;
    header.biBitCount = kTrueColourBits;
    const HBITMAP bitmap = CBitmap::CreateDIBSection(&dc, header);
    if (!bitmap) {
        strError = strChart;
        strError += ": no memory for a picture of the canvas";
        return false;
    }
    const HBITMAP previous = dc.SelectObject(bitmap);
    const CPoint origin = model.GetOrigin();
    dc.SetWindowOrg(origin.x, origin.y);
    model.Draw(&dc);
    dc.SelectObject(previous);

    SECDib dib;
    bool written = dib.CreateFromBitmap(&dc, bitmap);
    if (written && jpeg) {
        SECJpeg picture;
        written = picture.CopyImage(dib) && picture.SaveToPath(strPicture);
    } else if (written) {
        written = dib.SaveToPath(strPicture);
    }
    if (!written) {
        strError = strPicture;
        strError += ": the picture cannot be written";
    }
    return written;
}
