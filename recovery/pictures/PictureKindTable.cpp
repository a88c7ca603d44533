// PictureKindTable.cpp
#include "recovery/pictures/PictureKindTable.h"

const char* FileExtension(PictureKind kind) { return KindInfo(kind).extension; }

const char* KindName(PictureKind kind) { return KindInfo(kind).name; }
