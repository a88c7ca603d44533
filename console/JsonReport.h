// JsonReport.h: a document's report as one line of JSON or of plain text.
#pragma once

#include "console/DocumentScan.h"

#include <string>

// {"path":…,"outputFolder":…|null,"pictures":{"jpeg":n,"png":n},"bytes":n,
//  "status":"completed"|"failed","failure":…|null}. A byte of a text that
// is no part of a UTF-8 character is written as \udcXX (XX the byte), so
// that a name is kept whatever bytes it holds.
std::string JsonLine(const DocumentReport& report);

// "PATH: N pictures (J JPEG, P PNG) in FOLDER", "PATH: no picture" or
// "PATH: failed: FAILURE" with the pictures written before the failure.
std::string TextLine(const DocumentReport& report);
