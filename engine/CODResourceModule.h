#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

// Resources built into a module: blocks of bytes found by type and id, read
// in the platform's four steps (find, size, load, lock), any of which may fail.
class CODResourceModule {
public:
    using Handle = const std::vector<std::uint8_t>*;

    virtual ~CODResourceModule() = default;

    // The program's own module, with the symbol resources it ships.
    static CODResourceModule& Program();

    void Add(const std::string& strType, std::uint32_t nId, std::vector<std::uint8_t> bytes);

    // None when the module has no such resource.
    virtual Handle FindResource(std::uint32_t nId, const std::string& strType) const;
    virtual std::size_t SizeofResource(Handle hResource) const;
    virtual Handle LoadResource(Handle hResource) const;
    virtual const std::uint8_t* LockResource(Handle hLoaded) const;

private:
    std::map<std::pair<std::string, std::uint32_t>, std::vector<std::uint8_t>> m_resources;
};
