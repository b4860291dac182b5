#include "chartparts/ChartPartClasses.h"

#include "chartparts/ArrowEndpoint.h"
#include "chartparts/CCurveText.h"
#include "chartparts/CIndiBox.h"
#include "chartparts/CSymbol.h"
#include "engine/CODClassRegistry.h"

void RegisterChartPartClasses()
{
    static const bool registered = [] {
        constexpr bool kVersionable = true;
        CODClassRegistry::Register<CIndiBox>("CIndiBox", 1, kVersionable);
        CODClassRegistry::Register<CCurveText>("CCurveText", 1, kVersionable);
        CODClassRegistry::Register<CSymbol>("CSymbol", 1, kVersionable);
        // Its body is fixed: the base's four values, then length and width.
        CODClassRegistry::Register<ArrowEndpoint>("ArrowEndpoint", 0, !kVersionable);
        return true;
    }();
    (void)registered;
}
