#include "sets/SetImage.h"

#include "platform/ZeroPages.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>

namespace traxo {

namespace {

// The longest piece handed to the compressor at a time.
constexpr std::size_t kZeroPiece = 64 * 1024;
constexpr std::size_t kDataPiece = 1024 * 1024;

const std::array<std::uint8_t, kZeroPiece> kZeros{};

// Every byte of a loaded set passes through here: a byte-wise loop took a tenth of the load. The
// first byte is zero and each byte equals the next, so the library's vectorised memcmp decides.
bool AllZero(std::span<const std::uint8_t> bytes) {
    return bytes.empty() ||
           (bytes[0] == 0 && std::memcmp(bytes.data(), bytes.data() + 1, bytes.size() - 1) == 0);
}

} // namespace

void* MotionSet::operator new(std::size_t bytes) {
    return AllocateZeroPages(bytes);
}

void MotionSet::operator delete(void* set) {
    FreeZeroPages(set, sizeof(MotionSet));
}

std::unique_ptr<MotionSet> NewMotionSet() {
    // No new-expression: it would zero the image by hand. Fresh pages already hold the empty set.
    return std::unique_ptr<MotionSet>(
        std::launder(static_cast<MotionSet*>(MotionSet::operator new(sizeof(MotionSet)))));
}

ImagePages::ImagePages(std::span<const std::uint8_t> image)
    : pageSize_(ZeroPageSize()), mayHoldData_(PagesThatMayHoldData(image.data(), image.size())) {}

ImageWriter::ImageWriter(std::span<std::uint8_t> image)
    : image_(image), pages_(image),
      kept_((image.size() + pages_.pageSize() - 1) / pages_.pageSize()) {}

std::span<std::uint8_t> ImageWriter::Page(std::size_t page) const {
    const std::size_t start = page * pages_.pageSize();
    return image_.subspan(start, std::min(pages_.pageSize(), image_.size() - start));
}

void ImageWriter::KeepForUndo(std::size_t page) {
    if (kept_[page]) {
        return;
    }
    kept_[page] = true;
    if (pages_.MayHoldData(page)) {
        const std::span<std::uint8_t> bytes = Page(page);
        overwritten_.emplace_back(page, ByteVector(bytes.begin(), bytes.end()));
    } else {
        firstWritten_.push_back(page);
        pages_.MarkWritten(page);
    }
}

void ImageWriter::Write(std::span<const std::uint8_t> piece) {
    piece = piece.first(std::min(piece.size(), image_.size() - written_));
    while (!piece.empty()) {
        const std::size_t page = written_ / pages_.pageSize();
        const std::size_t pageEnd = (page + 1) * pages_.pageSize();
        const std::span<const std::uint8_t> part =
            piece.first(std::min(piece.size(), pageEnd - written_));
        if (pages_.MayHoldData(page) || !AllZero(part)) {
            KeepForUndo(page);
            std::ranges::copy(part, image_.begin() + static_cast<std::ptrdiff_t>(written_));
        }
        written_ += part.size();
        piece = piece.subspan(part.size());
    }
}

void ImageWriter::ZeroRest() {
    for (std::size_t at = written_; at < image_.size();) {
        const std::size_t page = at / pages_.pageSize();
        const std::size_t end = std::min((page + 1) * pages_.pageSize(), image_.size());
        if (pages_.MayHoldData(page)) {
            std::fill(image_.begin() + static_cast<std::ptrdiff_t>(at),
                      image_.begin() + static_cast<std::ptrdiff_t>(end), std::uint8_t{0});
        }
        at = end;
    }
}

void ImageWriter::Undo() {
    for (const auto& [page, bytes] : overwritten_) {
        std::ranges::copy(bytes, Page(page).begin());
    }
    for (const std::size_t page : firstWritten_) {
        std::ranges::fill(Page(page), std::uint8_t{0});
    }
}

void MoveDownInImage(std::span<std::uint8_t> image, std::size_t from, std::size_t to,
                     std::size_t length) {
    const ImagePages pages(image);
    const std::size_t size = pages.pageSize();
    // Forwards, in pieces within one source page and one target page: the source always lies
    // beyond what was written, and a source page that never held data is never read.
    for (std::size_t at = 0; at < length;) {
        const std::size_t target = to + at;
        const std::size_t source = from + at;
        const std::size_t n = std::min({length - at, (target / size + 1) * size - target,
                                        (source / size + 1) * size - source});
        const bool targetMayHoldData = pages.MayHoldData(target / size);
        if (pages.MayHoldData(source / size)) {
            if (targetMayHoldData || !AllZero(image.subspan(source, n))) {
                std::memmove(image.data() + target, image.data() + source, n);
            }
        } else if (targetMayHoldData) {
            std::memset(image.data() + target, 0, n);
        }
        at += n;
    }
}

PieceReader ImageReader(std::span<const std::uint8_t> image) {
    return [image, pages = ImagePages(image)](std::size_t offset) {
        const std::size_t size = pages.pageSize();
        const bool data = pages.MayHoldData(offset / size);
        const std::size_t limit = std::min(image.size(), offset + (data ? kDataPiece : kZeroPiece));
        std::size_t end = std::min((offset / size + 1) * size, limit);
        while (end < limit && pages.MayHoldData(end / size) == data) {
            end = std::min(end + size, limit);
        }
        return data ? image.subspan(offset, end - offset)
                    : std::span<const std::uint8_t>(kZeros.data(), end - offset);
    };
}

} // namespace traxo
