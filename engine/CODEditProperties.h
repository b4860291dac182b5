#pragma once

#include "engine/CODProperty.h"
#include "engine/PropertyIds.h"

#include <array>

// What the user may do with a component (id 40; the model's 50). Nine flags,
// sub-ids 41-49 and masks 0x001-0x100 in this order.
class CODEditProperties : public CODProperty {
public:
    enum Flag {
        ReadOnly,
        Selectable,
        Movable,
        Rotatable,
        Scalable,
        Stretchable,
        CanChangeProperties,
        VertexEditable,
        Containment,
        FlagCount
    };

    explicit CODEditProperties(int nId = OD_PROP_EDIT);

    int GetFlag(Flag flag) const { return m_flags[flag]; }
    void SetFlag(Flag flag, int bValue) { m_flags[flag] = bValue; }
    int IsReadOnly() const { return m_flags[ReadOnly]; }
    void SetReadOnly(int bValue) { m_flags[ReadOnly] = bValue; }
    int IsSelectable() const { return m_flags[Selectable]; }
    void SetSelectable(int bValue) { m_flags[Selectable] = bValue; }
    int IsMovable() const { return m_flags[Movable]; }
    void SetMovable(int bValue) { m_flags[Movable] = bValue; }
    int IsRotatable() const { return m_flags[Rotatable]; }
    void SetRotatable(int bValue) { m_flags[Rotatable] = bValue; }
    int IsScalable() const { return m_flags[Scalable]; }
    void SetScalable(int bValue) { m_flags[Scalable] = bValue; }
    int IsStretchable() const { return m_flags[Stretchable]; }
    void SetStretchable(int bValue) { m_flags[Stretchable] = bValue; }
    int CanChangeProps() const { return m_flags[CanChangeProperties]; }
    void SetCanChangeProps(int bValue) { m_flags[CanChangeProperties] = bValue; }
    int IsVertexEditable() const { return m_flags[VertexEditable]; }
    void SetVertexEditable(int bValue) { m_flags[VertexEditable] = bValue; }
    int HasContainment() const { return m_flags[Containment]; }
    void SetContainment(int bValue) { m_flags[Containment] = bValue; }

    std::unique_ptr<CODProperty> Clone() const override;
    void Serialize(CArchive& ar) override;
    void CopyFrom(const CODProperty& other, unsigned mask) override;
    bool Equals(const CODProperty& other) const override;

protected:
    int FieldCount() const override { return FlagCount; }
    ValueType TypeOf(int nId) const override;
    int ReadInt(int nId) const override;
    void WriteInt(int nId, int value) override;

private:
    std::array<int, FlagCount> m_flags;
};
