#include "kxdata/ExportGuard.h"
#include "kxdata/Library.h"
#include "kxdata/kxdata.h"
#include "tests/kxdata/FamilyProject.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <stdexcept>
#include <string>

namespace {

// An exception the library does not expect closes the project and answers a
// fatal code with its text; it never reaches the client.
TEST(ExportGuardTest, TurnsEveryOtherExceptionIntoAFatalCode)
{
    const std::string project = kxdata_test::WriteFamilyProject("guarded");
    char out[256];
    char msg[256];
    const struct {
        const char* what;
        void (*raise)();
        const char* message;
    } cases[] = {
        {"std::exception", [] { throw std::runtime_error("table state lost"); }, "Internal error: table state lost"},
        {"std::length_error", [] { std::string().resize(std::string::npos); }, nullptr},
        {"anything else", [] { throw 42; }, "Internal error: unknown exception"},
    };
    Library& library = Library::Instance();
    library.Init(sizeof out, out, msg);
    for (const auto& c : cases) {
        ASSERT_EQ(library.Open(project.c_str(), msg), 0) << c.what;
        std::strcpy(out, "stale");
        const int code = GuardExport(out, msg, [&] { return library.Run(out, msg, [&] { c.raise(); return 0; }); });
        EXPECT_EQ(code, Library::kInternalError) << c.what;
        EXPECT_STREQ(out, "") << c.what;
        if (c.message != nullptr)
            EXPECT_STREQ(msg, c.message) << c.what;
        else
            EXPECT_EQ(std::string(msg).rfind("Internal error: ", 0), 0u) << msg;
        EXPECT_EQ(library.Run(out, msg, [&] { return library.Indiv(0); }), 1) << c.what << ": the project is closed";
    }
    // The library's own errors keep their codes.
    ASSERT_EQ(library.Open(project.c_str(), msg), 0);
    EXPECT_EQ(GuardExport(out, msg, [&] { return library.Run(out, msg, [&] { return library.Indiv(99); }); }), 2);
    EXPECT_STREQ(msg, "ID Number Not In Database.");
    library.Close(msg);
}

TEST(ExportGuardTest, MemoryThatCannotBeHadEndsTheProcess)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    char msg[64];
    EXPECT_DEATH(GuardExport(nullptr, msg, []() -> int { throw std::bad_alloc(); }), "Out of Memory!");
}

}  // namespace
