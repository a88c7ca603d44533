// ContainerReader.h: the pictures a document holds inside its containers.
#pragma once

#include "recovery/bytes/ByteSource.h"

#include <memory>
#include <vector>

class FoundPictures;
struct RtfDataGroup;
struct ViewName;
struct ViewSpan;
class InflationBudget;

// Opens the containers documents are made of (compound files, ZIP packages,
// RTF text) and finds the pictures in their streams, entries and picture
// groups; a container inside one of those is opened the same way, down to a
// fixed depth. What no container reaches is left to the plain byte scan.
class ContainerReader {
public:
    // How many containers deep the reading goes: a document, an object
    // embedded in it, and one embedded in that object.
    static constexpr int kDeepest = 3;

    // Every entry inflated on the way shares one allowance, set by the
    // document's size.
    ContainerReader(FoundPictures& found, uint64_t documentSize);

    static bool IsContainer(ByteSource& source);
    // A container, or a compound file whose header is lost.
    static bool IsDocumentContainer(ByteSource& document);
    // Reads source as a container at the given depth (the document is 0),
    // its views named below the name it has itself.
    void Read(const std::shared_ptr<ByteSource>& source, int depth);
    void Read(const std::shared_ptr<ByteSource>& source, const ViewName& name, int depth);

private:
    // Finds the pictures of one stream, entry or group, then opens it in
    // turn when it is a container itself.
    // wholePictures, when given, gets the extents of the pictures whose structure
    // walked whole.
    void ReadView(const std::shared_ptr<ByteSource>& view, const ViewName& name, int depth,
                  int rank, uint64_t searchLimit = ByteSource::kUnknownSize,
                  std::vector<ViewSpan>* wholePictures = nullptr);
    // A view of an office format's drawing data: its picture records too,
    // each told against the pictures its search walked whole.
    void ReadDrawingView(const std::shared_ptr<ByteSource>& view, const ViewName& name, int depth,
                         int rank);
    void ReadCompoundFile(const std::shared_ptr<ByteSource>& source, const ViewName& name,
                          int depth);
    void ReadZipPackage(const std::shared_ptr<ByteSource>& source, const ViewName& name, int depth);
    void ReadRtf(const std::shared_ptr<ByteSource>& source, const ViewName& name, int depth);
    void ReadWorkbookDrawings(const std::shared_ptr<ByteSource>& stream, const ViewName& name,
                              int depth);
    void ReadPresentationObjects(const std::shared_ptr<ByteSource>& stream, const ViewName& name,
                                 int depth);
    void ReadPicturePart(const std::shared_ptr<ByteSource>& part, const ViewName& name, int rank);
    void ReadRtfPicture(ByteSource& text, const RtfDataGroup& group, const ViewName& name,
                        int rank);
    // An embedded object's data often holds its container behind a header of
    // its own (an OLE1 object, a length): found within the first bytes.
    void ReadEmbedded(const std::shared_ptr<ByteSource>& view, const ViewName& name, int depth);

    FoundPictures& m_found;
    std::shared_ptr<InflationBudget> m_budget;
};
