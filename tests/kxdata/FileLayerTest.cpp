#include "kxdata/BlockFile.h"
#include "kxdata/CVexc.h"
#include "kxdata/DbfTable.h"
#include "kxdata/KeyIndex.h"
#include "kxdata/MemoFile.h"
#include "kxdata/ProjectFileName.h"
#include "kxdata/RaiseError.h"
#include "kxdata/TablePrefix.h"
#include "tests/kxdata/Python.h"
#include "tools/projectwriter/DbfBuilder.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include <sys/stat.h>

using quorrel_test::WriteFile;

namespace {

struct ErrorResult {
    int code = 0;
    std::string message;
};

// Runs f and returns the code and message of the error it raises (code 0 when none).
template <typename F>
ErrorResult Catch(F f)
{
    char message[kMessageLimit] = {};
    SetMessageBuffer(message);
    ErrorResult result;
    try {
        f();
    } catch (const CVexc& error) {
        result.code = error.Code();
        result.message = message;
    }
    SetMessageBuffer(nullptr);
    return result;
}

TEST(TablePrefixTest, PadsShortBaseNamesAndKeepsDirectories)
{
    const struct {
        const char* path;
        const char* prefix;
    } cases[] = {
        {"SMITH", "SMITH__"},
        {"SMITH.ZNT", "SMITH__"},
        {"data/SMITH.ZNT", "data/SMITH__"},
        {"C:\\DATA\\SMITH", "C:\\DATA\\SMITH__"},
        {"ABCDEFG", "ABCDEFG"},
        {"/x/ABCDEFGHIJ.ZNT", "/x/ABCDEFGHIJ"},
        {"a.b/c", "a.b/c______"},
        {"", "_______"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TablePrefix(c.path).Text(), c.prefix) << c.path;
    EXPECT_EQ(TablePrefix("C:\\DATA\\SMITH").FileName('$', ".DBF"), "C:\\DATA\\SMITH__$.DBF");
    EXPECT_EQ(TablePrefix("SMITH").FileName('N', ".FPT"), "SMITH__N.FPT");
}

TEST(ProjectFileNameTest, TriesBackslashesThenCaseInsensitiveMatch)
{
    std::filesystem::create_directories("proj");
    WriteFile("proj/Smith__$.dbf", "x");
    WriteFile("proj/exact.DBF", "x");
    EXPECT_EQ(ResolveProjectFileName("proj/exact.DBF"), "proj/exact.DBF");
    EXPECT_EQ(ResolveProjectFileName("proj\\exact.DBF"), "proj/exact.DBF");
    EXPECT_EQ(ResolveProjectFileName("proj\\SMITH__$.DBF"), "proj/Smith__$.dbf");
    EXPECT_EQ(ResolveProjectFileName("proj/missing.DBF"), "proj/missing.DBF");
}

TEST(BlockFileTest, ReadsAcrossBlocksAndReportsEnd)
{
    std::string bytes(5000, '\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i % 251);
    WriteFile("blocks.bin", bytes);
    // Read block by block, and from a copy of the whole file made at open.
    for (const int64_t preloadLimit : {int64_t{0}, int64_t{1} << 20}) {
        auto file = BlockFile::Open("blocks.bin", preloadLimit);
        ASSERT_TRUE(file);
        EXPECT_EQ(file->Length(), 5000);
        file->SetPosition(4090);
        unsigned char got[20];
        EXPECT_EQ(file->Read(got, 20), 20);
        EXPECT_EQ(BlockFile::Status(), BlockFile::kStatusOk);
        for (int i = 0; i < 20; ++i)
            EXPECT_EQ(got[i], (4090 + i) % 251);
        file->SetPosition(4999);
        EXPECT_EQ(file->ReadByte(), 4999 % 251);
        EXPECT_EQ(file->ReadByte(), BlockFile::kStatusEnd);
        EXPECT_EQ(BlockFile::Status(), BlockFile::kStatusEnd);
        file->SetPosition(4995);
        EXPECT_EQ(file->Read(got, 20), 5);
        file->SetPosition(-1);
        EXPECT_EQ(file->ReadByte(), BlockFile::kStatusEnd);
    }
    EXPECT_FALSE(BlockFile::Open("no-such-file"));
    std::filesystem::create_directories("a-directory");
    EXPECT_FALSE(BlockFile::Open("a-directory"));
    // Opening a FIFO for reading would wait for a writer for ever.
    ASSERT_EQ(::mkfifo("a-fifo", 0600), 0);
    EXPECT_FALSE(BlockFile::Open("a-fifo"));
    EXPECT_FALSE(BlockFile::Open("/dev/zero"));
}

// Two fields of lengths 10 and 5 in a 16-byte record.
std::string TwoFieldTable(int records, const std::vector<std::pair<std::string, std::string>>& values)
{
    DbfBuilder table({{"FIRST", 'C', 10}, {"SECOND", 'C', 5}}, false);
    for (int r = 1; r <= records; ++r) {
        table.AddRecord();
        if (r <= static_cast<int>(values.size())) {
            table.Set(r, 0, values[static_cast<size_t>(r - 1)].first);
            table.Set(r, 1, values[static_cast<size_t>(r - 1)].second);
        }
    }
    return table.Bytes();
}

TEST(DbfTableTest, ReadsTrimmedFieldsByWantedNameAndSlot)
{
    std::string bytes = TwoFieldTable(3, {{"   AB  C  ", "x"}, {"          ", "12345"}, {"A_B", " 7 "}});
    bytes[32 + 64 + 1 + 2 * 16 + 2] = '\0';  // record 3 holds "A", NUL, "B"
    WriteFile("two.dbf", bytes);
    auto table = DbfTable::Open("two.dbf", {"SECOND", "MISSING", "FIRST"});
    ASSERT_EQ(table->RecordCount(), 3);
    EXPECT_EQ(table->RecordLength(), 16);
    EXPECT_EQ(table->DataStart(), 32 + 64 + 1);
    EXPECT_EQ(table->Slots()[1].offset, 11u);
    EXPECT_EQ(table->SlotOf(1), 2);
    EXPECT_EQ(table->SlotOf(2), 0);
    EXPECT_EQ(table->SlotOf(3), 1);

    const struct {
        int record;
        int field;
        bool mapped;
        const char* text;
    } cases[] = {
        {1, 3, true, "AB  C"}, {1, 1, true, "x"},     {2, 3, true, ""},     {2, 1, true, "12345"},
        {3, 3, true, "AB"},    {3, 1, false, "AB"},   {3, 2, false, "7"},   {1, 2, true, ""},
        {3, 2, true, ""},
    };
    for (const auto& c : cases) {
        std::string text;
        table->ReadField(c.record, c.field, text, c.mapped);
        EXPECT_EQ(text, c.text) << c.record << "/" << c.field;
    }
    EXPECT_EQ(table->ReadInteger(3, 1), 7);
    EXPECT_EQ(table->ReadInteger(2, 1), 12345);

    for (const int outside : {4, 0}) {
        const ErrorResult error = Catch([&] { table->Field(outside, 1); });
        EXPECT_EQ(error.code, 1);
        EXPECT_EQ(error.message, "Attempt to read past end of data.");
    }
}

TEST(DbfTableTest, AWantedNameListedTwiceMapsToTheSameField)
{
    WriteFile("two.dbf", TwoFieldTable(1, {{"first", "2nd"}}));
    auto table = DbfTable::Open("two.dbf", {"SECOND", "FIRST", "SECOND", "second"});
    EXPECT_EQ(table->SlotOf(1), 2);
    EXPECT_EQ(table->SlotOf(3), 2);
    EXPECT_EQ(table->SlotOf(4), 0) << "names match with case";
    EXPECT_EQ(table->Field(1, 3), "2nd");
}

// Damaged headers and descriptors either give the table error or a table
// whose every field reads without leaving the file (checked under the sanitizers).
TEST(DbfTableTest, SurvivesRandomDamage)
{
    const std::string good = TwoFieldTable(3, {{"alpha", "1"}, {"beta", "22"}, {"gamma", "333"}});
    std::mt19937 random(11);
    int refused = 0;
    for (int round = 0; round < 300; ++round) {
        std::string bytes = good;
        for (int n = 0; n < 3; ++n)
            bytes[random() % (32 + 64 + 1)] = static_cast<char>(random());
        WriteFile("damaged.dbf", bytes);
        std::unique_ptr<DbfTable> table;
        const ErrorResult open = Catch([&] { table = DbfTable::Open("damaged.dbf", {"FIRST", "SECOND"}); });
        if (open.code != 0) {
            ASSERT_EQ(open.code, -2) << "round " << round;
            ASSERT_EQ(open.message, "Not DBF file: damaged.dbf") << "round " << round;
            ++refused;
            continue;
        }
        ASSERT_TRUE(table) << "round " << round;
        const ErrorResult read = Catch([&] {
            for (int64_t r = 1; r <= table->RecordCount(); ++r) {
                for (int k = 1; k <= static_cast<int>(table->Slots().size()); ++k) {
                    std::string text;
                    table->ReadField(r, k, text, false);
                }
            }
        });
        EXPECT_EQ(read.code, 0) << "round " << round;
    }
    // Both outcomes occur, or the damage would not reach what the checks look at.
    EXPECT_GT(refused, 0);
    EXPECT_LT(refused, 300);
}

TEST(DbfTableTest, DeletedRecordsReadLikeAnyOther)
{
    DbfBuilder builder({{"NAME", 'C', 4}}, false);
    builder.AddRecord();
    builder.Set(1, 0, "GONE");
    builder.MarkDeleted(1);
    WriteFile("deleted.dbf", builder.Bytes());
    auto table = DbfTable::Open("deleted.dbf", {"NAME"});
    EXPECT_EQ(table->Field(1, 1), "GONE");
}

TEST(DbfTableTest, RejectsMalformedFiles)
{
    const std::string good = TwoFieldTable(2, {{"a", "b"}, {"c", "d"}});
    auto withHeaderLength = [&](int length) {
        std::string bytes = good;
        bytes[8] = static_cast<char>(length & 0xFF);
        bytes[9] = static_cast<char>(length >> 8);
        return bytes;
    };
    auto withCount = [&](uint32_t count) {
        std::string bytes = good;
        for (int i = 0; i < 4; ++i)
            bytes[4 + i] = static_cast<char>((count >> (8 * i)) & 0xFF);
        return bytes;
    };
    auto withRecordLength = [&](int length) {
        std::string bytes = good;
        bytes[10] = static_cast<char>(length);
        bytes[11] = 0;
        return bytes;
    };
    std::string noTerminator = good;
    noTerminator[32 + 64] = ' ';
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"short header", good.substr(0, 31)},
        {"short descriptor", good.substr(0, 32 + 40)},
        {"no terminator", noTerminator},
        {"room for a third descriptor", withHeaderLength(32 * 4 + 1)},
        {"header length below one descriptor", withHeaderLength(20)},
        {"more records than the file holds", withCount(3)},
        {"absurd record count", withCount(0xFFFFFFFFu)},
        {"record shorter than its fields", withRecordLength(12)},
    };
    for (const auto& c : cases) {
        WriteFile("bad.dbf", c.bytes);
        const ErrorResult error = Catch([] { DbfTable::Open("bad.dbf", {"FIRST"}); });
        EXPECT_EQ(error.code, -2) << c.what;
        EXPECT_EQ(error.message, "Not DBF file: bad.dbf") << c.what;
    }
    const ErrorResult missing = Catch([] { DbfTable::Open("none.dbf", {"FIRST"}); });
    EXPECT_EQ(missing.code, -1);
    EXPECT_EQ(missing.message, "Could not open none.dbf");
}

std::string MemoWithLength(uint32_t length)
{
    std::string bytes(74, '\0');  // block 2: length at bytes 70 to 73
    for (int i = 0; i < 4; ++i)
        bytes[70 + i] = static_cast<char>((length >> (8 * (3 - i))) & 0xFF);
    return bytes + "HELLOxx";
}

// A sparse file passes the size test with any record count; the count is
// bounded on its own.
TEST(DbfTableTest, RefusesRecordCountsBeyondTheLimit)
{
    constexpr int kRecordLength = 64;
    for (const int64_t count : {DbfTable::kMaxRecordCount, DbfTable::kMaxRecordCount + 1}) {
        DbfBuilder builder({{"FIRST", 'C', 10}}, false);
        std::string bytes = builder.Bytes();
        for (int i = 0; i < 4; ++i)
            bytes[4 + i] = static_cast<char>((count >> (8 * i)) & 0xFF);
        bytes[10] = static_cast<char>(kRecordLength);
        bytes[11] = 0;
        WriteFile("huge.dbf", bytes);
        const int64_t dataStart = 32 + 32 + 1;
        std::filesystem::resize_file("huge.dbf", static_cast<uintmax_t>(dataStart + count * kRecordLength));
        std::unique_ptr<DbfTable> table;
        const ErrorResult error = Catch([&] { table = DbfTable::Open("huge.dbf", {"FIRST"}); });
        if (count > DbfTable::kMaxRecordCount) {
            EXPECT_EQ(error.code, -2);
            EXPECT_EQ(error.message, "Not DBF file: huge.dbf");
        } else {
            ASSERT_EQ(error.code, 0);
            EXPECT_EQ(table->RecordCount(), count);
            EXPECT_EQ(table->Field(count, 1), "");
        }
    }
    std::filesystem::remove("huge.dbf");
}

TEST(MemoFileTest, ReadsBigEndianLengthAtBlockTimes33AndCutsAtEnd)
{
    WriteFile("memo.fpt", MemoWithLength(5));
    auto memo = MemoFile::Open("memo.fpt");
    EXPECT_EQ(memo->Read(2), "HELLO");
    EXPECT_EQ(memo->Read(0), "");
    EXPECT_EQ(memo->Read(-3), "");
    EXPECT_EQ(memo->Read(1000), "");
    WriteFile("cut.fpt", MemoWithLength(20));
    EXPECT_EQ(MemoFile::Open("cut.fpt")->Read(2), "HELLOxx") << "a memo cut by the end of its file";
    EXPECT_EQ(Catch([] { MemoFile::Open("none.fpt"); }).code, -1);
}

// A length no file could hold makes every request read the rest of a large
// file (or write it out as an exhibit): it is refused as a damaged file.
TEST(MemoFileTest, RefusesLengthsLongerThanTheFileOrTheLimit)
{
    const int64_t limit = MemoFile::kMaxMemoLength;
    const struct {
        const char* what;
        uint32_t length;
        int64_t fileLength;  // the file made sparse to this length, 0 to leave it
        int code;
    } cases[] = {
        {"longer than the file", 0x7F000005u, 0, -2},
        {"all ones in a large file", 0xFFFFFFFFu, int64_t{5} << 30, -2},
        {"one past the limit", static_cast<uint32_t>(limit + 1), limit + 1000, -2},
        {"at the limit", static_cast<uint32_t>(limit), limit + 1000, 0},
    };
    for (const auto& c : cases) {
        WriteFile("long.fpt", MemoWithLength(c.length));
        if (c.fileLength > 0)
            std::filesystem::resize_file("long.fpt", static_cast<uintmax_t>(c.fileLength));
        std::string text;
        const ErrorResult error = Catch([&] { text = MemoFile::Open("long.fpt")->Read(2); });
        EXPECT_EQ(error.code, c.code) << c.what;
        if (c.code != 0) {
            EXPECT_EQ(error.message, "Not DBF file: long.fpt") << c.what;
        } else {
            EXPECT_EQ(static_cast<int64_t>(text.size()), c.length) << c.what;
            EXPECT_EQ(text.substr(0, 7), "HELLOxx") << c.what;
        }
    }
    std::filesystem::remove("long.fpt");
}

TEST(KeyIndexTest, FindsNextInRecordOrder)
{
    // Close keys are grouped through a table indexed by key, scattered ones through a hash;
    // a far key at the end makes the second index hashed without changing the answers.
    const KeyColumn close = {5, 3, 5, 0, 5, -2};
    KeyColumn scattered = close;
    scattered.push_back(2000000000);
    const struct {
        int start;
        int key;
        int found;
    } cases[] = {
        {0, 5, 1}, {1, 5, 3}, {3, 5, 5}, {5, 5, 0}, {0, 3, 2}, {2, 3, 0}, {0, 0, 4}, {0, -2, 6},
        {0, 7, 0}, {0, 4, 0}, {6, 5, 0}, {-1, 5, 1}, {100, 5, 0}, {0, -2147483647 - 1, 0},
    };
    for (const KeyColumn& values : {close, scattered}) {
        const KeyIndex index(values);
        for (const auto& c : cases)
            EXPECT_EQ(index.FindNext(c.start, c.key), c.found) << values.size() << ": " << c.start << " " << c.key;
        EXPECT_EQ(index.Value(6), -2);
    }
    EXPECT_EQ(KeyIndex(scattered).FindNext(0, 2000000000), 7);
    EXPECT_EQ(KeyIndex({}).FindNext(0, 0), 0);
}

TEST(KeyIndexTest, AgreesWithAScanOfTheColumn)
{
    std::mt19937 random(5);
    for (const int32_t spread : {50, 2000000000}) {
        KeyColumn values;
        for (int i = 0; i < 500; ++i)
            values.push_back(static_cast<int32_t>(random() % 40) * (spread / 40) - 3);
        const KeyIndex index(values);
        auto scan = [&](int32_t start, int32_t key) {
            for (int32_t p = std::max(start, 0) + 1; p <= static_cast<int32_t>(values.size()); ++p) {
                if (values[static_cast<size_t>(p) - 1] == key)
                    return p;
            }
            return 0;
        };
        // Lists walked from their last answer, interleaved with jumps anywhere.
        int32_t positions[3] = {};
        for (int step = 0; step < 5000; ++step) {
            const int32_t key = values[random() % values.size()];
            int32_t& position = positions[random() % 3];
            const int32_t start = random() % 4 == 0 ? static_cast<int32_t>(random() % 520) - 10 : position;
            position = index.FindNext(start, key);
            ASSERT_EQ(position, scan(start, key)) << spread << ": " << start << " " << key;
        }
    }
}

}  // namespace

namespace {

TEST(DbfTableWitnessTest, ReadsATableWrittenByPythonDbf)
{
    const std::string python = kxdata_test::FindPython();
    if (python.empty())
        GTEST_SKIP() << "python3 is not installed";
    int status = 0;
    const std::string output = kxdata_test::RunPython(python, R"(
import dbf
table = dbf.Table('people.dbf', 'PER_NO N(6,0); NAME C(20); SEX C(1)', dbf_type='db3')
table.open(mode=dbf.READ_WRITE)
table.append((1, 'John  Smith', 'M'))
table.append((22, '  Mary', 'F'))
table.append((333, '', ''))
table.close()
)", status);
    ASSERT_EQ(status, 0) << output;
    auto table = DbfTable::Open("people.dbf", {"SEX", "PER_NO", "NAME", "MISSING"});
    ASSERT_EQ(table->RecordCount(), 3);
    const char* expected[3][4] = {{"M", "1", "John  Smith", ""}, {"F", "22", "Mary", ""}, {"", "333", "", ""}};
    for (int r = 1; r <= 3; ++r) {
        for (int k = 1; k <= 4; ++k)
            EXPECT_EQ(table->Field(r, k), expected[r - 1][k - 1]) << r << "/" << k;
    }
    EXPECT_EQ(table->ReadInteger(3, 2), 333);
}

}  // namespace
