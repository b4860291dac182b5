#include "engine/CODClassRegistry.h"

#include "engine/CODBoolProperty.h"
#include "engine/CODCirclePort.h"
#include "engine/CODClosedCurveComponent.h"
#include "engine/CODConnection.h"
#include "engine/CODDWordProperty.h"
#include "engine/CODEditProperties.h"
#include "engine/CODEllipseComponent.h"
#include "engine/CODEndpoint.h"
#include "engine/CODFillProperties.h"
#include "engine/CODFontProperties.h"
#include "engine/CODImageComponent.h"
#include "engine/CODIntProperty.h"
#include "engine/CODLabelComponent.h"
#include "engine/CODLineLinkShape.h"
#include "engine/CODLineOrientation.h"
#include "engine/CODLineProperties.h"
#include "engine/CODLinkComponent.h"
#include "engine/CODMetafileComponent.h"
#include "engine/CODModel.h"
#include "engine/CODOrientationProperties.h"
#include "engine/CODOrthogonalLinkShape.h"
#include "engine/CODPolygonComponent.h"
#include "engine/CODRectComponent.h"
#include "engine/CODRulerComponent.h"
#include "engine/CODTextComponent.h"
#include "engine/CODTransform.h"

#include <deque>
#include <unordered_map>

namespace {

struct Registry {
    // A deque keeps the records in place for archives that point at them.
    std::deque<CODClassInfo> classes;
    std::unordered_map<std::string, std::size_t> byName;
    std::unordered_map<std::type_index, std::size_t> byType;
};

Registry& Classes()
{
    static Registry registry;
    return registry;
}

// The engine's own classes, entered before the first lookup.
void RegisterEngineClasses()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    constexpr bool kVersionable = true;
    constexpr bool kFixed = false;
    CODClassRegistry::Register<CODComponent>("CODComponent", 1, kVersionable);
    CODClassRegistry::Register<CODPointComponent>("CODPointComponent", 1, kVersionable);
    CODClassRegistry::Register<CODRectComponent>("CODRectComponent", 1, kVersionable);
    CODClassRegistry::Register<CODPolygonComponent>("CODPolygonComponent", 1, kVersionable);
    CODClassRegistry::Register<CODCurveComponent>("CODCurveComponent", 1, kVersionable);
    CODClassRegistry::Register<CODClosedCurveComponent>("CODClosedCurveComponent", 1, kVersionable);
    CODClassRegistry::Register<CODRulerComponent>("CODRulerComponent", 1, kVersionable);
    CODClassRegistry::Register<CODEllipseComponent>("CODEllipseComponent", 2, kVersionable);
    CODClassRegistry::Register<CODLineComponent>("CODLineComponent", 1, kVersionable);
    CODClassRegistry::Register<CODLineLinkShape>("CODLineLinkShape", 1, kVersionable);
    CODClassRegistry::Register<CODOrthogonalLinkShape>("CODOrthogonalLinkShape", 1, kVersionable);
    CODClassRegistry::Register<CODTextComponent>("CODTextComponent", 1, kVersionable);
    CODClassRegistry::Register<CODLabelComponent>("CODLabelComponent", 2, kVersionable);
    CODClassRegistry::Register<CODImageComponent>("CODImageComponent", 3, kVersionable);
    CODClassRegistry::Register<CODMetafileComponent>("CODMetafileComponent", 1, kVersionable);
    CODClassRegistry::Register<CODPortComponent>("CODPortComponent", 1, kVersionable);
    CODClassRegistry::Register<CODCirclePort>("CODCirclePort", 1, kVersionable);
    CODClassRegistry::Register<CODSymbolComponent>("CODSymbolComponent", 2, kVersionable);
    CODClassRegistry::Register<CODLinkComponent>("CODLinkComponent", 1, kVersionable);
    CODClassRegistry::Register<CODModel>("CODModel", 2, kVersionable);
    CODClassRegistry::Register<CODConnection>("CODConnection", 0, kFixed);
    CODClassRegistry::Register<CODEndpoint>("CODEndpoint", 0, kFixed);
    CODClassRegistry::Register<CODTransform>("CODTransform", 0, kFixed);
    CODClassRegistry::Register<CODLineProperties>("CODLineProperties", 2, kVersionable);
    CODClassRegistry::Register<CODFillProperties>("CODFillProperties", 1, kVersionable);
    CODClassRegistry::Register<CODFontProperties>("CODFontProperties", 2, kVersionable);
    CODClassRegistry::Register<CODEditProperties>("CODEditProperties", 1, kVersionable);
    CODClassRegistry::Register<CODBoolProperty>("CODBoolProperty", 1, kVersionable);
    CODClassRegistry::Register<CODIntProperty>("CODIntProperty", 1, kVersionable);
    CODClassRegistry::Register<CODDWordProperty>("CODDWordProperty", 1, kVersionable);
    CODClassRegistry::Register<CODOrientationProperties>("CODOrientationProperties", 2, kVersionable);
    CODClassRegistry::Register<CODLineOrientation>("CODLineOrientation", 1, kVersionable);
}

}  // namespace

void CODClassRegistry::Add(CODClassInfo info)
{
    RegisterEngineClasses();
    Registry& registry = Classes();
    if (const auto found = registry.byName.find(info.strName); found != registry.byName.end()) {
        CODClassInfo& old = registry.classes[found->second];
        registry.byType.erase(old.type);
        registry.byType[info.type] = found->second;
        old = std::move(info);
        return;
    }
    registry.byName.emplace(info.strName, registry.classes.size());
    registry.byType.emplace(info.type, registry.classes.size());
    registry.classes.push_back(std::move(info));
}

const CODClassInfo* CODClassRegistry::FindByName(const std::string& strName)
{
    RegisterEngineClasses();
    const Registry& registry = Classes();
    const auto found = registry.byName.find(strName);
    return found == registry.byName.end() ? nullptr : &registry.classes[found->second];
}

const CODClassInfo* CODClassRegistry::FindByType(const std::type_info& type)
{
    RegisterEngineClasses();
    const Registry& registry = Classes();
    const auto found = registry.byType.find(std::type_index(type));
    return found == registry.byType.end() ? nullptr : &registry.classes[found->second];
}
