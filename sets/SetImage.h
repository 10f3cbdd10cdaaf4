#pragma once
// The set image's memory. The one MotionSet lives in pages that the system zero-fills at their
// first touch and never zeroed by hand. Loading writes only the pages that receive data and
// saving reads only the pages that may hold some, so that an image of 23.5 MB, almost all of it
// empty slots, takes memory for its live records alone.

#include "sets/BPCompress.h"
#include "sets/MotionSet.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <utility>
#include <vector>

namespace traxo {

// A new set: both counts 0, every slot zeros, and not one of its pages touched.
std::unique_ptr<MotionSet> NewMotionSet();

// Which pages of an image may hold data, a bit a page: asked of the system once, so that a page
// is never read merely to learn that it is empty, and kept up to date by ImageWriter.
class ImagePages {
public:
    explicit ImagePages(std::span<const std::uint8_t> image);

    std::size_t pageSize() const { return pageSize_; }
    bool MayHoldData(std::size_t page) const { return mayHoldData_[page]; }
    void MarkWritten(std::size_t page) { mayHoldData_[page] = true; }

private:
    std::size_t pageSize_;
    std::vector<bool> mayHoldData_;
};

// Writes content over the start of an image, a piece at a time in order. A page that would
// receive only zeros and holds none yet is left untouched. Until Undo, it keeps the pages it
// overwrote, so that a load that fails half-way leaves the image as it was.
class ImageWriter {
public:
    explicit ImageWriter(std::span<std::uint8_t> image);

    // Content past the end of the image is ignored.
    void Write(std::span<const std::uint8_t> piece);
    // Everything after what was written reads as zeros; only pages that may hold data are touched.
    void ZeroRest();
    // Puts back every page written since construction.
    void Undo();
    std::size_t written() const { return written_; }

private:
    std::span<std::uint8_t> Page(std::size_t page) const;
    void KeepForUndo(std::size_t page);

    std::span<std::uint8_t> image_;
    ImagePages pages_;
    std::size_t written_ = 0;
    std::vector<bool> kept_;
    std::vector<std::pair<std::size_t, ByteVector>> overwritten_;
    std::vector<std::size_t> firstWritten_;
};

// Moves length bytes of the image from offset `from` down to offset `to` (to < from), as memmove
// would, but touches no page that holds no data and receives none.
void MoveDownInImage(std::span<std::uint8_t> image, std::size_t from, std::size_t to,
                     std::size_t length);

// Hands out an image for compression: the pages that never held data come as zeros from
// elsewhere, without being read, so the compressed bytes are those of the whole image.
PieceReader ImageReader(std::span<const std::uint8_t> image);

} // namespace traxo
