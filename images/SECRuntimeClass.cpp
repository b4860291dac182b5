#include "images/SECRuntimeClass.h"

#include "images/CODDib.h"
#include "images/SECDib.h"
#include "images/SECJpeg.h"
#include "images/SECPcx.h"
#include "images/SECTarga.h"
#include "images/SECTiff.h"

std::unique_ptr<SECImage> SECRuntimeClass::CreateObject(const std::string& className)
{
    for (const SECRuntimeClass* c : {&SECDib::classSECDib, &SECJpeg::classSECJpeg, &SECPcx::classSECPcx,
             &SECTiff::classSECTiff, &SECTarga::classSECTarga, &CODDib::classCODDib}) {
        if (className == c->m_lpszClassName)
            return c->m_pfnCreateObject();
    }
    return nullptr;
}
