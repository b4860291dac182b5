#include "ArchiveBytes.h"

#include "engine/CArchive.h"
#include "engine/CODDWordProperty.h"
#include "engine/CODEllipseComponent.h"
#include "engine/CODImageComponent.h"
#include "engine/CODImageEntry.h"
#include "engine/CODIntProperty.h"
#include "engine/CODLabelComponent.h"
#include "engine/CODBoolProperty.h"
#include "engine/CODLineProperties.h"
#include "engine/CODModel.h"
#include "engine/CODOrientationProperties.h"
#include "engine/CODRectComponent.h"
#include "engine/PropertyIds.h"
#include "images/CODDib.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

using quorrel_test::ArchiveBytes;
using Bytes = std::vector<std::uint8_t>;

Bytes Slice(const Bytes& bytes, std::size_t offset, std::size_t count)
{
    return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                 bytes.begin() + static_cast<std::ptrdiff_t>(offset + count));
}

std::size_t Find(const Bytes& haystack, const Bytes& needle, std::size_t from = 0)
{
    const auto found = std::search(haystack.begin() + static_cast<std::ptrdiff_t>(from), haystack.end(),
                                   needle.begin(), needle.end());
    return found == haystack.end() ? std::string::npos : static_cast<std::size_t>(found - haystack.begin());
}

TEST(ArchiveFormat, StringLengthsTakeTheirThreeForms)
{
    const struct {
        std::size_t length;
        Bytes prefix;
    } cases[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {0xFFFD, {0xFF, 0xFD, 0xFF}},
        {0xFFFE, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const auto& c : cases) {
        const std::string text(c.length, 'q');
        CArchive out;
        out.WriteString(text);
        const Bytes& stored = out.GetStored();
        ASSERT_EQ(stored.size(), c.prefix.size() + c.length) << c.length;
        EXPECT_EQ(Slice(stored, 0, c.prefix.size()), c.prefix) << c.length;
        CArchive in(stored.data(), stored.size());
        EXPECT_EQ(in.ReadString(), text) << c.length;
        EXPECT_EQ(in.GetRemaining(), 0u);
    }
}

TEST(ArchiveFormat, ObjectTagsShareOneIndexCounter)
{
    CODIntProperty first(OD_PROP_RULER_SPACING, 7);
    CODIntProperty second(OD_PROP_RULER_DIVISIONS, 3);
    CArchive out;
    out.WriteObject(&first);
    out.WriteObject(&second);
    out.WriteObject(&first);
    out.WriteObject(nullptr);
    const Bytes& stored = out.GetStored();
    const std::string name = "CODIntProperty";
    // New class (index 1) with the first object (index 2) ...
    Bytes head = ArchiveBytes().NewClass(name, 1).Get();
    EXPECT_EQ(Slice(stored, 0, head.size()), head);
    const std::size_t body = 12;  // property schema, id, value
    // ... the known class with the second object (index 3), a back reference to index 2, null.
    EXPECT_EQ(Slice(stored, head.size() + body, 2), (Bytes{0x01, 0x80}));
    EXPECT_EQ(Slice(stored, head.size() + 2 * body + 2, 4), (Bytes{0x02, 0x00, 0x00, 0x00}));

    CArchive in(stored.data(), stored.size());
    const auto* a = in.ReadObject<CODIntProperty>();
    const auto* b = in.ReadObject<CODIntProperty>();
    EXPECT_EQ(in.ReadObject<CODIntProperty>(), a);
    EXPECT_EQ(in.ReadObject<CODIntProperty>(), nullptr);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->GetInt(), 7);
    EXPECT_EQ(b->GetId(), OD_PROP_RULER_DIVISIONS);
}

TEST(ArchiveFormat, IndexesFrom0x7FFFTakeTheLongForm)
{
    // Class 1, objects 2 ... 0x8001.
    std::vector<std::unique_ptr<CODIntProperty>> objects;
    for (int i = 0; i < 0x8000; ++i)
        objects.push_back(std::make_unique<CODIntProperty>(i, i));
    CArchive out;
    for (const auto& object : objects)
        out.WriteObject(object.get());
    out.WriteObject(objects.back().get());
    const Bytes& stored = out.GetStored();
    EXPECT_EQ(Slice(stored, stored.size() - 6, 6), (Bytes{0xFF, 0x7F, 0x01, 0x80, 0x00, 0x00}));

    CArchive in(stored.data(), stored.size());
    const CODIntProperty* last = nullptr;
    for (int i = 0; i < 0x8000; ++i)
        last = in.ReadObject<CODIntProperty>();
    EXPECT_EQ(in.ReadObject<CODIntProperty>(), last);
    EXPECT_EQ(last->GetInt(), 0x7FFF);
}

TEST(ArchiveFormat, SharedPropertiesAreStoredOnceAndMissingObjectsAsNullTags)
{
    CODModel model;
    CODLineProperties line;
    line.SetColor(0x00ABCDEF);
    for (int i = 0; i < 2; ++i) {
        auto* rect = new CODRectComponent();
        rect->Create(1234 + i, 2345, 3456, 4567);
        rect->AddProperty(line);
        model.AddChild(rect);
    }
    CArchive out;
    model.Serialize(out);
    const Bytes& stored = out.GetStored();
    const Bytes colour = ArchiveBytes().DWord(0x00ABCDEF).Get();
    const std::size_t once = Find(stored, colour);
    ASSERT_NE(once, std::string::npos);
    EXPECT_EQ(Find(stored, colour, once + 1), std::string::npos) << "the shared line is stored once";

    // No transform: a null tag right after the bounds.
    const Bytes bounds = ArchiveBytes().DWords({1234, 2345, 3456, 4567}).Get();
    const std::size_t at = Find(stored, bounds);
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(Slice(stored, at + bounds.size(), 2), (Bytes{0, 0}));
    // No background component: the colour, then a null tag, ends the model.
    EXPECT_EQ(Slice(stored, stored.size() - 6, 6), (Bytes{0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00}));
}

TEST(ArchiveFormat, SchemaOneOrientationOffsetsAreConvertedByCode)
{
    const struct {
        std::uint32_t schema;
        int code;
        int x;
        int y;
    } cases[] = {
        {1, 6, -5, 7}, {1, 3, 5, 0}, {1, 0, -5, -7}, {1, 1, 0, -7}, {1, 2, 5, -7}, {1, 4, 5, 7},
        {1, 5, 0, 7},  {1, 7, -5, 0}, {1, 8, 0, 0},  {2, 6, 5, 7},  {2, 3, 5, 7},
    };
    for (const auto& c : cases) {
        const Bytes bytes = ArchiveBytes()
                                .NewClass("CODOrientationProperties", static_cast<std::uint16_t>(c.schema))
                                .DWords({1, OD_PROP_ORIENTATION, c.schema, static_cast<std::uint32_t>(c.code), 5, 7})
                                .Get();
        CArchive in(bytes.data(), bytes.size());
        const auto* orientation = in.ReadObject<CODOrientationProperties>();
        ASSERT_NE(orientation, nullptr);
        EXPECT_EQ(orientation->GetOrientation(), c.code);
        EXPECT_EQ(orientation->GetOffsetX(), c.x) << "schema " << c.schema << " code " << c.code;
        EXPECT_EQ(orientation->GetOffsetY(), c.y) << "schema " << c.schema << " code " << c.code;
    }
}

TEST(ArchiveFormat, OlderComponentBodiesAreConverted)
{
    // A schema-1 ellipse keeps the corners of its rectangle.
    const Bytes ellipseBytes = ArchiveBytes()
                                   .NewClass("CODEllipseComponent", 1)
                                   .DWords({1, 1, 4, 0, 0, 40, 0, 40, 20, 0, 20})
                                   .PlainComponent(7, "Ellipse")
                                   .Get();
    CArchive ellipseIn(ellipseBytes.data(), ellipseBytes.size());
    const auto* ellipse = ellipseIn.ReadObject<CODEllipseComponent>();
    ASSERT_NE(ellipse, nullptr);
    POINT expected[CODEllipseComponent::kControlPoints];
    CODEllipseComponent::BezierPoints(CRect(0, 0, 40, 20), expected);
    ASSERT_EQ(ellipse->GetPointCount(), CODEllipseComponent::kControlPoints);
    for (int i = 0; i < CODEllipseComponent::kControlPoints; ++i)
        EXPECT_EQ(ellipse->GetPoint(i), CPoint(expected[i])) << i;

    // A schema-1 label has its follow switch as a field: it becomes property 270.
    const Bytes labelBytes = ArchiveBytes()
                                 .NewClass("CODLabelComponent", 1)
                                 .DWords({1, 1})
                                 .DWord(1)
                                 .String("Walker")
                                 .DWords({1, 0})
                                 .PlainComponent(8, "Label")
                                 .Get();
    CArchive labelIn(labelBytes.data(), labelBytes.size());
    const auto* label = labelIn.ReadObject<CODLabelComponent>();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->GetText(), "Walker");
    const auto* follow = dynamic_cast<const CODBoolProperty*>(label->GetProperty(OD_PROP_LABEL_SWITCH, false));
    ASSERT_NE(follow, nullptr);
    EXPECT_EQ(follow->GetBool(), 1);
}

TEST(ArchiveFormat, ImagesBeforeSchema3KeptTheirTransparencyAsFields)
{
    // A current image body, turned into the schema-2 form: the transparent
    // switch before the resource-image value, the colour after it.
    std::vector<std::uint8_t> packed(40, 0);
    packed[0] = 40;
    packed[4] = 1;
    packed[8] = 1;
    packed[12] = 1;
    packed[14] = 24;
    packed.insert(packed.end(), {0x10, 0x20, 0x30, 0x00});
    CODDib dib;
    ASSERT_TRUE(dib.LoadFromPackedBitmap(packed.data(), packed.size()));
    CODImageComponent image;
    ASSERT_TRUE(image.Create(dib, 0, RGB(255, 0, 255)));
    CArchive out;
    out.WriteObject(&image);
    Bytes bytes = out.GetStored();
    const std::size_t schemaAt = 6 + std::string("CODImageComponent").size();
    const std::size_t bmpAt = schemaAt + 4 + 4 + 1;
    const std::size_t valueAt = bmpAt + (bytes[bmpAt + 2] | (bytes[bmpAt + 3] << 8));
    bytes[schemaAt] = 2;
    const Bytes colour = ArchiveBytes().DWord(0x00112233).Get();
    const Bytes transparent = ArchiveBytes().DWord(1).Get();
    bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(valueAt + 4), colour.begin(), colour.end());
    bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(valueAt), transparent.begin(), transparent.end());

    CArchive in(bytes.data(), bytes.size());
    const auto* old = in.ReadObject<CODImageComponent>();
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(in.GetRemaining(), 0u);
    EXPECT_EQ(old->IsTransparent(), 1);
    EXPECT_EQ(old->GetTransparentColor(), 0x00112233u);
    ASSERT_NE(old->GetImageEntry(), nullptr);
    EXPECT_EQ(old->GetImageEntry()->GetImage().GetWidth(), 1);
}

}  // namespace
