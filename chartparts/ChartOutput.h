#pragma once

#include <string>

class BandFileWriter;
class CommandFile;
class CQuorrelViewport;

// The chart's output files: the canvas as a BMP or JPEG picture and the chart
// itself as a chart file, as a command file or the export command asks; and
// resizing the whole drawing by a factor.
class ChartOutput {
public:
    static constexpr int kJpegQuality = 95;
    // The JPEG format cannot hold a wider or taller picture.
    static constexpr int kMaxJpegSide = 65500;
    static constexpr int kMinFontPoints = 2;

    explicit ChartOutput(CQuorrelViewport* pViewport);

    // Each false when nothing or a broken file was written; the reason then in GetError().
    // BMP and PNG are written band by band, so any canvas size fits in memory.
    bool SaveBMP(const std::string& strPath);
    bool SaveJPG(const std::string& strPath);
    // Also makes the path the model's type text and clears its modified flag.
    bool SaveQRD(const std::string& strPath);
    bool SavePNG(const std::string& strPath);
    // The canvas on one page of its size in points, or with SetPdfOnPages
    // on the model's printer pages with their cut marks.
    bool SavePDF(const std::string& strPath);
    bool SaveSVG(const std::string& strPath);
    // "BMP", "JPG", "QRD", "PDF", "SVG" or "PNG", exactly; any other type writes nothing.
    bool SaveAs(const std::string& strPath, const std::string& strType);
    void SetPdfOnPages(bool bPages) { m_bPdfOnPages = bPages; }
    const std::string& GetError() const { return m_strError; }

    // The files [CHART] OUTPUT and the OutPut switches ask for, in the order
    // BMP, JPG, QRD, PDF, SVG, PNG; each failure is reported and the next
    // file still written. PdfPages puts the PDF on the printer pages.
    void WriteOutputFiles(const CommandFile& commandFile);

    // Moves every top-level component's top-left by the factor, scales its
    // own font and its children's, scales it about that corner and lets the
    // boxes lay themselves out again. The canvas is the caller's to fit.
    void ScaleDrawing(float fFactor);

private:
    bool SaveImage(const std::string& strPath, bool bJpeg);
    bool SaveBanded(const std::string& strPath, BandFileWriter& writer);
    bool SaveVector(const std::string& strPath, bool bPdf);
    // The viewport and its model, or false with the reason.
    bool HasChart();

    CQuorrelViewport* m_pViewport;
    std::string m_strError;
    bool m_bPdfOnPages = false;
};
