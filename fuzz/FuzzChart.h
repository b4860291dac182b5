#pragma once

#include "chartparts/CQuorrelDoc.h"
#include "engine/CArchive.h"

#include <cstdint>
#include <vector>

// One fuzz input read as a chart document; what loads is saved again, the
// copy read back and its spatial queries asked. Shared by the fuzz target
// and the corpus replay test.
inline bool FuzzChartInput(const std::uint8_t* data, std::size_t size)
{
    CQuorrelDoc doc;
    try {
        CArchive in(data, size);
        doc.Serialize(in);
    } catch (const CArchiveException&) {
        return false;
    }
    std::vector<std::uint8_t> saved;
    {
        CArchive out;
        doc.Serialize(out);
        saved = out.GetStored();
    }
    CQuorrelDoc copy;
    CArchive back(saved.data(), saved.size());
    copy.Serialize(back);
    CQuorrelModel& model = copy.GetModel();
    const CRect all = model.GetComponentsBounds();
    model.ComponentsIn(all);
    model.ComponentsAt(all.CenterPoint(), 2);
    return true;
}
