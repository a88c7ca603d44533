// PresentationObjects.h: the embedded objects of a presentation of the
// 97-2003 format, which it keeps in its own records, often compressed.
#pragma once

#include "recovery/bytes/ByteSource.h"

#include <functional>
#include <memory>

class InflationBudget;

class PresentationObjects {
public:
    using ObjectVisitor = std::function<void(std::shared_ptr<ByteSource> object)>;

    static bool IsPresentationStream(const std::string& streamName);
    // Walks the stream's records, containers within containers, and hands
    // each object's storage to visit: as stored, or inflated when the record
    // says it is compressed.
    static void ForEachObject(const std::shared_ptr<ByteSource>& stream,
                              const std::shared_ptr<InflationBudget>& budget,
                              const ObjectVisitor& visit);
};
