// ScanMessageTexts.cpp
#include "lang/ScanMessageTexts.h"

#include <cerrno>

#include "lang/Texts.h"

namespace {

// The system's reason in the user's language where it is a common one, else
// in the system's own words.
std::string Reason(const ScanFailure& failure, int languageIndex) {
    switch (failure.systemError) {
    case ENOENT:
        return Text(kReasonNotFound, languageIndex);
    case EACCES:
        return Text(kReasonAccessDenied, languageIndex);
    case ENOSPC:
        return Text(kReasonDiskFull, languageIndex);
    default:
        break;
    }
    return failure.reason.empty() ? Text(kReasonUnknown, languageIndex) : failure.reason;
}

// What failed, or none when the failure's own message says it all.
const TextSet* WhatFailed(ScanFailure::Cause cause) {
    switch (cause) {
    case ScanFailure::Cause::Open:
        return &kMsgCannotOpenDocument;
    case ScanFailure::Cause::MakeFolder:
        return &kMsgCannotMakeFolder;
    case ScanFailure::Cause::CreatePicture:
    case ScanFailure::Cause::Write:
        return &kMsgCannotWritePicture;
    default:
        break;
    }
    return nullptr;
}

}  // namespace

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

std::string ScanFailureText(ScanMessage message, const ScanFailure& failure, int languageIndex) {
    const TextSet* whatFailed = WhatFailed(failure.cause);
    if (!whatFailed) return Text(ScanMessageTexts(message), languageIndex);
    const std::string detail = FormatText(Text(*whatFailed, languageIndex),
                                          {failure.path, Reason(failure, languageIndex)});
    if (failure.cause == ScanFailure::Cause::Open) return detail;
    return std::string(Text(ScanMessageTexts(message), languageIndex)) + "\n\n" + detail;
}
