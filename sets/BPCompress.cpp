#include "sets/BPCompress.h"

#include <algorithm>
#include <zlib.h>

namespace traxo {
namespace fs = std::filesystem;

namespace {

// Output grows by this much at a time: a set compresses to a few tens of kilobytes.
constexpr std::size_t kChunk = 256 * 1024;
// Decompressed content is handed on in pieces of this size.
constexpr std::size_t kPiece = 64 * 1024;

// zlib counts input in uInt; larger inputs are refused rather than cut.
template <typename Error> uInt InputLength(std::span<const std::uint8_t> input) {
    if (input.size() > std::numeric_limits<uInt>::max()) {
        throw Error();
    }
    return static_cast<uInt>(input.size());
}

// Gives the caller room for `room` more bytes at the end of output and returns where it starts.
Bytef* Extend(ByteVector& output, std::size_t room) {
    output.resize(output.size() + room);
    return output.data() + output.size() - room;
}

struct Deflater {
    z_stream stream{};
    Deflater() {
        if (deflateInit(&stream, Z_BEST_COMPRESSION) != Z_OK) {
            throw CompressionError();
        }
    }
    ~Deflater() { deflateEnd(&stream); }
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;
};

struct Inflater {
    z_stream stream{};
    Inflater() {
        if (inflateInit(&stream) != Z_OK) {
            throw DecompressionError();
        }
    }
    ~Inflater() { inflateEnd(&stream); }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;
};

// Output grows a chunk at a time; input is handed to zlib a piece at a time without flushing, so
// the compressed bytes are those of one call over the whole input.
void Deflate(std::size_t size, const PieceReader& read, ByteVector& output) {
    Deflater deflater;
    z_stream& zs = deflater.stream;
    std::size_t offset = 0;
    int rc = Z_OK;
    while (rc != Z_STREAM_END) {
        if (zs.avail_in == 0 && offset < size) {
            const std::span<const std::uint8_t> piece = read(offset);
            if (piece.empty() || piece.size() > size - offset) {
                throw CompressionError();
            }
            zs.next_in = const_cast<Bytef*>(piece.data()); // zlib does not write through next_in
            zs.avail_in = InputLength<CompressionError>(piece);
            offset += piece.size();
        }
        zs.next_out = Extend(output, kChunk);
        zs.avail_out = kChunk;
        rc = deflate(&zs, offset == size ? Z_FINISH : Z_NO_FLUSH);
        output.resize(output.size() - zs.avail_out);
        if (rc != Z_OK && rc != Z_STREAM_END && rc != Z_BUF_ERROR) {
            throw CompressionError();
        }
    }
}

// Proves that the stream ends where the output reached its limit: one byte more makes it too long.
void ExpectEndOfStream(z_stream& zs) {
    Bytef probe = 0;
    zs.next_out = &probe;
    zs.avail_out = 1;
    if (inflate(&zs, Z_NO_FLUSH) != Z_STREAM_END || zs.avail_out == 0) {
        throw DecompressionError();
    }
}

std::size_t Inflate(std::span<const std::uint8_t> input, std::size_t maxSize,
                    const PieceTaker& take) {
    Inflater inflater;
    z_stream& zs = inflater.stream;
    zs.next_in = const_cast<Bytef*>(input.data());
    zs.avail_in = InputLength<DecompressionError>(input);
    std::vector<Bytef> piece(kPiece);
    std::size_t produced = 0;
    int rc = Z_OK;
    while (rc != Z_STREAM_END) {
        if (produced == maxSize) {
            ExpectEndOfStream(zs);
            break;
        }
        const std::size_t room = std::min(kPiece, maxSize - produced);
        zs.next_out = piece.data();
        zs.avail_out = static_cast<uInt>(room);
        rc = inflate(&zs, Z_NO_FLUSH);
        if (rc != Z_OK && rc != Z_STREAM_END) {
            throw DecompressionError(); // damaged, truncated, or needs a dictionary
        }
        const std::size_t n = room - zs.avail_out;
        if (n > 0) {
            take({piece.data(), n});
        }
        produced += n;
    }
    return produced;
}

// Runs an operation that appends to output; if it fails, output is cut back to what it was.
template <typename Operation> void Transactional(ByteVector& output, Operation operation) {
    const std::size_t start = output.size();
    try {
        operation();
    } catch (...) {
        output.resize(start);
        throw;
    }
}

void WriteOrThrow(const fs::path& destination, std::span<const std::uint8_t> bytes) {
    if (const std::error_code ec = WriteFileReplacing(destination, bytes)) {
        throw fs::filesystem_error("cannot write the file", destination, ec);
    }
}

} // namespace

bool CompressPieces(std::size_t size, const PieceReader& read, ByteVector& output) {
    Transactional(output, [&] { Deflate(size, read, output); });
    return true;
}

bool CompressStream(std::span<const std::uint8_t> input, ByteVector& output) {
    return CompressPieces(
        input.size(), [input](std::size_t offset) { return input.subspan(offset); }, output);
}

std::size_t DecompressPieces(std::span<const std::uint8_t> input, std::size_t maxSize,
                             const PieceTaker& take) {
    return input.empty() ? 0 : Inflate(input, maxSize, take);
}

bool DecompressStream(std::span<const std::uint8_t> input, ByteVector& output,
                      std::size_t maxSize) {
    if (input.empty()) {
        return false;
    }
    Transactional(output, [&] {
        Inflate(input, maxSize, [&output](std::span<const std::uint8_t> piece) {
            output.insert(output.end(), piece.begin(), piece.end());
        });
    });
    return true;
}

bool CompressFile(const fs::path& source, const fs::path& destination) {
    const ByteVector content = ReadFileBytes(source, kNoSizeLimit);
    ByteVector packed;
    const bool result = CompressStream(content, packed);
    WriteOrThrow(destination, packed);
    return result;
}

bool DecompressFile(const fs::path& source, const fs::path& destination) {
    const ByteVector packed = ReadFileBytes(source, kNoSizeLimit);
    ByteVector content;
    const bool result = DecompressStream(packed, content);
    WriteOrThrow(destination, content);
    return result;
}

} // namespace traxo
