#pragma once

#include "engine/CODPointComponent.h"
#include "platform/GdiHandles.h"
#include "platform/WinTypes.h"

#include <cstdint>
#include <memory>
#include <string>

class CODDib;
class CODImageEntry;
class SECImage;

// A picture stretched into a box of four points. Property 310 draws it
// transparently: pixels of the colour of property 320 (magenta by default)
// leave what is under them.
class CODImageComponent : public CODPointComponent {
public:
    static constexpr COLORREF kDefaultTransparentColor = 0x00FF00FF;

    CODImageComponent();
    ~CODImageComponent() override;

    std::unique_ptr<CODComponent> Clone() const override;
    void Serialize(CArchive& ar) override;
    // Each takes its picture from a source, shares it through the image
    // cache and sizes the box to it (about the old box's centre when there
    // was one). False when there is no picture to take; the component is
    // then left without one.
    bool Create(const HBITMAP& bitmap, int bTransparent, COLORREF crTransparent, CDC* pDC = nullptr);
    bool Create(const std::string& strPath, int bTransparent, COLORREF crTransparent);
    // The bitmap resource registered under the decimal id.
    bool Create(std::uint32_t nResourceId, int bTransparent, COLORREF crTransparent);
    bool Create(const SECImage& image, int bTransparent, COLORREF crTransparent);

    void SetTransparent(int bTransparent);
    void SetTransparentColor(COLORREF crTransparent);
    int IsTransparent() const;
    COLORREF GetTransparentColor() const;
    const CODImageEntry* GetImageEntry() const { return m_pEntry.get(); }

    void OnDraw(CDC* pDC) override;

protected:
    CODImageComponent(const CODImageComponent& other);
    const char* GetTypeText() const override;

private:
    bool TakeImage(std::unique_ptr<CODDib> pImage, std::uint32_t nResourceId, const std::string& strPath,
                   int bTransparent, COLORREF crTransparent);

    std::shared_ptr<const CODImageEntry> m_pEntry;
    // The picture as a bitmap for transparent drawing, made on first use.
    HBITMAP m_pSprite;
    std::uint32_t m_nResourceImage = 0;
};
