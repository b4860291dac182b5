#pragma once

#include "images/ImageFile.h"
#include "platform/GdiHandles.h"

#include <cstdint>
#include <string>
#include <vector>

class CDC;

// A 24-bit picture file written band by band from the top, so a chart of any
// size needs no more memory than one band. A file that is not finished is
// removed, so a failed write never leaves a broken picture behind.
class BandFileWriter {
public:
    BandFileWriter() = default;
    BandFileWriter(const BandFileWriter&) = delete;
    BandFileWriter& operator=(const BandFileWriter&) = delete;
    virtual ~BandFileWriter();

    // Creates the file for a picture of that size.
    bool Open(const std::string& path, std::int32_t width, std::int32_t height);
    // The picture's rows from top down, taken from a bitmap as wide as the
    // picture from its row sourceRow; bands come in order from the top.
    bool PutRows(const CDC& dc, const HBITMAP& bitmap, std::int32_t sourceRow, std::int32_t top, std::int32_t rows);
    // Finishes the file; false (and the file removed) unless every row was
    // put and the file is complete on disk.
    bool Close();

protected:
    virtual bool WriteStart() = 0;
    // rows rows from top, in the order and form ReadsBottomUp asks for.
    virtual bool WriteRows(const std::uint8_t* pixels, std::int32_t top, std::int32_t rows) = 0;
    virtual bool WriteEnd() = 0;
    // Whether a band's rows come last row first (as BMP stores them) or first row first.
    virtual bool ReadsBottomUp() const = 0;

    ImageFile m_file;
    std::int32_t m_nWidth = 0;
    std::int32_t m_nHeight = 0;
    std::int64_t m_nStride = 0;

private:
    void Abandon();

    std::string m_strPath;
    std::int32_t m_nNextRow = 0;
    std::vector<std::uint8_t> m_rows;
};
