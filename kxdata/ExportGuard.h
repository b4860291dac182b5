#pragma once

#include "kxdata/Library.h"
#include "kxdata/RaiseError.h"

#include <exception>
#include <new>

// Runs the work of one export so that no exception crosses into the client:
// the library's own CVexc is answered inside the work; memory that cannot be
// had ends the process with "Out of Memory!"; anything else is a fault of
// the library and is answered as fatal with its text in msg.
template <typename Work>
int GuardExport(char* out, char* msg, Work&& work) noexcept
{
    try {
        return work();
    } catch (const std::bad_alloc&) {
        OutOfMemory();
    } catch (const std::exception& error) {
        return Library::Instance().Fail(out, msg, error.what());
    } catch (...) {
        return Library::Instance().Fail(out, msg, "unknown exception");
    }
}
