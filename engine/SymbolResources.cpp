#include "engine/SymbolResources.h"

#include "engine/PropertyIds.h"

#include <initializer_list>
#include <string>

namespace {

// The resource is written byte by byte, the way the resource compiler kept it.
class Body {
public:
    Body& DWords(std::initializer_list<std::int64_t> values)
    {
        for (std::int64_t value : values) {
            const auto word = static_cast<std::uint32_t>(value);
            Word(static_cast<std::uint16_t>(word));
            Word(static_cast<std::uint16_t>(word >> 16));
        }
        return *this;
    }
    Body& Word(std::uint16_t value)
    {
        m_bytes.push_back(static_cast<std::uint8_t>(value));
        m_bytes.push_back(static_cast<std::uint8_t>(value >> 8));
        return *this;
    }
    Body& String(const std::string& text)
    {
        m_bytes.push_back(static_cast<std::uint8_t>(text.size()));
        m_bytes.insert(m_bytes.end(), text.begin(), text.end());
        return *this;
    }
    // A class the archive has not met: schema and name.
    Body& NewClass(const std::string& name, std::uint16_t schema)
    {
        Word(kNewClassTag).Word(schema).Word(static_cast<std::uint16_t>(name.size()));
        m_bytes.insert(m_bytes.end(), name.begin(), name.end());
        return *this;
    }
    Body& KnownClass(std::uint16_t index) { return Word(static_cast<std::uint16_t>(kClassTag | index)); }
    Body& BackReference(std::uint16_t index) { return Word(index); }
    Body& Null() { return Word(0); }
    // Schema, id, name, type, bounds and the null transform of a component.
    Body& ComponentHead(const std::string& name, const std::string& type, std::initializer_list<std::int64_t> bounds)
    {
        DWords({kSchema, 0}).String(name).String(type).DWords(bounds);
        return Null();
    }
    Body& Edit(std::initializer_list<std::int64_t> flags) { return DWords({kSchema, OD_PROP_EDIT, kSchema}).DWords(flags); }
    Body& Fill(std::uint32_t colour, int style)
    {
        constexpr std::uint32_t kWhite = 0x00FFFFFF;
        constexpr int kCrossHatch = 3;
        constexpr int kTransparentBackground = 1;
        DWords({kSchema, OD_PROP_FILL, kSchema, colour, 0, style, kCrossHatch, kTransparentBackground, kWhite});
        return Null();
    }
    std::vector<std::uint8_t> Take() { return std::move(m_bytes); }

    static constexpr std::uint16_t kNewClassTag = 0xFFFF;
    static constexpr std::uint16_t kClassTag = 0x8000;
    static constexpr std::int64_t kSchema = 1;

private:
    std::vector<std::uint8_t> m_bytes;
};

// Archive indexes in the order the resource meets its classes and objects.
enum Index : std::uint16_t {
    kPortClass = 1,
    kPort,
    kEditClass,
    kPortEdit,
    kFillClass,
    kPortFill,
    kBoolClass,
    kPortConnects,
    kSymbolEdit,
    kRectClass,
    kFrame,
    kLineClass,
    kFrameLine,
    kFrameFill,
    kFrameEdit,
};

constexpr std::uint32_t kDarkRed = 0x00000080;
constexpr std::uint32_t kYellow = 0x0000FFFF;
constexpr int kSolid = 0;
constexpr int kHollow = 1;
constexpr std::size_t kUnreadTail = 8;

}  // namespace

std::vector<std::uint8_t> SquareSymbolResource()
{
    constexpr std::int64_t kLineSchema = 2;
    constexpr std::int64_t kPortRadius = 3;
    constexpr std::int64_t kRectPoints = 4;
    Body body;
    body.DWords({0, 0});  // no labels, no ports
    body.NewClass("CODCirclePort", 1).DWords({Body::kSchema, kPortRadius, Body::kSchema, 1});
    body.DWords({Body::kSchema, 1, 36, 36}).ComponentHead("Port", "Port", {33, 33, 39, 39}).DWords({0, 3});
    body.NewClass("CODEditProperties", 1).Edit({0, 1, 1, 0, 0, 1, 1, 0, 1});
    body.NewClass("CODFillProperties", 1).Fill(0x00FFFFFF, kHollow);
    body.NewClass("CODBoolProperty", 1).DWords({Body::kSchema, OD_PROP_PORT_CONNECTS, 1});
    body.DWords({0}).Null();  // no children, no user data
    body.DWords({0});         // no connections

    body.ComponentHead("Square", "Symbol", {0, 0, 60, 60}).DWords({1, 1});
    body.KnownClass(kEditClass).Edit({0, 1, 1, 1, 1, 1, 1, 0, 1});
    body.DWords({2});
    body.NewClass("CODRectComponent", 1).DWords({Body::kSchema, Body::kSchema, kRectPoints, 0, 0, 60, 0, 60, 60, 0, 60});
    body.ComponentHead("Frame", "Rectangle", {0, 0, 60, 60}).DWords({1, 3});
    body.NewClass("CODLineProperties", 2).DWords({Body::kSchema, OD_PROP_LINE, kLineSchema, 0, 0, 1, 1, 0});
    body.KnownClass(kFillClass).Fill(kDarkRed, kSolid);
    body.KnownClass(kEditClass).Edit({0, 0, 1, 1, 1, 1, 1, 0, 1});
    body.DWords({0}).Null();
    body.KnownClass(kRectClass).DWords({Body::kSchema, Body::kSchema, kRectPoints, 18, 18, 42, 18, 42, 42, 18, 42});
    body.ComponentHead("Core", "Rectangle", {18, 18, 42, 42}).DWords({1, 3});
    body.BackReference(kFrameLine);
    body.KnownClass(kFillClass).Fill(kYellow, kSolid);
    body.BackReference(kFrameEdit);
    body.DWords({0}).Null();
    body.Null();  // the symbol's user data
    std::vector<std::uint8_t> bytes = body.Take();
    bytes.resize(bytes.size() + kUnreadTail);
    return bytes;
}
