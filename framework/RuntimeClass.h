// Runtime class records: lets code ask a window object (or just an HWND)
// whether it is, say, a "CBmpMenu", without RTTI across module boundaries.
#pragma once

struct CRuntimeClass {
    const char* m_lpszClassName;
    const CRuntimeClass* m_pBaseClass;  // null for the root (CWnd)

    bool IsDerivedFrom(const CRuntimeClass* base) const;
    bool IsDerivedFrom(const char* className) const;
};

#define RUNTIME_CLASS(theClass) (&theClass::class##theClass)

// In the class body (leaves the access at public).
#define DECLARE_DYNAMIC(theClass) \
public: \
    static const CRuntimeClass class##theClass; \
    const CRuntimeClass* GetRuntimeClass() const override;

// In the .cpp; the record's name is the class name as written.
#define IMPLEMENT_DYNAMIC(theClass, baseClass) \
    const CRuntimeClass theClass::class##theClass = {#theClass, RUNTIME_CLASS(baseClass)}; \
    const CRuntimeClass* theClass::GetRuntimeClass() const { return RUNTIME_CLASS(theClass); }
