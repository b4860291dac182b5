// The exported functions: C linkage, undecorated names, the only symbols the
// library shows.
#include "kxdata/kxdata.h"

#include "kxdata/ExportGuard.h"
#include "kxdata/Library.h"

namespace {
Library& Lib()
{
    return Library::Instance();
}
}  // namespace

extern "C" {

int KxInit(int size, char* out, char* msg)
{
    return GuardExport(out, msg, [&] { return Lib().Init(size, out, msg); });
}

int KxConfig(char* out, char* msg)
{
    return GuardExport(out, msg, [&] { return Lib().Run(out, msg, [] { return 0; }); });
}

int KxOpen(const char* path, char* msg)
{
    return GuardExport(nullptr, msg, [&] { return Lib().Open(path, msg); });
}

int KxClose(char* msg)
{
    return GuardExport(nullptr, msg, [&] { return Lib().Close(msg); });
}

int KxIndiv(int number, char* out, char* msg)
{
    return GuardExport(out, msg, [&] { return Lib().Run(out, msg, [number] { return Lib().Indiv(number); }); });
}

int KxFlags(int which, char* out, char* msg)
{
    return GuardExport(out, msg, [&] { return Lib().Run(out, msg, [which] { return Lib().Flags(which); }); });
}

int KxName(int restart, char* out, char* msg)
{
    return GuardExport(out, msg, [&] { return Lib().Run(out, msg, [restart] { return Lib().Name(restart); }); });
}

int KxRelative(int which, char* out, char* msg)
{
    return GuardExport(out, msg, [&] { return Lib().Run(out, msg, [which] { return Lib().Relative(which); }); });
}

int KxEvent(int which, char* out, char* msg)
{
    return GuardExport(out, msg, [&] { return Lib().Run(out, msg, [which] { return Lib().Event(which); }); });
}

int KxEventDirect(int number, char* out, char* msg)
{
    return GuardExport(out, msg, [&] { return Lib().Run(out, msg, [number] { return Lib().EventDirect(number); }); });
}

int KxWitness(int restart, char* out, char* msg)
{
    return GuardExport(out, msg, [&] { return Lib().Run(out, msg, [restart] { return Lib().Witness(restart); }); });
}

int KxTagType(int number, char* out, char* msg)
{
    return GuardExport(out, msg, [&] { return Lib().Run(out, msg, [number] { return Lib().TagType(number); }); });
}

int KxPlaces(int number, char* out, char* msg)
{
    return GuardExport(out, msg, [&] { return Lib().Run(out, msg, [number] { return Lib().Places(number); }); });
}

int KxPrimExhibit(char* out, char* msg)
{
    return GuardExport(out, msg, [&] { return Lib().Run(out, msg, [] { return Lib().PrimExhibit(); }); });
}

int KxExhibit(int restart, char* out, char* msg)
{
    return GuardExport(out, msg, [&] { return Lib().Run(out, msg, [restart] { return Lib().Exhibit(restart); }); });
}

int KxSource(int number, char* out, char* msg)
{
    return GuardExport(out, msg, [&] { return Lib().Run(out, msg, [number] { return Lib().Source(number); }); });
}

int KxCitation(int number, char* out, char* msg)
{
    return KxSource(number, out, msg);
}

int KxRepLink(int number, char* out, char* msg)
{
    return KxSource(number, out, msg);
}

int KxRepository(int number, char* out, char* msg)
{
    return KxSource(number, out, msg);
}

}  // extern "C"
