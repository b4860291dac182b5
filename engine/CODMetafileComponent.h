#pragma once

#include "engine/CODPointComponent.h"

#include <cstdint>
#include <vector>

// An embedded enhanced metafile in a box of four points. The bytes are kept
// as they came so that documents keep them; there is no metafile player on
// this platform, so the component draws its frame only.
class CODMetafileComponent : public CODPointComponent {
public:
    // The largest metafile kept.
    static constexpr std::size_t kMaxBytes = std::size_t{64} << 20;

    CODMetafileComponent() = default;

    std::unique_ptr<CODComponent> Clone() const override;
    void Serialize(CArchive& ar) override;
    // False (nothing changed) for more than kMaxBytes.
    bool Create(const CRect& rect, std::vector<std::uint8_t> bytes);
    bool SetMetafileBytes(std::vector<std::uint8_t> bytes);
    const std::vector<std::uint8_t>& GetMetafileBytes() const { return m_bytes; }

    void OnDraw(CDC* pDC) override;

protected:
    CODMetafileComponent(const CODMetafileComponent& other) = default;
    const char* GetTypeText() const override;

private:
    std::vector<std::uint8_t> m_bytes;
};
