// Feeds arbitrary bytes through the set loader's decoding and checks that what it leaves in the
// image is sound. The first byte chooses how the rest is read:
//   0, 1, 2: the content of a compressed, older or uncompressed set file, as the loader reads it;
//   3:       patches over a full-length uncompressed image, so that short inputs also reach the
//            counts and fields deep inside it: repeated [offset: 4 bytes LE][length: 2 bytes
//            LE][bytes].
#include "sets/BPCompress.h"
#include "sets/SetFile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>

namespace {

using namespace traxo;

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// What every reader of a loaded set relies on.
void CheckSound(const MotionSet& set) {
    const int motionCount = set.motionCount;
    const int knownAppCount = set.knownAppCount;
    Require(motionCount >= 0 && motionCount <= kMaxMotions);
    Require(knownAppCount >= 0 && knownAppCount <= kKnownAppSlots);
    for (int a = 0; a < knownAppCount; ++a) {
        Require(set.knownApps[a].path.HasTerminator() && set.knownApps[a].title.HasTerminator());
    }
    for (int m = 0; m < motionCount; ++m) {
        const Motion& motion = set.motions[m];
        const int pointCount = motion.path.count;
        Require(pointCount >= 0 && pointCount <= kMaxPathPoints);
        Require(motion.defaultAction.HasTerminator());
        Require(motion.ruleCount <= kRuleSlots);
        bool seen[256] = {};
        for (int r = 0; r < motion.ruleCount; ++r) {
            const int app = motion.rules[r].appIndex;
            Require(app < knownAppCount && !seen[app]);
            seen[app] = true;
            Require(motion.rules[r].action.HasTerminator());
        }
    }
}

// Applies the patches of mode 3 to a zeroed full-length image.
std::span<const std::uint8_t> PatchedImage(std::span<const std::uint8_t> patches) {
    static const auto image = std::make_unique<std::uint8_t[]>(sizeof(MotionSet));
    std::fill_n(image.get(), sizeof(MotionSet), std::uint8_t{0});
    while (patches.size() >= 6) {
        const std::uint32_t offset =
            patches[0] | patches[1] << 8 | patches[2] << 16 | std::uint32_t{patches[3]} << 24;
        const std::size_t length =
            std::min<std::size_t>(patches[4] | patches[5] << 8, patches.size() - 6);
        const std::size_t at = offset % sizeof(MotionSet);
        const std::size_t n = std::min(length, sizeof(MotionSet) - at);
        std::copy_n(patches.begin() + 6, n, image.get() + at);
        patches = patches.subspan(6 + length);
    }
    return {image.get(), sizeof(MotionSet)};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    static const auto set = std::make_unique<MotionSet>();
    const std::span<const std::uint8_t> rest(data + 1, size - 1);
    try {
        switch (data[0] % 4) {
        case 0:
            DecodeSetContent(SetFileForm::Compressed, rest, *set);
            break;
        case 1:
            DecodeSetContent(SetFileForm::Older, rest, *set);
            break;
        case 2:
            DecodeSetContent(SetFileForm::Uncompressed, rest, *set);
            break;
        default:
            DecodeSetContent(SetFileForm::Uncompressed, PatchedImage(rest), *set);
            break;
        }
    } catch (const DecompressionError&) {
        // a damaged stream: the set is left as it was, which the check below still covers
    }
    CheckSound(*set);
    return 0;
}
