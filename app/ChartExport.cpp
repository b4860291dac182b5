#include "app/ChartExport.h"

#include "chartparts/CQuorrelDoc.h"
#include "chartparts/CQuorrelViewport.h"
#include "chartparts/ChartOutput.h"
#include "platform/TextCodec.h"

namespace {

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
    CQuorrelViewport viewport;
    viewport.SetModel(&doc.GetModel());
    ChartOutput output(&viewport);
    if (!(jpeg ? output.SaveJPG(strPicture) : output.SaveBMP(strPicture))) {
        strError = strPicture;
        strError += ": ";
        strError += output.GetError();
        return false;
    }
    return true;
}
