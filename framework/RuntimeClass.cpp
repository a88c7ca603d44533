// Runtime class records; see RuntimeClass.h.
#include "framework/RuntimeClass.h"

#include <cstring>

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const {
    for (const CRuntimeClass* rc = this; rc; rc = rc->m_pBaseClass) {
        if (rc == base) return true;
    }
    return false;
}

bool CRuntimeClass::IsDerivedFrom(const char* className) const {
    if (!className) return false;
    for (const CRuntimeClass* rc = this; rc; rc = rc->m_pBaseClass) {
        if (std::strcmp(rc->m_lpszClassName, className) == 0) return true;
    }
    return false;
}
