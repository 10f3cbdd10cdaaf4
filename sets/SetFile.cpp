#include "sets/SetFile.h"

#include "sets/BPCompress.h"
#include "sets/SetImage.h"

#include <algorithm>
#include <memory>
#include <new>

namespace traxo {
namespace fs = std::filesystem;

namespace {

using Findings = std::vector<std::string>;

std::size_t UsableBytes(SetFileForm form) {
    switch (form) {
    case SetFileForm::Compressed:
        return kLargestCompressedFile;
    case SetFileForm::Older:
        return sizeof(LegacyMotionSet);
    case SetFileForm::Uncompressed:
        break;
    }
    return sizeof(MotionSet);
}

// A short image never mixes with whatever the image held before: what it does not reach is zero.
void NoteShortImage(std::size_t n, std::size_t size, const char* name, Findings& findings) {
    if (n < size) {
        findings.push_back(std::string(name) + " holds " + std::to_string(n) + " of " +
                           std::to_string(size) + " bytes; the rest is read as empty");
    }
}

// Copies content over the start of the image; bytes it does not reach become zero.
template <std::size_t Size>
void FillImage(std::span<std::uint8_t, Size> image, std::span<const std::uint8_t> content,
               const char* name, Findings& findings) {
    const std::size_t n = std::min(content.size(), image.size());
    std::copy_n(content.begin(), n, image.begin());
    std::fill(image.begin() + n, image.end(), std::uint8_t{0});
    NoteShortImage(n, image.size(), name, findings);
}

// Inflates the content straight into the image, a piece at a time: pages that receive only
// zeros and hold none are left untouched. If the content cannot be decompressed the image is put
// back as it was.
void InflateIntoImage(std::span<const std::uint8_t> content, MotionSet& set, Findings& findings) {
    ImageWriter writer(ImageBytes(set));
    try {
        DecompressPieces(content, sizeof(MotionSet),
                         [&writer](std::span<const std::uint8_t> piece) { writer.Write(piece); });
    } catch (...) {
        writer.Undo();
        throw;
    }
    writer.ZeroRest();
    NoteShortImage(writer.written(), sizeof(MotionSet), "the image", findings);
}

// The uncompressed form, written as the compressed one is.
void CopyIntoImage(std::span<const std::uint8_t> content, MotionSet& set, Findings& findings) {
    ImageWriter writer(ImageBytes(set));
    writer.Write(content);
    writer.ZeroRest();
    NoteShortImage(writer.written(), sizeof(MotionSet), "the image", findings);
}

// The older form has one action per motion and no known programs.
void ConvertOlderImage(const LegacyMotionSet& older, MotionSet& set) {
    set.knownAppCount = 0;
    set.motionCount = older.motionCount; // repaired with the rest of the set
    const int live = std::clamp(static_cast<int>(older.motionCount), 0, kMaxMotions);
    for (int i = 0; i < live; ++i) {
        Motion& motion = set.motions[i];
        motion.path = older.motions[i].path;
        motion.defaultAction.Assign(older.motions[i].action.View());
        motion.ruleCount = 0;
    }
}

// Counts live in packed records: they are taken and given back by value, never by reference.
template <typename Count>
Count ClampedCount(Count count, int highest, const std::string& what, Findings& findings) {
    const int clamped = std::clamp(static_cast<int>(count), 0, highest);
    if (clamped != count) {
        findings.push_back(what + " " + std::to_string(count) + " is outside 0 to " +
                           std::to_string(highest) + "; read as " + std::to_string(clamped));
    }
    return static_cast<Count>(clamped);
}

void TerminateText(SetText& text, const std::string& what, Findings& findings) {
    if (!text.HasTerminator()) {
        text.units[SetText::kCapacity] = u'\0';
        findings.push_back(what + " has no terminator; cut at " +
                           std::to_string(SetText::kCapacity) + " characters");
    }
}

// Keeps the rules that name a known program, the last one per program (the one action
// execution lets win), in their order.
void RepairRules(Motion& motion, int knownAppCount, const std::string& where, Findings& findings) {
    motion.ruleCount = ClampedCount(motion.ruleCount, kRuleSlots, where + ": ruleCount", findings);
    int lastRuleOf[256];
    std::ranges::fill(lastRuleOf, -1);
    for (int r = 0; r < motion.ruleCount; ++r) {
        lastRuleOf[motion.rules[r].appIndex] = r;
    }
    int kept = 0;
    for (int r = 0; r < motion.ruleCount; ++r) {
        const int app = motion.rules[r].appIndex;
        const std::string rule = where + ": rule " + std::to_string(r);
        if (app >= knownAppCount) {
            findings.push_back(rule + ": appIndex " + std::to_string(app) +
                               " is not a known program (" + std::to_string(knownAppCount) +
                               " known); rule dropped");
        } else if (lastRuleOf[app] != r) {
            findings.push_back(rule + ": a later rule for appIndex " + std::to_string(app) +
                               " follows; rule dropped");
        } else {
            if (kept != r) {
                motion.rules[kept] = motion.rules[r];
            }
            TerminateText(motion.rules[kept].action, rule + ": action", findings);
            ++kept;
        }
    }
    motion.ruleCount = static_cast<std::uint8_t>(kept);
}

} // namespace

SetFileForm FormOfFileSize(std::uint64_t fileSize) {
    if (fileSize <= kLargestCompressedFile) {
        return SetFileForm::Compressed;
    }
    return fileSize <= kLargestOlderFile ? SetFileForm::Older : SetFileForm::Uncompressed;
}

SetFileContent ReadSetFile(const fs::path& file) {
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(file, ec);
    const SetFileForm form = FormOfFileSize(ec ? 0 : size);
    return {form, ReadFileBytes(file, UsableBytes(form))};
}

std::vector<std::string> DecodeSetContent(SetFileForm form, std::span<const std::uint8_t> content,
                                          MotionSet& set) {
    Findings findings;
    switch (form) {
    case SetFileForm::Compressed:
        InflateIntoImage(content, set, findings);
        break;
    case SetFileForm::Uncompressed:
        CopyIntoImage(content, set, findings);
        break;
    case SetFileForm::Older: {
        const auto older = std::make_unique<LegacyMotionSet>();
        FillImage(ImageBytes(*older), content, "the older image", findings);
        ConvertOlderImage(*older, set);
        break;
    }
    }
    const Findings repairs = RepairMotionSet(set);
    findings.insert(findings.end(), repairs.begin(), repairs.end());
    return findings;
}

std::vector<std::string> RepairMotionSet(MotionSet& set) {
    Findings findings;
    set.motionCount = ClampedCount(set.motionCount, kMaxMotions, "motionCount", findings);
    set.knownAppCount = ClampedCount(set.knownAppCount, kKnownAppSlots, "knownAppCount", findings);
    for (int a = 0; a < set.knownAppCount; ++a) {
        const std::string where = "known program " + std::to_string(a);
        TerminateText(set.knownApps[a].path, where + ": path", findings);
        TerminateText(set.knownApps[a].title, where + ": title", findings);
    }
    for (int m = 0; m < set.motionCount; ++m) {
        Motion& motion = set.motions[m];
        const std::string where = "motion " + std::to_string(m);
        motion.path.count =
            ClampedCount(motion.path.count, kMaxPathPoints, where + ": point count", findings);
        TerminateText(motion.defaultAction, where + ": defaultAction", findings);
        RepairRules(motion, set.knownAppCount, where, findings);
    }
    return findings;
}

namespace {

std::error_code WriteCompressedPieces(std::size_t size, const PieceReader& read,
                                      const fs::path& file) {
    ByteVector packed;
    try {
        CompressPieces(size, read, packed);
    } catch (const CompressionError&) {
        return std::make_error_code(
            std::errc::not_enough_memory); // zlib fails only for lack of memory here
    } catch (const std::bad_alloc&) {
        return std::make_error_code(std::errc::not_enough_memory);
    }
    return WriteFileReplacing(file, packed);
}

} // namespace

std::error_code WriteCompressedFile(std::span<const std::uint8_t> content, const fs::path& file) {
    return WriteCompressedPieces(
        content.size(), [content](std::size_t offset) { return content.subspan(offset); }, file);
}

std::error_code WriteSetFile(const MotionSet& set, const fs::path& file) {
    return WriteCompressedPieces(sizeof(MotionSet), ImageReader(ImageBytes(set)), file);
}

} // namespace traxo
