#pragma once

#include "platform/CObject.h"

#include <cstdint>
#include <memory>
#include <string>

// A property attached to components by id. Attached properties are shared
// and never changed in place: a component replaces its property instead.
// Values are read and written by sub-id with their type (signed integers for
// flags, styles and sizes, unsigned for colours, text for the face name); a
// wrong type or an unknown sub-id raises CODPropertyConversionException.
class CODProperty : public CObject {
public:
    explicit CODProperty(int nId) : m_nId(nId) {}

    int GetId() const { return m_nId; }
    void SetId(int nId) { m_nId = nId; }

    // Simple properties own their id; compound ones id ... id + field count.
    virtual bool OwnsId(int nId) const;
    virtual std::unique_ptr<CODProperty> Clone() const = 0;
    void Serialize(CArchive& ar) override;
    // Copies the fields the mask selects from a property of the same class
    // (anything else is ignored).
    virtual void CopyFrom(const CODProperty& other, unsigned mask) = 0;
    // Same class, id and values.
    virtual bool Equals(const CODProperty& other) const = 0;

    virtual void GetValue(int nId, int& value) const;
    virtual void GetValue(int nId, std::uint32_t& value) const;
    virtual void GetValue(int nId, std::string& value) const;
    virtual void SetValue(int nId, int value);
    virtual void SetValue(int nId, std::uint32_t value);
    virtual void SetValue(int nId, const std::string& value);
    // Text forms of simple values.
    virtual std::string GetValueText() const;
    virtual void SetValueText(const std::string& text);

protected:
    enum class ValueType { None, Int, UInt, String };
    // Number of fields reachable by sub-id (0 for a simple property).
    virtual int FieldCount() const { return 0; }
    virtual ValueType TypeOf(int nId) const;
    virtual int ReadInt(int nId) const;
    virtual void WriteInt(int nId, int value);
    virtual std::uint32_t ReadUInt(int nId) const;
    virtual void WriteUInt(int nId, std::uint32_t value);
    virtual std::string ReadString(int nId) const;
    virtual void WriteString(int nId, const std::string& value);

private:
    int m_nId;
};

using CODPropertyPtr = std::shared_ptr<const CODProperty>;
