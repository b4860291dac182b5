#pragma once

#include "platform/CDC.h"

#include <memory>
#include <string>

// A device context drawing into a PDF or SVG file, one device unit a point,
// with text kept as text and lines as lines. Fonts are sized as on a bitmap
// context (96 pixels per inch), so a page of a picture's size in points shows
// what the picture shows. A printing context draws as a printer page does.
class VectorFileDC : public CDC {
public:
    enum class Format { Pdf, Svg };
    // A page's device units: points.
    static constexpr int kPointsPerInch = 72;

    // Pages of nWidth x nHeight points; IsOpen() tells whether the file was created.
    VectorFileDC(Format format, const std::string& strPath, int nWidth, int nHeight, bool bPrinting,
                 const std::string& strTitle);
    // A context never closed removes its unfinished file.
    ~VectorFileDC() override;
    VectorFileDC(const VectorFileDC&) = delete;
    VectorFileDC& operator=(const VectorFileDC&) = delete;

    bool IsOpen() const;
    // PDF only: the next page, of the same size, with the drawing state reset.
    bool NewPage();
    // Finishes the file; false (and the file removed) when it could not be written.
    bool Close();

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
