#pragma once

#include <memory>
#include <string>

class SECImage;

// The class record of an image class: its name and schema as documents store
// them, and how to create an object of it by name.
struct SECRuntimeClass {
    const char* m_lpszClassName;
    unsigned m_wSchema;
    std::unique_ptr<SECImage> (*m_pfnCreateObject)();

    // A new object of the image class with that name; null for any other name.
    static std::unique_ptr<SECImage> CreateObject(const std::string& className);
};
