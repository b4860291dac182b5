#pragma once

#include "engine/CODProperty.h"

// One 32-bit boolean under any id; its text is "TRUE" or "FALSE".
class CODBoolProperty : public CODProperty {
public:
    explicit CODBoolProperty(int nId = 0, int bValue = 0) : CODProperty(nId), m_bValue(bValue) {}

    int GetBool() const { return m_bValue; }
    void SetBool(int bValue) { m_bValue = bValue; }

    std::unique_ptr<CODProperty> Clone() const override;
    void Serialize(CArchive& ar) override;
    void CopyFrom(const CODProperty& other, unsigned mask) override;
    bool Equals(const CODProperty& other) const override;
    std::string GetValueText() const override;
    // True for "TRUE" or "YES" in any case, or exactly "1".
    void SetValueText(const std::string& text) override;

protected:
    ValueType TypeOf(int nId) const override;
    int ReadInt(int nId) const override;
    void WriteInt(int nId, int value) override;

private:
    int m_bValue;
};
