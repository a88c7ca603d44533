// ExtractCommand.h: the velmo-extract command line, apart from main() so that
// tests can run it in-process.
#pragma once

#include "recovery/scan/PictureScanner.h"

#include <ostream>
#include <string>

class FolderReader;
class ScanDisk;

// Exit statuses of velmo-extract.
enum ExtractStatus { kExtractCompleted = 0, kExtractFailed = 1, kExtractUsage = 2 };

// The scanner's message in English, as velmo-extract prints it.
std::string ScanMessageText(ScanMessage message);

// The scanner's Scan, where anything thrown out of it ends the scan as a
// failure would: the result has not completed, and unexpected says what
// stopped it. The pictures written before stay.
ScanResult ScanCatching(PictureScanner& scanner, const std::string& documentPath,
                        const std::string& outputDirectory, std::string& unexpected);

// Scans the document through the given disk as the options ask: the result
// line on out, then with list a line per picture; on err why the scan
// failed, then the scanner's own message. Returns the exit status.
int RunExtract(const std::string& documentPath, const std::string& outputDirectory,
               std::ostream& out, std::ostream& err, ScanDisk& disk, FolderReader& folders,
               const ScanOptions& options = ScanOptions(), bool list = false);

// velmo-extract [--kinds LIST] [--list] [--unique] DOCUMENT OUTPUT_DIRECTORY: checks the call and
// runs the scan on the real file system, which reads a pipe but refuses a
// device or a folder.
int RunExtractCommand(int argc, const char* const argv[], std::ostream& out, std::ostream& err);
