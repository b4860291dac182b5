#pragma once

#include "engine/CODProperty.h"

// One unsigned 32-bit value (a colour, for instance) under any id.
class CODDWordProperty : public CODProperty {
public:
    explicit CODDWordProperty(int nId = 0, std::uint32_t dwValue = 0) : CODProperty(nId), m_dwValue(dwValue) {}

    std::uint32_t GetDWord() const { return m_dwValue; }
    void SetDWord(std::uint32_t dwValue) { m_dwValue = dwValue; }

    std::unique_ptr<CODProperty> Clone() const override;
    void Serialize(CArchive& ar) override;
    void CopyFrom(const CODProperty& other, unsigned mask) override;
    bool Equals(const CODProperty& other) const override;

protected:
    ValueType TypeOf(int nId) const override;
    std::uint32_t ReadUInt(int nId) const override;
    void WriteUInt(int nId, std::uint32_t value) override;

private:
    std::uint32_t m_dwValue;
};
