#include "engine/CODBoolProperty.h"
#include "engine/CODDWordProperty.h"
#include "engine/CODEditProperties.h"
#include "engine/CODFillProperties.h"
#include "engine/CODFontProperties.h"
#include "engine/CODIntProperty.h"
#include "engine/CODLineOrientation.h"
#include "engine/CODLineProperties.h"
#include "engine/CODOrientationProperties.h"
#include "engine/CODPropertyConversionException.h"
#include "engine/PropertyIds.h"
#include "platform/CFont.h"
#include "platform/CPen.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

TEST(Property, DefaultsReadBySubId)
{
    const CODLineProperties line;
    const CODFillProperties fill;
    const CODFontProperties font;
    const CODEditProperties edit;
    struct IntCase {
        const CODProperty* property;
        int id;
        int value;
    };
    const IntCase ints[] = {
        {&line, 12, 0}, {&line, 13, 1},  {&line, 14, 0},  {&fill, 22, 0},  {&fill, 23, 0},  {&fill, 24, 3},
        {&fill, 25, 1}, {&font, 32, 10}, {&font, 33, 13}, {&font, 35, 400}, {&font, 36, 0},  {&font, 38, 0},
        {&edit, 41, 0}, {&edit, 42, 1},  {&edit, 43, 1},  {&edit, 47, 1},  {&edit, 48, 0},  {&edit, 49, 1},
    };
    for (const IntCase& c : ints) {
        int value = -7;
        c.property->GetValue(c.id, value);
        EXPECT_EQ(value, c.value) << c.id;
    }
    std::uint32_t colour = 1;
    line.GetValue(OD_LINE_COLOR, colour);
    EXPECT_EQ(colour, 0u);
    fill.GetValue(OD_FILL_COLOR, colour);
    EXPECT_EQ(colour, 0x00FFFFFFu);
    fill.GetValue(OD_FILL_BKCOLOR, colour);
    EXPECT_EQ(colour, 0x00FFFFFFu);
    std::string face;
    font.GetValue(OD_FONT_FACE, face);
    EXPECT_EQ(face, "Times New Roman");
    EXPECT_EQ(line.GetWidth(), 1);

    EXPECT_TRUE(line.OwnsId(10) && line.OwnsId(14) && !line.OwnsId(15) && !line.OwnsId(9));
    EXPECT_TRUE(font.OwnsId(38) && !font.OwnsId(39));
    EXPECT_TRUE(edit.OwnsId(49) && !edit.OwnsId(50));
    const CODBoolProperty flag(230);
    EXPECT_TRUE(flag.OwnsId(230) && !flag.OwnsId(231));
    EXPECT_EQ(CODOrientationProperties().GetOrientation(), 8);
    EXPECT_EQ(CODLineOrientation().GetPercent(), 50u);
}

TEST(Property, WrongTypesAndUnknownSubIdsRaiseAndChangeNothing)
{
    CODLineProperties line;
    CODFontProperties font;
    CODIntProperty alignment(210, 1);
    const std::function<void()> misuses[] = {
        [&] { line.SetValue(OD_LINE_COLOR, 5); },                   // colour is unsigned
        [&] { line.SetValue(OD_LINE_STYLE, std::uint32_t{1}); },    // style is signed
        [&] { line.SetValue(OD_LINE_STYLE, std::string("1")); },
        [&] { line.SetValue(15, 1); },                              // beyond the line's fields
        [&] { font.SetValue(OD_FONT_FACE, 3); },
        [&] { int v = 0; font.GetValue(39, v); },
        [&] { std::uint32_t v = 0; alignment.GetValue(210, v); },
        [&] { alignment.SetValue(211, 1); },
        [&] { CODDWordProperty(320).GetValueText(); },
    };
    for (const auto& misuse : misuses) {
        try {
            misuse();
            ADD_FAILURE() << "no exception";
        } catch (const CODPropertyConversionException& e) {
            EXPECT_STREQ(e.what(), "Invalid data type supplied for property assignment");
        }
    }
    EXPECT_EQ(line.GetColor(), 0u);
    EXPECT_EQ(line.GetStyle(), 0);
    EXPECT_EQ(font.GetFaceName(), "Times New Roman");
    EXPECT_EQ(alignment.GetInt(), 1);
}

TEST(Property, SettersIgnoreValuesOutOfRange)
{
    CODLineProperties line;
    line.SetStyle(4);
    line.SetStyle(5);
    line.SetStyle(-1);
    EXPECT_EQ(line.GetStyle(), 4);
    CODFillProperties fill;
    fill.SetFillStyle(2);
    fill.SetFillStyle(4);
    fill.SetHatchStyle(5);
    fill.SetHatchStyle(6);
    fill.SetBkMode(2);
    fill.SetBkMode(3);
    fill.SetPatternImage(nullptr);
    EXPECT_EQ(fill.GetFillStyle(), 2);
    EXPECT_EQ(fill.GetHatchStyle(), 5);
    EXPECT_EQ(fill.GetBkMode(), 2);
    EXPECT_EQ(fill.GetPatternImage(), nullptr);
    CODFontProperties font;
    font.SetPointSize(1);
    EXPECT_EQ(font.GetPointSize(), 10);
    font.SetValue(OD_FONT_POINTSIZE, 12);  // by sub-id through the same setter
    EXPECT_EQ(font.GetPointSize(), 12);
    EXPECT_EQ(font.GetHeight(), 16);
    font.SetWeight(1001);
    font.SetWeight(700);
    font.SetWeight(-1);
    EXPECT_EQ(font.GetWeight(), 700);
}

TEST(Property, BooleanAndIntegerText)
{
    CODBoolProperty flag(230);
    EXPECT_EQ(flag.GetValueText(), "FALSE");
    struct Case {
        const char* text;
        int value;
    };
    for (const Case& c : {Case{"TRUE", 1}, Case{"true", 1}, Case{"Yes", 1}, Case{"1", 1}, Case{"01", 0},
                          Case{" TRUE", 0}, Case{"no", 0}, Case{"", 0}}) {
        flag.SetBool(1 - c.value);
        flag.SetValueText(c.text);
        EXPECT_EQ(flag.GetBool(), c.value) << '"' << c.text << '"';
    }
    flag.SetBool(1);
    EXPECT_EQ(flag.GetValueText(), "TRUE");
    CODIntProperty number(300, -42);
    EXPECT_EQ(number.GetValueText(), "-42");
    number.SetValueText("17");
    EXPECT_EQ(number.GetInt(), 17);
    number.SetValueText("3000000000");
    EXPECT_EQ(number.GetInt(), 2147483647);
}

TEST(Property, CopyFromTakesTheMaskedFieldsAndEqualsComparesValues)
{
    CODFillProperties source;
    source.SetColor(RGB(1, 2, 3));
    source.SetFillStyle(2);
    source.SetBkColor(RGB(9, 9, 9));
    CODFillProperties target;
    target.CopyFrom(source, 0x01 | 0x20);
    EXPECT_EQ(target.GetColor(), RGB(1, 2, 3));
    EXPECT_EQ(target.GetBkColor(), RGB(9, 9, 9));
    EXPECT_EQ(target.GetFillStyle(), 0);
    EXPECT_FALSE(target.Equals(source));
    target.CopyFrom(source, OD_ALL_FIELDS);
    EXPECT_TRUE(target.Equals(source));
    EXPECT_TRUE(source.Clone()->Equals(source));

    CODEditProperties edit;
    CODEditProperties locked;
    locked.SetMovable(0);
    locked.SetRotatable(0);
    edit.CopyFrom(locked, 0x004);  // the third flag: movable
    EXPECT_EQ(edit.IsMovable(), 0);
    EXPECT_EQ(edit.IsRotatable(), 1);

    // Same values under another id, or another class, are different.
    EXPECT_FALSE(CODBoolProperty(230, 1).Equals(CODBoolProperty(240, 1)));
    EXPECT_FALSE(CODIntProperty(230, 1).Equals(CODBoolProperty(230, 1)));
    CODLineProperties line;
    line.CopyFrom(source, OD_ALL_FIELDS);  // another class: ignored
    EXPECT_TRUE(line.Equals(CODLineProperties()));
}

TEST(Property, GdiObjectsFollowTheFields)
{
    CODLineProperties line;
    line.SetColor(RGB(10, 20, 30));
    line.SetStyle(PS_DASH);
    EXPECT_EQ(line.GetPen()->GetLogPen().lopnStyle, static_cast<std::uint32_t>(PS_DASH));
    EXPECT_EQ(line.GetPen()->GetLogPen().lopnWidth.x, 1);
    EXPECT_EQ(line.GetPen(), line.GetPen()) << "cached";
    line.SetTransparent(1);
    EXPECT_EQ(line.GetPen()->GetLogPen().lopnStyle, static_cast<std::uint32_t>(PS_NULL));
    line.SetTransparent(0);
    line.SetWidth(-1);
    line.SetWidthInPoints(0);
    line.SetWidth(-1);
    EXPECT_EQ(line.GetPen()->GetLogPen().lopnWidth.x, 1) << "no points: one unit";
    line.SetWidthInPoints(6);
    EXPECT_EQ(line.GetPen()->GetLogPen().lopnWidth.x, 8);

    CODFontProperties font;
    font.SetWeight(700);
    font.SetItalic(1);
    const LOGFONT& logFont = font.GetFont()->GetLogFont();
    EXPECT_EQ(logFont.lfHeight, -13);
    EXPECT_EQ(logFont.lfWeight, 700);
    EXPECT_EQ(logFont.lfItalic, 1);
    EXPECT_EQ(logFont.lfCharSet, DEFAULT_CHARSET);
    EXPECT_STREQ(logFont.lfFaceName, "Times New Roman");
    font.SetHeight(0);
    font.SetPointSize(20);
    font.SetHeight(0);
    EXPECT_EQ(font.GetFont()->GetLogFont().lfHeight, -26) << "height from the points when not set";
}

}  // namespace
