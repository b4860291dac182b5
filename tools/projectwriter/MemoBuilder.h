#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A FoxPro memo file in memory: a 512-byte header (next free block, block
// size 33) and memos of 4-byte type, 4-byte big-endian length and the bytes,
// each padded to whole 33-byte blocks.
class MemoBuilder {
public:
    static constexpr uint32_t kBlockSize = 33;
    static constexpr uint32_t kTextType = 1;
    static constexpr uint32_t kBinaryType = 0;

    MemoBuilder();
    // Stores a memo and returns its block number (never 0).
    uint32_t Add(std::string_view bytes, uint32_t type = kTextType);
    // The whole file.
    const std::string& Bytes();

private:
    std::string m_bytes;
};
