// JsonReport.h: a document's report as one line of JSON or of plain text.
#pragma once

#include "console/DocumentScan.h"

#include <string>

// "3 pictures (1 JPEG, 2 PNG)": the total, then each kind that has a picture
// in the kinds' order, JPEG and PNG always when they are among the kinds
// written, as the line has always shown them; "0 pictures" when none is left.
// When some of them were written cut: ", 1 cut (1 PNG)", each kind that has one.
std::string PictureCountText(const KindCounts& counts, const KindCounts& cut,
                             const PictureKinds& kinds);

// {"path":…,"outputFolder":…|null,"pictures":{"jpeg":n,"png":n,"gif":n,…},
//  "cut":{"jpeg":n,…},"files":[…],"bytes":n,"status":"completed"|"failed","failure":…|null},
// "pictures" and "cut" holding every kind the scan was to write, "files" a
// record per picture: {"file":"1.jpg"|null,"kind":"jpeg","bytes":n,
// "sha256":…|null,"whole":true|false,"from":…,"same_as":…|null}. A byte of a text that is no part
// of a UTF-8 character is written as \udcXX (XX the byte), so that a name is
// kept whatever bytes it holds.
std::string JsonLine(const DocumentReport& report);

// "PATH: N pictures (J JPEG, P PNG, …) in FOLDER", "PATH: no picture" or
// "PATH: failed: FAILURE" with the pictures written before the failure.
std::string TextLine(const DocumentReport& report);

// The report's pictures for --list, a line each: a tab, then tab-separated
// the file's name in the document's folder ("-" when its bytes were written
// already), its kind, its length, its SHA-256, "whole" or "cut", where it
// was found, and the file that holds its bytes when not written again ("-").
std::string PictureLines(const DocumentReport& report);
