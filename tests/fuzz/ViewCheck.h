// ViewCheck.h: what the fuzz targets do with each stream, entry or group a
// reader hands them.
#pragma once

#include "recovery/ByteSource.h"

#include <cstddef>
#include <cstdint>

// The bytes all views of one input may give together: a multiple of the
// input's size, as the scanner bounds inflation, so that an entry built to
// inflate without end costs the target no more than the scanner would.
class ReadBudget {
public:
    explicit ReadBudget(size_t inputSize);
    uint64_t Left() const { return m_left; }
    void Spend(uint64_t bytes) { m_left -= bytes < m_left ? bytes : m_left; }

private:
    uint64_t m_left;
};

// Reads the view from its start, as the picture search does, then again from
// points within it after Rest(), as the writing of its pictures does, and
// asks where a few of the bytes read lie. Aborts when a second read gives other
// bytes than the first: a view is read again only to write what the first
// read found.
void CheckView(ByteSource& view, ReadBudget& budget);
