#include "app/ChartExport.h"

#include "chartparts/CQuorrelDoc.h"
#include "chartparts/CQuorrelViewport.h"
#include "chartparts/ChartOutput.h"
#include "platform/TextCodec.h"

bool ChartExport::Run(const std::string& strChart, const std::string& strPicture, std::string& strError)
{
    const auto dot = strPicture.rfind('.');
    std::string type = TextCodec::ToUpper(dot == std::string::npos ? std::string() : strPicture.substr(dot + 1));
    if (type == "JPEG")
        type.assign("JPG");
    if (type != "BMP" && type != "JPG" && type != "PNG" && type != "PDF" && type != "SVG") {
        strError = strPicture;
        strError += ": the picture must be a .bmp, .jpg, .png, .pdf or .svg file";
        return false;
    }
    CQuorrelDoc doc;
    if (!doc.OnOpenDocument(strChart, strError))
        return false;
    CQuorrelViewport viewport;
    viewport.SetModel(&doc.GetModel());
    ChartOutput output(&viewport);
    if (!output.SaveAs(strPicture, type)) {
        strError = strPicture;
        strError += ": ";
        strError += output.GetError();
        return false;
    }
    return true;
}
