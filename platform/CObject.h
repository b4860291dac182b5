#pragma once

class CArchive;

// Root of the framework's polymorphic objects (components, properties, user
// data). Persistent classes store and load their body through Serialize; the
// archive itself lives with the diagram engine.
class CObject {
public:
    virtual ~CObject() = default;
    virtual void Serialize(CArchive& /*ar*/) {}
};
