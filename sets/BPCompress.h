#pragma once
// Set compression: a whole buffer or file becomes one bare zlib stream and back. The stream is
// what zlib's plain initialisation at level 9 writes (deflate, 15-bit window, memory level 8,
// default strategy), with nothing added around it.

#include "sets/FileBytes.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <limits>
#include <span>
#include <stdexcept>

namespace traxo {

// zlib refused to compress (in practice: lack of memory). The message is "Error".
class CompressionError : public std::runtime_error {
public:
    CompressionError() : std::runtime_error("Error") {}
};

// The data is not a complete zlib stream, or holds more than the reader accepts. The message is
// "Error".
class DecompressionError : public std::runtime_error {
public:
    DecompressionError() : std::runtime_error("Error") {}
};

inline constexpr std::size_t kNoSizeLimit = std::numeric_limits<std::size_t>::max();

// Appends the compressed form of the whole input to output; the result is true. On error output
// is as it was.
bool CompressStream(std::span<const std::uint8_t> input, ByteVector& output);

// Appends the content of the zlib stream that input starts with (bytes after its end are ignored).
// An empty input appends nothing and gives false; otherwise the result is true. A damaged or
// truncated stream, or one holding more than maxSize bytes, throws DecompressionError and leaves
// output as it was.
bool DecompressStream(std::span<const std::uint8_t> input, ByteVector& output,
                      std::size_t maxSize = kNoSizeLimit);

// Hands out the data to compress a piece at a time: given how much was handed out so far, the
// next piece, never empty and never past the end.
using PieceReader = std::function<std::span<const std::uint8_t>(std::size_t offset)>;
// Receives decompressed content a piece at a time, in order.
using PieceTaker = std::function<void(std::span<const std::uint8_t> piece)>;

// CompressStream of `size` bytes read through `read`: the same compressed bytes, whatever the
// pieces, without the data in one buffer.
bool CompressPieces(std::size_t size, const PieceReader& read, ByteVector& output);

// DecompressStream handing the content to `take` in pieces of at most 64 KiB instead of one
// buffer; returns its size. Throws as DecompressStream does, possibly after some pieces were
// taken. An empty input takes nothing.
std::size_t DecompressPieces(std::span<const std::uint8_t> input, std::size_t maxSize,
                             const PieceTaker& take);

// The file forms of CompressStream and DecompressStream. The source is read whole before the
// destination is written, so both may name the same file. The destination is created or replaced
// only when the operation succeeds. A source that cannot be read, or a destination that cannot be
// written, throws std::filesystem::filesystem_error.
bool CompressFile(const std::filesystem::path& source, const std::filesystem::path& destination);
bool DecompressFile(const std::filesystem::path& source, const std::filesystem::path& destination);

} // namespace traxo
