#include "images/DibBandWriter.h"

#include "images/SECImage.h"

bool DibBandWriter::WriteStart()
{
    const std::vector<std::uint8_t> headers = SECImage::TrueColorDibHeaders(m_nWidth, m_nHeight);
    m_nPixelOffset = static_cast<std::int64_t>(headers.size());
    return !headers.empty() && m_file.Write(headers.data(), headers.size());
}

bool DibBandWriter::WriteRows(const std::uint8_t* pixels, std::int32_t top, std::int32_t rows)
{
    // Rows top to top + rows - 1 are one block, the last of them first.
    const std::int64_t position = m_nPixelOffset + m_nStride * (m_nHeight - top - rows);
    return m_file.Seek(position) && m_file.Write(pixels, static_cast<std::size_t>(m_nStride * rows));
}

bool DibBandWriter::WriteEnd()
{
    return m_file.GetLength() == m_nPixelOffset + m_nStride * m_nHeight;
}
