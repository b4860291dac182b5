#pragma once

#include "kxdata/BlockFile.h"

#include <cstdint>
#include <memory>
#include <string>

// A FoxPro memo file read with a fixed block size of 33 bytes; the header is
// never read. A memo is a 4-byte type, a 4-byte big-endian length and the bytes.
class MemoFile {
public:
    static constexpr int kBlockSize = 33;

    // Raises -1 when the file cannot be opened.
    static std::unique_ptr<MemoFile> Open(const std::string& path);

    // No memo is longer than this: a picture of a few megabytes is the most
    // a project holds, and every memo is read into memory whole.
    static constexpr int64_t kMaxMemoLength = int64_t{64} << 20;

    // The bytes of the memo at block b; block 0 (and a negative one) means no
    // memo. A length running past the end of the file is cut at the end; one
    // longer than the whole file or than kMaxMemoLength raises -2.
    std::string Read(int32_t block);

private:
    explicit MemoFile(std::unique_ptr<BlockFile> file) : m_file(std::move(file)) {}

    std::unique_ptr<BlockFile> m_file;
};
