// DecoderDocuments.h: documents whose pictures the scan writes in a form of
// its own making (a file header put in front, a metafile inflated), for the
// tests that open what it writes in real decoders.
#pragma once

#include <ostream>
#include <string>
#include <vector>

struct DocumentPicture {
    std::string file;      // as the scan names it
    std::string original;  // the picture as a file of its kind holds it
    // A bitmap's pixels; a metafile's place on the page in 0.01 mm (0 when
    // the picture sets it itself).
    int width = 0;
    int height = 0;
};

struct DecoderDocument {
    std::string name;
    std::string bytes;
    std::vector<DocumentPicture> pictures;  // every picture the scan writes
};

std::vector<DecoderDocument> DecoderDocuments();

// Named by its name alone in a test's messages.
inline void PrintTo(const DecoderDocument& document, std::ostream* out) { *out << document.name; }
