#include "images/BandFileWriter.h"

#include "platform/CBitmap.h"
#include "platform/CDC.h"

#include <cstdio>
#include <new>

namespace {

constexpr int kTrueColorBits = 24;

}  // namespace

BandFileWriter::~BandFileWriter()
{
    Abandon();
}

bool BandFileWriter::Open(const std::string& path, std::int32_t width, std::int32_t height)
{
    Abandon();
    if (width <= 0 || height <= 0 || !m_file.Open(path, ImageFile::Mode::Create))
        return false;
    m_strPath = path;
    m_nWidth = width;
    m_nHeight = height;
    m_nStride = DibRowBytes(width, kTrueColorBits);
    m_nNextRow = 0;
    if (!WriteStart()) {
        Abandon();
        return false;
    }
    return true;
}

bool BandFileWriter::PutRows(const CDC& dc, const HBITMAP& bitmap, std::int32_t sourceRow, std::int32_t top,
                             std::int32_t rows)
{
    if (!m_file.IsOpen() || !bitmap || top != m_nNextRow || rows <= 0 || rows > m_nHeight - top || sourceRow < 0
        || bitmap->GetWidth() != m_nWidth || rows > bitmap->GetHeight() - sourceRow)
        return false;
    const bool bottomUp = ReadsBottomUp();
    BITMAPINFOHEADER header;
    header.biWidth = m_nWidth;
    header.biHeight = bottomUp ? rows : -rows;
    header.biBitCount = kTrueColorBits;
    // Scans count from the bitmap's last row when read bottom-up, from its first otherwise.
    const auto firstScan = static_cast<unsigned>(bottomUp ? bitmap->GetHeight() - sourceRow - rows : sourceRow);
    try {
        m_rows.resize(static_cast<std::size_t>(m_nStride * rows));
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (dc.GetDIBits(bitmap, firstScan, static_cast<unsigned>(rows), m_rows.data(), &header, DIB_RGB_COLORS) != rows
        || !WriteRows(m_rows.data(), top, rows))
        return false;
    m_nNextRow += rows;
    return true;
}

bool BandFileWriter::Close()
{
    if (!m_file.IsOpen())
        return false;
    const bool complete = m_nNextRow == m_nHeight && WriteEnd();
    if (!m_file.Close() || !complete) {
        std::remove(m_strPath.c_str());
        m_strPath.clear();
        return false;
    }
    m_strPath.clear();
    return true;
}

void BandFileWriter::Abandon()
{
    if (!m_file.IsOpen())
        return;
    m_file.Close();
    std::remove(m_strPath.c_str());
    m_strPath.clear();
}
