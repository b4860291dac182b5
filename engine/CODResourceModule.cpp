#include "engine/CODResourceModule.h"

#include "engine/SymbolResources.h"

CODResourceModule& CODResourceModule::Program()
{
    static CODResourceModule module = [] {
        CODResourceModule program;
        program.Add(kSymbolResourceType, kSquareSymbolId, SquareSymbolResource());
        return program;
    }();
    return module;
}

void CODResourceModule::Add(const std::string& strType, std::uint32_t nId, std::vector<std::uint8_t> bytes)
{
    m_resources[{strType, nId}] = std::move(bytes);
}

CODResourceModule::Handle CODResourceModule::FindResource(std::uint32_t nId, const std::string& strType) const
{
    const auto found = m_resources.find({strType, nId});
    return found == m_resources.end() ? nullptr : &found->second;
}

std::size_t CODResourceModule::SizeofResource(Handle hResource) const
{
    return hResource ? hResource->size() : 0;
}

CODResourceModule::Handle CODResourceModule::LoadResource(Handle hResource) const
{
    return hResource;
}

const std::uint8_t* CODResourceModule::LockResource(Handle hLoaded) const
{
    return hLoaded ? hLoaded->data() : nullptr;
}
