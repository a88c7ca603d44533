// OfficeArtPictures.h: the picture records of the drawing data that Word,
// Excel and PowerPoint documents of the 97-2003 formats keep their pictures in.
#pragma once

#include "recovery/bytes/ByteSource.h"

#include <memory>
#include <vector>

class FoundPictures;
struct ViewName;
struct ViewSpan;
class InflationBudget;

// Each picture of such a document sits in a record of its own, behind an
// eight-byte header (version, instance, type, length) and a header of its
// kind: a bitmap's identifiers and tag, a metafile's identifiers, bounds,
// sizes and compression. The records lie in different streams in each format,
// and whole or cut into a workbook's records, so they are searched for in a
// view by their headers, each checked against its kind's header and content.
//
// Each record found gives its picture, cut where its own structure ends or at
// the record's end, with the file header its kind's files start with, and a
// compressed metafile inflated; its bytes, slack included, are explained.
// Pictures the view's search walked whole hold no records: the search passes
// over them (passOver in the order of the view).
void FindOfficeArtPictures(const std::shared_ptr<ByteSource>& view, const ViewName& name, int rank,
                           FoundPictures& found, const std::shared_ptr<InflationBudget>& budget,
                           const std::vector<ViewSpan>& passOver);
