// ScanMessageTexts.cpp
#include "lang/ScanMessageTexts.h"

#include "lang/Texts.h"

const TextSet& ScanMessageTexts(ScanMessage message) {
    switch (message) {
    case ScanMessage::DirectoryExists:
        return kDirectoryExists;
    case ScanMessage::ReadError:
        return kMsgReadError;
    case ScanMessage::WriteError:
        break;
    }
    return kMsgWriteError;
}
