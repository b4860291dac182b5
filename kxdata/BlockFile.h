#pragma once

#include <cstdint>
#include <memory>
#include <string>

// Read-only byte reader over one project file with a one-block cache. Reads
// at or past the end set the reader status to kStatusEnd, failed platform
// reads to kStatusFailed; the single-byte read returns the status in place of
// the byte.
//
// A file no longer than the preload limit is read whole when it is opened and
// its blocks are then served from memory: a system call costs microseconds,
// and lookups on a large project land on a different block almost every time.
// Longer files (memo files full of pictures) are read block by block.
class BlockFile {
public:
    static constexpr int kBlockSize = 4096;
    static constexpr int kStatusOk = 0;
    static constexpr int kStatusEnd = 255;
    static constexpr int kStatusFailed = 254;

    // Null when the file cannot be opened for reading (or is no regular file).
    static std::unique_ptr<BlockFile> Open(const std::string& path, int64_t preloadLimit = 0);
    ~BlockFile();
    BlockFile(const BlockFile&) = delete;
    BlockFile& operator=(const BlockFile&) = delete;

    const std::string& Path() const { return m_strPath; }
    int64_t Length() const { return m_nLength; }
    int64_t Position() const { return m_nPosition; }
    void SetPosition(int64_t position) { m_nPosition = position; }

    // One byte (0 to 255), or the status value when none could be delivered.
    int ReadByte();
    // Up to n bytes into dest; the result is the number delivered.
    int64_t Read(unsigned char* dest, int64_t n);

    // Status of the last read of any BlockFile.
    static int Status();

private:
    BlockFile(std::string path, int descriptor, int64_t length);
    bool Preload();
    bool LoadBlock(int64_t blockStart);

    std::string m_strPath;
    int m_nDescriptor;
    int64_t m_nPosition = 0;
    int64_t m_nLength;
    int64_t m_nBlockStart = -1;
    int64_t m_nBlockBytes = 0;
    const unsigned char* m_pBlock = nullptr;  // the cached block: m_buffer, or a block of m_image
    struct ImageDeleter {
        void operator()(unsigned char* image) const;
    };
    std::unique_ptr<unsigned char, ImageDeleter> m_image;  // the whole file when preloaded
    unsigned char m_buffer[kBlockSize];
};
