#pragma once

// Root of the framework's polymorphic objects (components, user data).
class CObject {
public:
    virtual ~CObject() = default;
};
