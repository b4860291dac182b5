#include "chartparts/ChartOutput.h"

#include "chartparts/CIndiBox.h"
#include "chartparts/CQuorrelViewport.h"
#include "engine/CArchive.h"
#include "engine/CArchiveException.h"
#include "engine/CODFontProperties.h"
#include "engine/CODModel.h"
#include "engine/PropertyIds.h"
#include "images/DibBandWriter.h"
#include "images/PngBandWriter.h"
#include "images/SECDib.h"
#include "images/SECJpeg.h"
#include "platform/Arithmetic.h"
#include "platform/CommandFile.h"
#include "platform/MessageBox.h"
#include "platform/ResourceStrings.h"
#include "platform/StatusBarProgress.h"
#include "platform/VectorFileDC.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>

namespace {

// One output file of a command file: its switch, extension, save type and texts.
struct OutputFile {
    const char* key;
    const char* extension;
    const char* type;
    const char* saving;
    const char* failed;
};

constexpr OutputFile kOutputFiles[] = {
    {"OutPutBmp", ".BMP", "BMP", "Saving the diagram to the file: %s.BMP\n", "Unable to create the output file %s.BMP\n"},
    {"OutPutJpg", ".JPG", "JPG", "Saving the diagram to the file: %s.JPG\n", "Unable to create the output file %s.JPG\n"},
    {"OutPutQRD", ".QRD", "QRD", "Saving the diagram to the file: %s.QRD\n", "Unable to create the output file %s.QRD\n"},
    {"OutPutPdf", ".PDF", "PDF", "Saving the diagram to the file: %s.PDF\n", "Unable to create the output file %s.PDF\n"},
    {"OutPutSvg", ".SVG", "SVG", "Saving the diagram to the file: %s.SVG\n", "Unable to create the output file %s.SVG\n"},
    {"OutPutPng", ".PNG", "PNG", "Saving the diagram to the file: %s.PNG\n", "Unable to create the output file %s.PNG\n"},
};

constexpr const char* kCannotWrite = "The file cannot be written.";

// The base is a path of any length, so no fixed buffer.
std::string WithBase(const char* format, const std::string& base)
{
    std::string text = format;
    text.replace(text.find("%s"), 2, base);
    return text;
}

void ScaleOwnFont(CODComponent& component, float fFactor)
{
    const auto* font = dynamic_cast<const CODFontProperties*>(component.GetProperty(OD_PROP_FONT, false));
    if (!font)
        return;
    std::unique_ptr<CODProperty> scaled = font->Clone();
    auto& copy = static_cast<CODFontProperties&>(*scaled);
    copy.SetPointSize(std::max(ChartOutput::kMinFontPoints, FloorToInt32(font->GetPointSize() * double{fFactor})));
    component.AddProperty(copy);
}

}  // namespace

ChartOutput::ChartOutput(CQuorrelViewport* pViewport)
    : m_pViewport(pViewport)
{
}

bool ChartOutput::HasChart()
{
    m_strError.clear();
    if (!m_pViewport || !m_pViewport->GetModel()) {
        m_strError = "There is no chart to save.";
        return false;
    }
    return true;
}

bool ChartOutput::SaveImage(const std::string& strPath, bool bJpeg)
{
    if (!HasChart())
        return false;
    StatusBarProgress progress(IDS_PLEASE_WAIT, true);
    progress.SetText("Generating Image");
    const CSize size = m_pViewport->GetImageSize();
    if (bJpeg && (size.cx > kMaxJpegSide || size.cy > kMaxJpegSide)) {
        char text[160];
        std::snprintf(text, sizeof text, "A JPEG picture holds at most %d pixels a side; the chart is %d x %d.",
                      kMaxJpegSide, size.cx, size.cy);
        m_strError = text;
        return false;
    }
    std::unique_ptr<SECImage> image;
    if (bJpeg) {
        auto jpeg = std::make_unique<SECJpeg>();
        jpeg->SetQuality(kJpegQuality);
        image = std::move(jpeg);
    } else {
        image = std::make_unique<SECDib>();
    }
    if (!m_pViewport->RenderToImage(*image)) {
        m_strError = m_pViewport->GetRenderError();
        return false;
    }
    progress.SetText("Saving Image to file");
    if (!image->SaveToPath(strPath)) {
        m_strError = kCannotWrite;
        return false;
    }
    return true;
}

bool ChartOutput::SaveBanded(const std::string& strPath, BandFileWriter& writer)
{
    if (!HasChart())
        return false;
    StatusBarProgress progress(IDS_PLEASE_WAIT, true);
    progress.SetText("Generating Image");
    const CSize size = m_pViewport->GetImageSize();
    if (!writer.Open(strPath, size.cx, size.cy)) {
        m_strError = kCannotWrite;
        return false;
    }
    progress.SetText(CQuorrelViewport::MemoryEstimateText(m_pViewport->GetModel()->GetSize()));
    const bool rendered = m_pViewport->RenderBands(CQuorrelViewport::BandRowsFor(size.cx),
        [&writer](const CDC& dc, const HBITMAP& band, int nFirstRow, int nTop, int nRows) {
            return writer.PutRows(dc, band, nFirstRow, nTop, nRows);
        });
    progress.SetText("Saving Image to file");
    if (!writer.Close() || !rendered) {
        m_strError = rendered || m_pViewport->GetRenderError().empty() ? kCannotWrite : m_pViewport->GetRenderError();
        return false;
    }
    return true;
}

bool ChartOutput::SaveBMP(const std::string& strPath)
{
    if (!HasChart())
        return false;
    const CSize size = m_pViewport->GetImageSize();
    if (SECImage::TrueColorDibHeaders(size.cx, size.cy).empty()) {
        char text[160];
        std::snprintf(text, sizeof text, "A BMP file holds at most 4 gigabytes; the chart is %d x %d pixels.",
                      size.cx, size.cy);
        m_strError = text;
        return false;
    }
    DibBandWriter writer;
    return SaveBanded(strPath, writer);
}

bool ChartOutput::SavePNG(const std::string& strPath)
{
    PngBandWriter writer;
    return SaveBanded(strPath, writer);
}

bool ChartOutput::SaveVector(const std::string& strPath, bool bPdf)
{
    if (!HasChart())
        return false;
    StatusBarProgress progress(IDS_PLEASE_WAIT, true);
    progress.SetText("Generating Image");
    const VectorFileDC::Format format = bPdf ? VectorFileDC::Format::Pdf : VectorFileDC::Format::Svg;
    const std::string title = std::filesystem::path(strPath).stem().string();
    const int pages = bPdf && m_bPdfOnPages ? m_pViewport->GetPageCount() : 0;
    bool drawn = false;
    if (pages > 0) {
        const CSize paper = m_pViewport->GetPaperSize();
        const auto points = [](int nLogical) {
            return MulDiv(nLogical, VectorFileDC::kPointsPerInch, CQuorrelViewport::kLogicalUnitsPerInch);
        };
        VectorFileDC dc(format, strPath, points(paper.cx), points(paper.cy), true, title);
        drawn = dc.IsOpen();
        for (int n = 1; drawn && n <= pages; ++n) {
            if (n > 1)
                drawn = dc.NewPage();
            if (drawn)
                m_pViewport->DrawPrintedPage(dc, n, VectorFileDC::kPointsPerInch);
        }
        drawn = drawn && dc.Close();
    } else {
        const CSize size = m_pViewport->GetImageSize();
        VectorFileDC dc(format, strPath, size.cx, size.cy, false, title);
        drawn = dc.IsOpen() && m_pViewport->DrawCanvas(dc) && dc.Close();
    }
    if (!drawn)
        m_strError = kCannotWrite;
    return drawn;
}

bool ChartOutput::SavePDF(const std::string& strPath)
{
    return SaveVector(strPath, true);
}

bool ChartOutput::SaveSVG(const std::string& strPath)
{
    return SaveVector(strPath, false);
}

bool ChartOutput::SaveJPG(const std::string& strPath)
{
    return SaveImage(strPath, true);
}

bool ChartOutput::SaveQRD(const std::string& strPath)
{
    if (!HasChart())
        return false;
    CODModel* model = m_pViewport->GetModel();
    model->SetType(strPath);
    std::vector<std::uint8_t> bytes;
    try {
        CArchive ar;
        model->Serialize(ar);
        bytes = ar.GetStored();
    } catch (const CArchiveException& e) {
        m_strError = e.what();
        return false;
    }
    std::ofstream file(strPath, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        m_strError = "The file cannot be written.";
        return false;
    }
    model->SetModified(false);
    return true;
}

bool ChartOutput::SaveAs(const std::string& strPath, const std::string& strType)
{
    if (strType == "BMP")
        return SaveBMP(strPath);
    if (strType == "JPG")
        return SaveJPG(strPath);
    if (strType == "QRD")
        return SaveQRD(strPath);
    if (strType == "PDF")
        return SavePDF(strPath);
    if (strType == "SVG")
        return SaveSVG(strPath);
    if (strType == "PNG")
        return SavePNG(strPath);
    m_strError = "Unknown file type " + strType;
    return false;
}

void ChartOutput::WriteOutputFiles(const CommandFile& commandFile)
{
    StatusBarProgress progress(IDS_PLEASE_WAIT, true);
    const std::string base = commandFile.GetString("CHART", "OUTPUT");
    m_bPdfOnPages = commandFile.GetBool("CHART", "PdfPages");
    for (const OutputFile& output : kOutputFiles) {
        if (!commandFile.GetBool("CHART", output.key))
            continue;
        progress.SetText(WithBase(output.saving, base));
        // The reason follows on the next line, so the user knows what to mend.
        if (!SaveAs(base + output.extension, output.type))
            MessageBox::Show(WithBase(output.failed, base) + m_strError);
    }
}

void ChartOutput::ScaleDrawing(float fFactor)
{
    CODModel* model = m_pViewport ? m_pViewport->GetModel() : nullptr;
    if (!model || model->GetChildCount() == 0)
        return;
    const std::vector<CODComponent*> components = model->GetChildren();
    for (CODComponent* component : components) {
        const CRect bounds = component->GetBounds();
        component->MoveTo(FloorToInt32(bounds.left * double{fFactor} + 0.5),
                          FloorToInt32(bounds.top * double{fFactor} + 0.5));
        ScaleOwnFont(*component, fFactor);
        for (CODComponent* child : component->GetChildren())
            ScaleOwnFont(*child, fFactor);
    }
    // Each keeps the top-left of its own bounds, where it was just put.
    for (CODComponent* component : components) {
        const CPoint anchor = component->GetBounds().TopLeft();
        component->Scale(fFactor, fFactor, static_cast<float>(anchor.x), static_cast<float>(anchor.y));
    }
    for (CODComponent* component : components)
        if (auto* box = dynamic_cast<CIndiBox*>(component))
            box->Relayout();
}
