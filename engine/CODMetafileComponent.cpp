#include "engine/CODMetafileComponent.h"

#include "engine/CArchive.h"
#include "platform/CBrush.h"
#include "platform/CDC.h"

std::unique_ptr<CODComponent> CODMetafileComponent::Clone() const
{
    return std::unique_ptr<CODComponent>(new CODMetafileComponent(*this));
}

bool CODMetafileComponent::Create(const CRect& rect, std::vector<std::uint8_t> bytes)
{
    if (!SetMetafileBytes(std::move(bytes)))
        return false;
    SetBoxPoints(rect);
    FinishCreate();
    return true;
}

bool CODMetafileComponent::SetMetafileBytes(std::vector<std::uint8_t> bytes)
{
    if (bytes.size() > kMaxBytes)
        return false;
    m_bytes = std::move(bytes);
    return true;
}

void CODMetafileComponent::OnDraw(CDC* pDC)
{
    const HBRUSH previous = pDC->SelectObject(CBrush::GetStockBrush(NULL_BRUSH));
    DrawOutlinePolygon(pDC);
    pDC->SelectObject(previous);
}

const char* CODMetafileComponent::GetTypeText() const
{
    return "Metafile";
}

void CODMetafileComponent::Serialize(CArchive& ar)
{
    constexpr std::uint32_t kSchema = 1;
    CODPointComponent::Serialize(ar);
    ar.SerializeSchema(kSchema);
    if (ar.IsStoring()) {
        ar.WriteDWord(static_cast<std::uint32_t>(m_bytes.size()));
        ar.WriteBytes(m_bytes.data(), m_bytes.size());
        return;
    }
    const std::uint32_t count = ar.ReadCount(1);
    if (count > kMaxBytes)
        ar.Fail("a metafile too large");
    m_bytes = ar.ReadBytes(count);
}
