#pragma once

#include "engine/CODProperty.h"

// One signed 32-bit integer under any id; its text is the decimal number.
class CODIntProperty : public CODProperty {
public:
    explicit CODIntProperty(int nId = 0, int nValue = 0) : CODProperty(nId), m_nValue(nValue) {}

    int GetInt() const { return m_nValue; }
    void SetInt(int nValue) { m_nValue = nValue; }

    std::unique_ptr<CODProperty> Clone() const override;
    void Serialize(CArchive& ar) override;
    void CopyFrom(const CODProperty& other, unsigned mask) override;
    bool Equals(const CODProperty& other) const override;
    std::string GetValueText() const override;
    // A decimal number; text that is not one sets 0.
    void SetValueText(const std::string& text) override;

protected:
    ValueType TypeOf(int nId) const override;
    int ReadInt(int nId) const override;
    void WriteInt(int nId, int value) override;

private:
    int m_nValue;
};
