// PresentationObjects.cpp
#include "recovery/containers/PresentationObjects.h"

#include "recovery/bytes/InflateSource.h"
#include "recovery/bytes/SliceSource.h"

#include <string>

namespace {

constexpr size_t kRecordHeaderSize = 8;
constexpr uint16_t kContainerVersion = 0xF;
constexpr uint16_t kObjectStorage = 0x1011;
constexpr uint16_t kCompressedInstance = 1;
constexpr size_t kInflatedSizeField = 4;
// Containers nest a few levels in real presentations; a damaged stream may
// seem to nest without end.
constexpr int kDeepestContainer = 16;

struct Walk {
    const std::shared_ptr<ByteSource>& stream;
    const std::shared_ptr<InflationBudget>& budget;
    const PresentationObjects::ObjectVisitor& visit;

    void Records(uint64_t from, uint64_t to, int depth) {
        uint8_t header[kRecordHeaderSize];
        for (uint64_t at = from; at + kRecordHeaderSize <= to;) {
            if (!ReadExactly(*stream, at, header, sizeof header)) return;
            uint16_t version = Little16(header) & 0x0F;
            uint16_t instance = Little16(header) >> 4;
            uint16_t type = Little16(header + 2);
            uint64_t body = at + kRecordHeaderSize;
            uint64_t end = body + Little32(header + 4);
            if (end > to) return;
            if (version == kContainerVersion && depth < kDeepestContainer)
                Records(body, end, depth + 1);
            else if (type == kObjectStorage)
                Object(instance, body, end);
            at = end;
        }
    }

    void Object(uint16_t instance, uint64_t body, uint64_t end) {
        if (instance != kCompressedInstance) {
            visit(std::make_shared<SliceSource>(stream, body, end - body));
            return;
        }
        uint8_t size[kInflatedSizeField];
        if (end - body <= kInflatedSizeField || !ReadExactly(*stream, body, size, sizeof size))
            return;
        uint64_t data = body + kInflatedSizeField;
        visit(std::make_shared<InflateSource>(stream, data, end - data, Little32(size), budget,
                                              InflateSource::Wrapping::Zlib));
    }
};

}  // namespace

bool PresentationObjects::IsPresentationStream(const std::string& streamName) {
    return streamName == "PowerPoint Document";
}

void PresentationObjects::ForEachObject(const std::shared_ptr<ByteSource>& stream,
                                        const std::shared_ptr<InflationBudget>& budget,
                                        const ObjectVisitor& visit) {
    uint64_t size = stream->Size();
    Walk{stream, budget, visit}.Records(0, size, 0);
}
