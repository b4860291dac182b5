#include "kxdata/RaiseError.h"

#include "kxdata/CVexc.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace {
char* g_message = nullptr;

void FormatMessage(const char* format, va_list args)
{
    if (g_message != nullptr)
        std::vsnprintf(g_message, kMessageLimit, format, args);
}
}  // namespace

void SetMessageBuffer(char* msg)
{
    g_message = msg;
}

void WriteMessage(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    FormatMessage(format, args);
    va_end(args);
}

void RaiseError(int32_t code, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    FormatMessage(format, args);
    va_end(args);
    throw CVexc(code);
}

void OutOfMemory()
{
    std::fputs("Out of Memory!\n", stderr);
    std::fflush(stderr);
    std::abort();
}
