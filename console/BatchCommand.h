// BatchCommand.h: velmo-extract -o DIR [options] DOCUMENT|FOLDER..., many
// documents at once, apart from main() so that tests can run it in-process.
#pragma once

#include "console/BatchOptions.h"

#include <ostream>

class FolderReader;
class ScanDisk;

// Scans every document with the given number of jobs; the reports come on
// out in the order of the inputs, a progress line (when progress is set) and
// the summary on err. Returns the exit status: 0 when every document was
// scanned completely, 1 when any was not, 2 when the output folder is unusable.
int RunBatch(const BatchOptions& options, std::ostream& out, std::ostream& err, bool progress,
             FolderReader& folders, ScanDisk& disk);

// Parses the command line (2 and the usage on err when it is wrong); prints
// the help or the version when asked, or runs the batch on the real file
// system, where it scans regular files only.
int RunBatchCommand(int argc, const char* const argv[], std::ostream& out, std::ostream& err,
                    bool progress);

// True when stderr is a terminal, where a progress line can be redrawn.
bool StderrIsTerminal();
