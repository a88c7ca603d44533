// GifWalk.h: finding where a GIF picture ends.
#pragma once

#include <cstdint>

class BrokenWalks;
class DocumentReader;

// Walks the picture block by block from the "GIF87a" or "GIF89a" at the
// reader's cursor: the screen descriptor and its colour table, then
// extensions and images with their chains of sub-blocks. True when at least
// one image came before the trailer, the cursor then past it. Otherwise the
// structure broke where the cursor stands. With broken, a walk that reaches a
// block of an earlier broken walk breaks at once, and a walk that breaks is
// remembered.
bool WalkGifPicture(DocumentReader& reader, BrokenWalks* broken = nullptr);

