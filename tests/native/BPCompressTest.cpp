// Set compression: exactly zlib's level-9 stream, and nothing written when anything fails.
#include "sets/BPCompress.h"

#include "SetTestSupport.h"

#include <gtest/gtest.h>
#include <string_view>

namespace traxo {
namespace {

using testing::ReadAll;
using testing::TemporaryFolder;
using testing::WriteAll;

ByteVector Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

ByteVector Compressed(std::span<const std::uint8_t> data) {
    ByteVector packed;
    EXPECT_TRUE(CompressStream(data, packed));
    return packed;
}

// Every form of damage fails with the decompression kind, whose message is "Error".
void ExpectDecompressionError(std::span<const std::uint8_t> packed,
                              std::size_t maxSize = kNoSizeLimit) {
    ByteVector output = Bytes("kept");
    try {
        DecompressStream(packed, output, maxSize);
        ADD_FAILURE() << "no error";
    } catch (const DecompressionError& e) {
        EXPECT_STREQ(e.what(), "Error");
    }
    EXPECT_EQ(output, Bytes("kept"));
}

TEST(BPCompress, StreamsRoundTripAndAppendToTheOutput) {
    const auto set = testing::SampleSet();
    ByteVector packed = Bytes("head");
    ASSERT_TRUE(CompressStream(ImageBytes(*set), packed));
    ASSERT_EQ(ByteVector(packed.begin(), packed.begin() + 4), Bytes("head"));

    ByteVector image = Bytes("prefix");
    ASSERT_TRUE(DecompressStream(std::span(packed).subspan(4), image));
    ASSERT_EQ(image.size(), 6 + sizeof(MotionSet));
    EXPECT_EQ(ByteVector(image.begin(), image.begin() + 6), Bytes("prefix"));
    EXPECT_TRUE(std::equal(image.begin() + 6, image.end(), ImageBytes(*set).begin()));
}

TEST(BPCompress, WritesExactlyWhatZlibWritesAtLevelNine) {
    const auto set = testing::SampleSet(100, 50);
    EXPECT_EQ(Compressed(ImageBytes(*set)), testing::ReferenceCompress(ImageBytes(*set)));
    const ByteVector text = Bytes("a short text, a short text, a short text");
    EXPECT_EQ(Compressed(text), testing::ReferenceCompress(text));
    EXPECT_EQ(Compressed({}), testing::ReferenceCompress({}));
}

TEST(BPCompress, AnAllZeroImageIsAPlainZlibStream) {
    const auto set = testing::EmptySet();
    const ByteVector packed = Compressed(ImageBytes(*set));
    ASSERT_GE(packed.size(), 6u);
    EXPECT_EQ(packed[0], 0x78); // deflate with a 32 KB window
    EXPECT_EQ(packed[1], 0xDA); // the header's level field: maximum compression
    EXPECT_TRUE(std::ranges::equal(testing::ReferenceDecompress(packed, sizeof(MotionSet)),
                                   ImageBytes(*set)));
}

TEST(BPCompress, AnEmptyInputDecompressesToNothingWithResultFalse) {
    ByteVector output = Bytes("kept");
    EXPECT_FALSE(DecompressStream({}, output));
    EXPECT_EQ(output, Bytes("kept"));
}

TEST(BPCompress, DamagedStreamsFailAndWriteNothing) {
    const ByteVector packed =
        Compressed(Bytes("some content that is long enough to be worth compressing"));
    ExpectDecompressionError(Bytes("this is not a zlib stream"));

    ExpectDecompressionError(std::span(packed).first(packed.size() - 3)); // truncated

    ByteVector badChecksum = packed;
    badChecksum.back() ^= 0x01;
    ExpectDecompressionError(badChecksum);

    ByteVector badData = packed;
    badData[5] ^= 0xFF;
    ExpectDecompressionError(badData);
}

TEST(BPCompress, BytesAfterTheStreamAreIgnored) {
    ByteVector packed = Compressed(Bytes("content"));
    packed.insert(packed.end(), 1000, 0);
    ByteVector output;
    ASSERT_TRUE(DecompressStream(packed, output));
    EXPECT_EQ(output, Bytes("content"));
}

TEST(BPCompress, AStreamHoldingMoreThanTheLimitIsRefused) {
    const ByteVector data(300'000, 7);
    const ByteVector packed = Compressed(data);
    ExpectDecompressionError(packed, data.size() - 1);
    ExpectDecompressionError(packed, 0);

    ByteVector output;
    ASSERT_TRUE(DecompressStream(packed, output, data.size()));
    EXPECT_EQ(output, data);
}

// Pieces of any size compress to the bytes of the whole input, and decompress to pieces that
// make it up again.
TEST(BPCompress, PiecesGiveTheBytesOfTheWholeStream) {
    ByteVector data(700'000, 0);
    for (std::size_t i = 0; i < data.size(); i += 997) {
        data[i] = static_cast<std::uint8_t>(i / 997);
    }
    for (const std::size_t pieceSize : {std::size_t{1}, std::size_t{4096}, std::size_t{65537}}) {
        ByteVector packed;
        ASSERT_TRUE(CompressPieces(
            data.size(),
            [&](std::size_t offset) {
                return std::span<const std::uint8_t>(data).subspan(
                    offset, std::min(pieceSize, data.size() - offset));
            },
            packed));
        EXPECT_EQ(packed, testing::ReferenceCompress(data)) << pieceSize;
    }
    ByteVector gathered;
    std::size_t largest = 0;
    const std::size_t size =
        DecompressPieces(Compressed(data), data.size(), [&](std::span<const std::uint8_t> piece) {
            largest = std::max(largest, piece.size());
            gathered.insert(gathered.end(), piece.begin(), piece.end());
        });
    EXPECT_EQ(size, data.size());
    EXPECT_EQ(gathered, data);
    EXPECT_LE(largest, 64u * 1024);
}

TEST(BPCompress, AReaderThatHandsOutNothingOrTooMuchFails) {
    const ByteVector data(200, 1);
    for (const std::size_t pieceSize : {std::size_t{0}, std::size_t{101}}) {
        ByteVector packed = Bytes("kept");
        EXPECT_THROW(
            CompressPieces(
                100,
                [&](std::size_t) { return std::span<const std::uint8_t>(data.data(), pieceSize); },
                packed),
            CompressionError);
        EXPECT_EQ(packed, Bytes("kept"));
    }
}

TEST(BPCompress, CompressesAFileInPlaceAndDecompressesItIntoAnother) {
    TemporaryFolder folder;
    const auto set = testing::SampleSet();
    WriteAll(folder / "set", ImageBytes(*set));

    ASSERT_TRUE(CompressFile(folder / "set", folder / "set"));
    EXPECT_EQ(ReadAll(folder / "set"), testing::ReferenceCompress(ImageBytes(*set)));
    ASSERT_TRUE(DecompressFile(folder / "set", folder / "image"));
    EXPECT_TRUE(std::ranges::equal(ReadAll(folder / "image"), ImageBytes(*set)));
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"image", "set"}));
}

TEST(BPCompress, AnEmptyFileDecompressesToAnEmptyFileWithResultFalse) {
    TemporaryFolder folder;
    WriteAll(folder / "empty", {});
    WriteAll(folder / "out", Bytes("old"));
    EXPECT_FALSE(DecompressFile(folder / "empty", folder / "out"));
    EXPECT_TRUE(ReadAll(folder / "out").empty());
}

TEST(BPCompress, AFailedFileOperationLeavesTheDestinationUntouched) {
    TemporaryFolder folder;
    WriteAll(folder / "not-zlib", Bytes("plain text"));
    WriteAll(folder / "out", Bytes("old"));
    EXPECT_THROW(DecompressFile(folder / "not-zlib", folder / "out"), DecompressionError);
    EXPECT_EQ(ReadAll(folder / "out"), Bytes("old"));

    EXPECT_THROW(CompressFile(folder / "missing", folder / "new"),
                 std::filesystem::filesystem_error);
    EXPECT_THROW(DecompressFile(folder / "missing", folder / "new"),
                 std::filesystem::filesystem_error);
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"not-zlib", "out"}));
}

} // namespace
} // namespace traxo
