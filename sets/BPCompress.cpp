#include "sets/BPCompress.h"

#include <algorithm>
#include <zlib.h>

namespace traxo {
namespace fs = std::filesystem;

namespace {

// Output grows by this much at a time: a set compresses to a few tens of kilobytes.
constexpr std::size_t kChunk = 256 * 1024;

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

void Deflate(std::span<const std::uint8_t> input, ByteVector& output) {
    Deflater deflater;
    z_stream& zs = deflater.stream;
    zs.next_in = const_cast<Bytef*>(input.data()); // zlib does not write through next_in
    zs.avail_in = InputLength<CompressionError>(input);
    int rc = Z_OK;
    while (rc != Z_STREAM_END) {
        zs.next_out = Extend(output, kChunk);
        zs.avail_out = kChunk;
        rc = deflate(&zs, Z_FINISH);
        output.resize(output.size() - zs.avail_out);
        if (rc != Z_OK && rc != Z_STREAM_END) {
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

void Inflate(std::span<const std::uint8_t> input, ByteVector& output, std::size_t maxSize) {
    Inflater inflater;
    z_stream& zs = inflater.stream;
    zs.next_in = const_cast<Bytef*>(input.data());
    zs.avail_in = InputLength<DecompressionError>(input);
    const std::size_t start = output.size();
    int rc = Z_OK;
    while (rc != Z_STREAM_END) {
        const std::size_t produced = output.size() - start;
        if (produced == maxSize) {
            ExpectEndOfStream(zs);
            break;
        }
        // The room doubles with the output (few calls into zlib) but never passes the limit, so a
        // caller that reserved the limit never sees the output moved.
        const std::size_t room = std::min({std::max(kChunk, produced), maxSize - produced,
                                           std::size_t{std::numeric_limits<uInt>::max()}});
        zs.next_out = Extend(output, room);
        zs.avail_out = static_cast<uInt>(room);
        rc = inflate(&zs, Z_NO_FLUSH);
        output.resize(output.size() - zs.avail_out);
        if (rc != Z_OK && rc != Z_STREAM_END) {
            throw DecompressionError(); // damaged, truncated, or needs a dictionary
        }
    }
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

bool CompressStream(std::span<const std::uint8_t> input, ByteVector& output) {
    Transactional(output, [&] { Deflate(input, output); });
    return true;
}

bool DecompressStream(std::span<const std::uint8_t> input, ByteVector& output,
                      std::size_t maxSize) {
    if (input.empty()) {
        return false;
    }
    Transactional(output, [&] { Inflate(input, output, maxSize); });
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
