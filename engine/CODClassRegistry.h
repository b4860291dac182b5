#pragma once

#include "platform/CObject.h"

#include <cstdint>
#include <string>
#include <type_traits>
#include <typeindex>
#include <typeinfo>

// The persistent classes an archive can store and create by name: the class
// name and schema written into documents, whether other schemas are accepted
// (versionable), and how an object of the class is made and let go.
//
// Every engine class is registered here. A class of a directory above the
// engine registers itself once before its documents are read or written,
// usually from one registration function of its directory that the document
// calls, for instance:
//
//     CODClassRegistry::Register<CIndiBox>("CIndiBox", 1, true);
//
// The class needs a default constructor and a Serialize(CArchive&) override
// that stores and loads its body (its own fields and then, or before, its
// base class's Serialize). Reference-counted classes (those with AddRef and
// Release, such as every component) are made with one reference that the
// archive drops when it ends; the object then lives on in whoever took a
// reference meanwhile.
struct CODClassInfo {
    std::string strName;
    std::uint16_t nSchema = 0;
    bool bVersionable = true;
    std::type_index type = typeid(void);
    CObject* (*pfnCreate)() = nullptr;
    void (*pfnRelease)(CObject*) = nullptr;
};

class CODClassRegistry {
public:
    template <class T>
    static void Register(const char* pszName, std::uint16_t nSchema, bool bVersionable)
    {
        static_assert(std::is_base_of_v<CObject, T>);
        CODClassInfo info;
        info.strName = pszName;
        info.nSchema = nSchema;
        info.bVersionable = bVersionable;
        info.type = typeid(T);
        if constexpr (requires(T* p) {
                          p->AddRef();
                          p->Release();
                      }) {
            info.pfnCreate = [] {
                T* object = new T();
                object->AddRef();
                return static_cast<CObject*>(object);
            };
            info.pfnRelease = [](CObject* p) { static_cast<T*>(p)->Release(); };
        } else {
            info.pfnCreate = [] { return static_cast<CObject*>(new T()); };
            info.pfnRelease = [](CObject* p) { delete p; };
        }
        Add(std::move(info));
    }

    // None for a name or a class that is not registered.
    static const CODClassInfo* FindByName(const std::string& strName);
    static const CODClassInfo* FindByType(const std::type_info& type);

private:
    // Replaces an earlier registration of the same name.
    static void Add(CODClassInfo info);
};
