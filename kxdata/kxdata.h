/* Kxdata: read-only access to a genealogy project (dBase III tables with
 * FoxPro memo files). Every call takes buffers owned by the caller, writes
 * text into them and returns a code: 0 success, 1 end of list, other positive
 * codes a non-fatal error, negative codes a fatal error after which the
 * project is closed. Replies are fields each ended by '|'; lists inside a
 * field are separated by '~'. One open project per process, one thread. */
#ifndef KXDATA_KXDATA_H
#define KXDATA_KXDATA_H

#if defined(__GNUC__)
#define KXDATA_EXPORT __attribute__((visibility("default")))
#else
#define KXDATA_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

KXDATA_EXPORT int KxInit(int size, char* out, char* msg);
KXDATA_EXPORT int KxConfig(char* out, char* msg);
KXDATA_EXPORT int KxOpen(const char* path, char* msg);
KXDATA_EXPORT int KxClose(char* msg);
KXDATA_EXPORT int KxIndiv(int number, char* out, char* msg);
KXDATA_EXPORT int KxFlags(int which, char* out, char* msg);
KXDATA_EXPORT int KxName(int restart, char* out, char* msg);
KXDATA_EXPORT int KxRelative(int which, char* out, char* msg);
KXDATA_EXPORT int KxEvent(int which, char* out, char* msg);
KXDATA_EXPORT int KxEventDirect(int number, char* out, char* msg);
KXDATA_EXPORT int KxWitness(int restart, char* out, char* msg);
KXDATA_EXPORT int KxTagType(int number, char* out, char* msg);
KXDATA_EXPORT int KxPlaces(int number, char* out, char* msg);
KXDATA_EXPORT int KxPrimExhibit(char* out, char* msg);
KXDATA_EXPORT int KxExhibit(int restart, char* out, char* msg);
KXDATA_EXPORT int KxSource(int number, char* out, char* msg);
KXDATA_EXPORT int KxCitation(int number, char* out, char* msg);
KXDATA_EXPORT int KxRepLink(int number, char* out, char* msg);
KXDATA_EXPORT int KxRepository(int number, char* out, char* msg);

#ifdef __cplusplus
}
#endif

#endif /* KXDATA_KXDATA_H */
