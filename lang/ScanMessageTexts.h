// ScanMessageTexts.h - the words the user reads for each failure of a scan
#pragma once

#include "lang/TextSet.h"
#include "recovery/ScanReport.h"

const TextSet& ScanMessageTexts(ScanMessage message);
