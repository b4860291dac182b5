#include "engine/CODImageComponent.h"

#include "engine/CArchive.h"
#include "engine/CODBoolProperty.h"
#include "engine/CODDWordProperty.h"
#include "engine/CODEditProperties.h"
#include "engine/CODImageCache.h"
#include "engine/CODImageEntry.h"
#include "engine/PropertyIds.h"
#include "images/CODDib.h"
#include "platform/CBitmap.h"
#include "platform/CDC.h"

CODImageComponent::CODImageComponent()
{
    AddProperty(CODBoolProperty(OD_PROP_TRANSPARENT_IMAGE, 0));
    AddProperty(CODDWordProperty(OD_PROP_TRANSPARENT_COLOR, kDefaultTransparentColor));
}

CODImageComponent::CODImageComponent(const CODImageComponent& other)
    : CODPointComponent(other), m_pEntry(other.m_pEntry), m_nResourceImage(other.m_nResourceImage)
{
}

CODImageComponent::~CODImageComponent() = default;

std::unique_ptr<CODComponent> CODImageComponent::Clone() const
{
    return std::unique_ptr<CODComponent>(new CODImageComponent(*this));
}

bool CODImageComponent::Create(const HBITMAP& bitmap, int bTransparent, COLORREF crTransparent, CDC* pDC)
{
    auto image = std::make_unique<CODDib>();
    const CDC screen;
    const bool made = bitmap && image->CreateFromBitmap(pDC ? pDC : &screen, bitmap);
    return TakeImage(made ? std::move(image) : nullptr, 0, std::string(), bTransparent, crTransparent);
}

bool CODImageComponent::Create(const std::string& strPath, int bTransparent, COLORREF crTransparent)
{
    auto image = std::make_unique<CODDib>();
    const bool loaded = image->LoadFromPath(strPath);
    return TakeImage(loaded ? std::move(image) : nullptr, 0, strPath, bTransparent, crTransparent);
}

bool CODImageComponent::Create(std::uint32_t nResourceId, int bTransparent, COLORREF crTransparent)
{
    auto image = std::make_unique<CODDib>();
    const bool loaded = image->LoadFromResource(std::to_string(nResourceId));
    return TakeImage(loaded ? std::move(image) : nullptr, nResourceId, std::string(), bTransparent, crTransparent);
}

bool CODImageComponent::Create(const SECImage& image, int bTransparent, COLORREF crTransparent)
{
    auto copy = std::make_unique<CODDib>();
    const bool copied = copy->CopyImage(image);
    return TakeImage(copied ? std::move(copy) : nullptr, 0, std::string(), bTransparent, crTransparent);
}

bool CODImageComponent::TakeImage(std::unique_ptr<CODDib> pImage, std::uint32_t nResourceId,
                                  const std::string& strPath, int bTransparent, COLORREF crTransparent)
{
    m_pSprite.reset();
    if (!pImage || !pImage->HasPicture()) {
        m_pEntry.reset();
        return false;
    }
    const int width = pImage->GetWidth();
    const int height = pImage->GetHeight();
    m_pEntry = CODImageCache::Share(std::make_shared<const CODImageEntry>(std::move(pImage), nResourceId, strPath));
    SetTransparent(bTransparent);
    SetTransparentColor(crTransparent);

    CRect rect(0, 0, width, height);
    if (GetPointCount() == kBoxCorners) {
        const CRect old = GetBoxRect();
        rect.OffsetRect(old.left + ((old.Width() - width) >> 1), old.top + ((old.Height() - height) >> 1));
    }
    SetBoxPoints(rect);
    CODEditProperties edit;
    edit.SetRotatable(0);
    AddProperty(edit);
    FinishCreate();
    return true;
}

void CODImageComponent::SetTransparent(int bTransparent)
{
    AddProperty(CODBoolProperty(OD_PROP_TRANSPARENT_IMAGE, bTransparent));
    m_pSprite.reset();
}

void CODImageComponent::SetTransparentColor(COLORREF crTransparent)
{
    AddProperty(CODDWordProperty(OD_PROP_TRANSPARENT_COLOR, crTransparent));
}

int CODImageComponent::IsTransparent() const
{
    const auto* property = dynamic_cast<const CODBoolProperty*>(GetProperty(OD_PROP_TRANSPARENT_IMAGE, true));
    return property ? property->GetBool() : 0;
}

COLORREF CODImageComponent::GetTransparentColor() const
{
    const auto* property = dynamic_cast<const CODDWordProperty*>(GetProperty(OD_PROP_TRANSPARENT_COLOR, true));
    return property ? property->GetDWord() : kDefaultTransparentColor;
}

void CODImageComponent::OnDraw(CDC* pDC)
{
    if (m_bOutlineOnly) {
        DrawOutlinePolygon(pDC);
        return;
    }
    if (!m_pEntry || m_worldPoints.size() != kBoxCorners)
        return;
    const CODDib& image = m_pEntry->GetImage();
    HPALETTE previous;
    if (image.GetPalette()) {
        previous = pDC->SelectPalette(image.GetPalette(), false);
        pDC->RealizePalette();
    }
    const RECT destination{m_worldPoints[0].x, m_worldPoints[0].y, m_worldPoints[2].x, m_worldPoints[2].y};
    const int width = image.GetWidth();
    const int height = image.GetHeight();
    if (IsTransparent()) {
        if (!m_pSprite)
            m_pSprite = image.MakeBitmap(pDC);
        CDC sprite;
        const HBITMAP before = sprite.SelectObject(m_pSprite);
        pDC->TransparentBlt(destination.left, destination.top, destination.right - destination.left,
                            destination.bottom - destination.top, &sprite, 0, 0, width, height,
                            GetTransparentColor());
        sprite.SelectObject(before);
    } else {
        image.DrawStretched(pDC, destination, RECT{0, 0, width, height}, SRCCOPY);
    }
    if (previous)
        pDC->SelectPalette(previous, false);
}

const char* CODImageComponent::GetTypeText() const
{
    return "Image";
}

void CODImageComponent::Serialize(CArchive& ar)
{
    constexpr std::uint32_t kSchema = 3;
    // Up to schema 2 the transparency was stored as fields, not properties.
    constexpr std::uint32_t kLastFieldSchema = 2;
    // Schema 1 had no resource-image value.
    constexpr std::uint32_t kFirstSchema = 1;
    const std::uint32_t schema = ar.SerializeSchema(kSchema);
    if (ar.IsStoring()) {
        if (!m_pEntry)
            ar.Fail("an image component without a picture");
        ar.WriteDWord(m_pEntry->GetResourceId());
        ar.WriteString(m_pEntry->GetPath());
        // Storing only aligns rows that every loaded picture has aligned already.
        if (!const_cast<CODDib&>(m_pEntry->GetImage()).Serialize(ar))
            ar.Fail("a picture that cannot be stored");
        ar.WriteDWord(m_nResourceImage);
        CODPointComponent::Serialize(ar);
        return;
    }
    const std::uint32_t resourceId = ar.ReadDWord();
    std::string path = ar.ReadString();
    auto image = std::make_unique<CODDib>();
    if (!image->Serialize(ar))
        ar.Fail("a damaged picture");
    const bool oldFields = schema <= kLastFieldSchema;
    const std::int32_t transparent = oldFields ? ar.ReadInt() : 0;
    m_nResourceImage = schema <= kFirstSchema ? 0 : ar.ReadDWord();
    const COLORREF transparentColor = oldFields ? ar.ReadDWord() : kDefaultTransparentColor;
    CODPointComponent::Serialize(ar);
    m_pSprite.reset();
    m_pEntry = CODImageCache::Share(std::make_shared<const CODImageEntry>(std::move(image), resourceId, std::move(path)));
    if (oldFields) {
        SetTransparent(transparent);
        SetTransparentColor(transparentColor);
    }
}
