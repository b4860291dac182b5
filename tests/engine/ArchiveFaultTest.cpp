#include "ArchiveBytes.h"
#include "TestDiagram.h"

#include "engine/CArchive.h"
#include "engine/CODLinkComponent.h"
#include "engine/CODModel.h"
#include "engine/CODRectComponent.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using quorrel_test::ArchiveBytes;
using Bytes = std::vector<std::uint8_t>;

// A model body whose children the case writes; the page settings and
// background that follow are those of a plain document.
Bytes ModelWith(std::uint32_t childCount, const std::function<void(ArchiveBytes&)>& children)
{
    ArchiveBytes bytes;
    bytes.DWords({1, 99}).String("").String("Model").DWords({0, 0, 5000, 4000}).Word(0).DWords({1, 0, childCount});
    children(bytes);
    bytes.Word(0).DWord(2);
    bytes.DWords({2, 0}).Word(0).Word(0).DWords({0xB, 21000, 29700, 0, 0, 0, 0, 2500, 2500, 2500, 2500});
    return bytes.DWord(0x00FFFFFF).Word(0).Get();
}

void Rect(ArchiveBytes& bytes, std::uint16_t tag, std::uint32_t id)
{
    if (tag == 0xFFFF)
        bytes.NewClass("CODRectComponent", 1);
    else
        bytes.Word(tag);
    bytes.DWords({1, 1, 0}).PlainComponent(id, "Rect");
}

// Loads into a model that holds something, so that leaving it reset shows.
void ExpectRejected(const Bytes& bytes, const std::string& what, const std::string& cause = std::string())
{
    CODModel model;
    test_diagram::AddBox(CRect(10, 10, 50, 50), model);
    CArchive ar(bytes.data(), bytes.size());
    try {
        model.Serialize(ar);
        ADD_FAILURE() << what << " was read";
    } catch (const CArchiveException& e) {
        EXPECT_NE(std::string(e.what()).find(cause), std::string::npos) << what << ": " << e.what();
        EXPECT_LE(e.GetOffset(), bytes.size()) << what;
    }
    EXPECT_EQ(model.GetChildCount(), 0) << what;
    EXPECT_EQ(model.GetBackground(), nullptr) << what;
    EXPECT_FALSE(model.IsModified()) << what;
}

TEST(ArchiveFaults, TheHandMadeModelLoads)
{
    const Bytes good = ModelWith(2, [](ArchiveBytes& b) {
        Rect(b, 0xFFFF, 5);
        Rect(b, 0x8001, 6);
    });
    CODModel model;
    CArchive ar(good.data(), good.size());
    model.Serialize(ar);
    EXPECT_EQ(ar.GetRemaining(), 0u);
    EXPECT_EQ(model.GetChildCount(), 2);
    EXPECT_EQ(model.GetSize(), CSize(5000, 4000));
    EXPECT_NE(model.FindById(6), nullptr);
}

TEST(ArchiveFaults, DamagedDocumentsAreArchiveErrors)
{
    const struct {
        const char* what;
        const char* cause;
        Bytes bytes;
    } cases[] = {
        {"unknown class", "unknown class", ModelWith(1, [](ArchiveBytes& b) { b.NewClass("CODNoSuchComponent", 1).DWord(1); })},
        {"schema mismatch of a fixed class", "schema mismatch",
         ModelWith(1,
                   [](ArchiveBytes& b) {
                       b.NewClass("CODRectComponent", 1).DWords({1, 1, 0});
                       b.DWords({1, 5}).String("r").String("t").DWords({0, 0, 1, 1});
                       b.NewClass("CODTransform", 1).DWords({0, 0, 0, 0, 0, 0});
                   })},
        {"count larger than the document", "count larger", ModelWith(0x10000000, [](ArchiveBytes&) {})},
        {"point count larger than the document", "count larger",
         ModelWith(1, [](ArchiveBytes& b) { b.NewClass("CODRectComponent", 1).DWords({1, 1, 0x20000000}); })},
        {"string longer than the document", "longer than the rest",
         ModelWith(1, [](ArchiveBytes& b) {
             b.NewClass("CODRectComponent", 1).DWords({1, 1, 0, 1, 5}).Word(0xFF).Word(0x7000);
         })},
        {"back reference to an index not yet given", "not yet read", ModelWith(1, [](ArchiveBytes& b) { b.Word(0x0005); })},
        {"class tag of an index not yet given", "not yet read", ModelWith(1, [](ArchiveBytes& b) { b.Word(0x8009); })},
        {"object tag naming a class", "object reference to a class", ModelWith(2, [](ArchiveBytes& b) {
             Rect(b, 0xFFFF, 5);
             b.Word(0x0001);
         })},
        {"child given twice", "given twice", ModelWith(2, [](ArchiveBytes& b) {
             Rect(b, 0xFFFF, 5);
             b.Word(0x0002);
         })},
        {"component that contains itself", "contains itself",
         ModelWith(1,
                   [](ArchiveBytes& b) {
                       b.NewClass("CODComponent", 1).DWords({1, 5}).String("loop").String("t").DWords({0, 0, 1, 1});
                       b.Word(0).DWords({1, 0, 1}).Word(0x0002);
                   })},
        {"property slot holding a component", "unexpected class",
         ModelWith(1,
                   [](ArchiveBytes& b) {
                       b.NewClass("CODComponent", 1).DWords({1, 5}).String("c").String("t").DWords({0, 0, 1, 1});
                       b.Word(0).DWords({1, 1});
                       Rect(b, 0xFFFF, 6);
                   })},
        {"missing child", "missing child", ModelWith(1, [](ArchiveBytes& b) { b.Word(0); })},
        {"link without its ends", "two ends",
         ModelWith(1,
                   [](ArchiveBytes& b) {
                       b.NewClass("CODLinkComponent", 1).DWords({1, 0xFFFFFFFF, 2, 0, 0});
                       b.NewClass("CODCirclePort", 1).DWords({1, 1, 1, 1, 1, 1, 0, 0}).PlainComponent(3, "Port");
                       b.DWord(0).PlainComponent(4, "Link");
                   })},
        {"nothing at all", "ends too soon", Bytes{}},
    };
    for (const auto& c : cases)
        ExpectRejected(c.bytes, c.what, c.cause);
}

TEST(ArchiveFaults, EveryTruncationOfARealDocumentIsRejected)
{
    CODModel model;
    CODSymbolComponent* left = test_diagram::AddBox(CRect(0, 0, 100, 50), model);
    CODSymbolComponent* right = test_diagram::AddBox(CRect(300, 0, 400, 50), model);
    auto* link = new CODLinkComponent();
    link->Create(test_diagram::AddPort(left, CPoint(100, 25)), test_diagram::AddPort(right, CPoint(300, 25)));
    model.AddChild(link);
    left->AddLabel("left", 5, nullptr);
    CArchive out;
    model.Serialize(out);
    const Bytes& whole = out.GetStored();
    for (std::size_t length = 0; length < whole.size(); ++length)
        ExpectRejected(Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length)),
                       "cut at " + std::to_string(length));
}

TEST(ArchiveFaults, AConnectionMustJoinTwoSymbolsThatBothListIt)
{
    CODModel model;
    CODSymbolComponent* left = test_diagram::AddBox(CRect(0, 0, 100, 50), model);
    CODSymbolComponent* right = test_diagram::AddBox(CRect(300, 0, 400, 50), model);
    ASSERT_NE(left->Connect(test_diagram::AddPort(left, CPoint(100, 25)), test_diagram::AddPort(right, CPoint(300, 25))),
              nullptr);
    CArchive out;
    model.Serialize(out);
    Bytes bytes = out.GetStored();
    // The second symbol's connection count, the last non-zero count of 1
    // before its component part, is cleared: the connection is listed once.
    const Bytes rightHead = ArchiveBytes().DWord(right->GetId()).Get();
    const auto at = std::search(bytes.begin(), bytes.end(), rightHead.begin(), rightHead.end());
    ASSERT_NE(at, bytes.end());
    // Back from the component part: the schema DWORD 1, then the back
    // reference to the connection (2 bytes), then its count.
    const auto count = at - 4 - 2 - 4;
    ASSERT_EQ(*count, 1);
    *count = 0;
    bytes.erase(at - 4 - 2, at - 4);
    ExpectRejected(bytes, "connection listed by one end", "does not join");
}

}  // namespace
