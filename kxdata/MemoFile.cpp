#include "kxdata/MemoFile.h"

#include "kxdata/RaiseError.h"

#include <algorithm>

namespace {
// Name, note and place memos are small; a memo file of embedded pictures can be
// very large and is better read where needed.
constexpr int64_t kMemoPreloadLimit = int64_t{64} << 20;
}  // namespace

std::unique_ptr<MemoFile> MemoFile::Open(const std::string& path)
{
    std::unique_ptr<BlockFile> file = BlockFile::Open(path, kMemoPreloadLimit);
    if (!file)
        RaiseError(-1, "Could not open %s", path.c_str());
    return std::unique_ptr<MemoFile>(new MemoFile(std::move(file)));
}

std::string MemoFile::Read(int32_t block)
{
    std::string bytes;
    if (block <= 0)
        return bytes;
    m_file->SetPosition(static_cast<int64_t>(block) * kBlockSize + 4);
    unsigned char length[4];
    if (m_file->Read(length, 4) < 4)
        return bytes;
    const int64_t stored = (int64_t{length[0]} << 24) | (length[1] << 16) | (length[2] << 8) | length[3];
    if (stored > m_file->Length() || stored > kMaxMemoLength)
        RaiseError(-2, "Not DBF file: %s", m_file->Path().c_str());
    const int64_t available = m_file->Length() - m_file->Position();
    bytes.resize(static_cast<size_t>(std::min(stored, available)));
    const int64_t got = m_file->Read(reinterpret_cast<unsigned char*>(bytes.data()), static_cast<int64_t>(bytes.size()));
    bytes.resize(static_cast<size_t>(got));
    return bytes;
}
