#pragma once
// Sets and folders for the set file tests: every set lives on the heap (23.5 MB), every file in
// a folder of its own that is removed afterwards.

#include "sets/FileBytes.h"
#include "sets/MotionSet.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <random>
#include <span>
#include <string>
#include <vector>
#include <zlib.h>

namespace traxo::testing {

namespace fs = std::filesystem;

class TemporaryFolder {
public:
    TemporaryFolder() {
        std::random_device random;
        path_ = fs::temp_directory_path() /
                ("traxo-set-test-" + std::to_string(random()) + std::to_string(random()));
        fs::create_directories(path_);
    }
    ~TemporaryFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const fs::path& path() const { return path_; }
    fs::path operator/(const std::string& name) const { return path_ / name; }
    // Names of everything in the folder, sorted.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(path_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    fs::path path_;
};

// A packed field may lie at an odd address, where no reference may bind (as EXPECT_EQ's do):
// it is read as a value first.
template <typename T> T Value(T field) {
    return field;
}

inline std::unique_ptr<MotionSet> EmptySet() {
    return std::make_unique<MotionSet>();
}

inline std::u16string Utf16(const std::string& ascii) {
    return {ascii.begin(), ascii.end()};
}

// knownApps programs; motions motions of 30 points, every third with a rule; drawIndex as the
// count, so that the JSON form (which has no drawIndex) gives back the same image.
inline std::unique_ptr<MotionSet> SampleSet(int motions = 5, int knownApps = 3) {
    auto set = EmptySet();
    for (int a = 0; a < knownApps; ++a) {
        set->knownApps[a].path.Assign(Utf16("c:\\program " + std::to_string(a) + "\\app.exe"));
        set->knownApps[a].title.Assign(Utf16("Program " + std::to_string(a)));
    }
    set->knownAppCount = knownApps;
    for (int m = 0; m < motions; ++m) {
        Motion& motion = set->motions[m];
        for (int p = 0; p < 30; ++p) {
            motion.path.points[p].x = (m * 7 + p * 3) % 101;
            motion.path.points[p].y = 100 - (m + p * 5) % 101;
        }
        motion.path.count = 30;
        motion.path.drawIndex = 30;
        motion.defaultAction.Assign(Utf16("@Keys:Ctrl+" + std::to_string(m)));
        if (m % 3 == 0 && knownApps > 0) {
            motion.rules[0].appIndex = static_cast<std::uint8_t>(m % knownApps);
            motion.rules[0].action.Assign(Utf16("https://example.org/" + std::to_string(m)));
            motion.ruleCount = 1;
        }
    }
    set->motionCount = motions;
    return set;
}

inline bool SameImage(const MotionSet& a, const MotionSet& b) {
    return std::ranges::equal(ImageBytes(a), ImageBytes(b));
}

inline ByteVector ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteAll(const fs::path& file, std::span<const std::uint8_t> bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// What zlib's own one-call compression at level 9 writes: the reference for every set file.
inline ByteVector ReferenceCompress(std::span<const std::uint8_t> data) {
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    ByteVector out(size);
    EXPECT_EQ(compress2(out.data(), &size, data.data(), static_cast<uLong>(data.size()), 9), Z_OK);
    out.resize(size);
    return out;
}

// Inflates with zlib's own one-call decompression into exactly `size` bytes.
inline ByteVector ReferenceDecompress(std::span<const std::uint8_t> packed, std::size_t size) {
    ByteVector out(size);
    uLongf length = static_cast<uLongf>(size);
    EXPECT_EQ(uncompress(out.data(), &length, packed.data(), static_cast<uLong>(packed.size())),
              Z_OK);
    EXPECT_EQ(length, size);
    return out;
}

} // namespace traxo::testing
