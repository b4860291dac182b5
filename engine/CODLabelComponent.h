#pragma once

#include "engine/CODTextComponent.h"

class CODSymbolComponent;

// Text that belongs to a symbol but lives beside it, as a child of the
// symbol's parent. With property 270 set, the owner puts it back in place
// whenever its orientation (60, or 260 along a link) changes and whenever
// the owner moves or is scaled.
class CODLabelComponent : public CODTextComponent {
public:
    CODLabelComponent();

    std::unique_ptr<CODComponent> Clone() const override;
    void Serialize(CArchive& ar) override;

    CODSymbolComponent* GetOwner() const { return m_pOwner; }
    void SetOwner(CODSymbolComponent* pOwner) { m_pOwner = pOwner; }

    int AddProperty(const CODProperty& property) override;
    bool ChangeProperty(const CODProperty& property, unsigned mask) override;

protected:
    CODLabelComponent(const CODLabelComponent& other);
    const char* GetTypeText() const override;

private:
    void Reposition(int nChangedId);

    CODSymbolComponent* m_pOwner = nullptr;
};
