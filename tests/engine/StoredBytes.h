#pragma once

#include "engine/CArchive.h"

#include <cstdint>
#include <vector>

namespace quorrel_test {

// The archive bytes of anything that serializes itself (a model, a document).
template <typename Storable>
std::vector<std::uint8_t> Store(Storable& object)
{
    CArchive ar;
    object.Serialize(ar);
    return ar.GetStored();
}

// Reads the object back from its bytes; archive errors propagate.
template <typename Storable>
void Load(Storable& object, const std::vector<std::uint8_t>& bytes)
{
    CArchive ar(bytes.data(), bytes.size());
    object.Serialize(ar);
}

}  // namespace quorrel_test
