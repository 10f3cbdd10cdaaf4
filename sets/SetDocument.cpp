#include "sets/SetDocument.h"

#include "sets/BPCompress.h"
#include "sets/FileBytes.h"
#include "sets/SetFile.h"
#include "sets/SetImage.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace traxo {
namespace fs = std::filesystem;

namespace {

// A converted file is written beside the old one, which stays as it was: the old name followed
// by the first number from 2 on that names no file, so that no file the user did not name is
// overwritten.
fs::path ConvertedName(const fs::path& oldName) {
    for (int n = 2;; ++n) {
        fs::path name = oldName;
        name += std::to_string(n);
        std::error_code ec;
        if (!fs::exists(fs::symlink_status(name, ec)) || n == 9999) {
            return name;
        }
    }
}

} // namespace

SetDocument::SetDocument(MotionSet& set, std::function<void(std::u16string_view)> showFileLabel)
    : set_(set), showFileLabel_(std::move(showFileLabel)) {}

void SetDocument::ShowFileLabel(std::u16string_view text) const {
    if (showFileLabel_) {
        showFileLabel_(text);
    }
}

bool SetDocument::loadMotions(const fs::path& file) {
    std::error_code ec;
    if (!fs::exists(file, ec)) {
        return false;
    }
    const SetFileContent content = ReadSetFile(file);
    if (content.bytes.empty()) {
        throw DecompressionError(); // an empty file holds no set
    }
    loadedFileName_ = file;
    switch (content.form) {
    case SetFileForm::Compressed:
        DecodeSetContent(content.form, content.bytes, set_);
        break;
    case SetFileForm::Older: {
        ShowFileLabel(kConvertingLabel);
        const fs::path converted = ConvertedName(file);
        if (ConvertOlderContent(content.bytes, converted)) {
            loadedFileName_ = converted;
        }
        break;
    }
    case SetFileForm::Uncompressed: {
        // Opening is not writing: only a sound set (one that needed no repair) is compressed in
        // place. Anything else of this size, a media file chosen through "All Files" or a
        // damaged image, is loaded as found and left byte for byte as it was. So is a file
        // longer than the image: compressing it would lose everything past the image.
        const bool wholeFileRead = fs::file_size(file, ec) == content.bytes.size() && !ec;
        const bool sound = DecodeSetContent(content.form, content.bytes, set_).empty();
        // The file's own bytes are compressed, not the decoded image: fixing changes only the
        // form. If it cannot be written the file stays uncompressed and is fixed next time.
        if (wholeFileRead && sound) {
            ShowFileLabel(kFixingLabel);
            WriteCompressedFile(content.bytes, file);
        }
        break;
    }
    }
    modified_ = false;
    return true;
}

bool SetDocument::saveMotions(const fs::path& file) {
    if (WriteSetFile(set_, file)) {
        return false;
    }
    modified_ = false;
    return true;
}

bool SetDocument::ConvertToCompressedFormat(const fs::path& oldName, const fs::path& newName) {
    return ConvertOlderContent(ReadFileBytes(oldName, sizeof(LegacyMotionSet)), newName);
}

bool SetDocument::ConvertOlderContent(std::span<const std::uint8_t> content,
                                      const fs::path& newName) {
    DecodeSetContent(SetFileForm::Older, content, set_);
    return saveMotions(newName);
}

bool SetDocument::LoadSet(const fs::path& file) {
    if (!loadMotions(file)) {
        return false;
    }
    currentFileName_ = loadedFileName_;
    return true;
}

bool SetDocument::SaveSetAs(const fs::path& file) {
    if (!saveMotions(file)) {
        return false;
    }
    currentFileName_ = file;
    return true;
}

void SetDocument::NewSet() {
    const int motions = std::clamp(static_cast<int>(set_.motionCount), 0, kMaxMotions);
    for (int m = 0; m < motions; ++m) {
        Motion& motion = set_.motions[m];
        motion.defaultAction.Clear();
        for (int r = 0; r < std::min<int>(motion.ruleCount, kRuleSlots); ++r) {
            motion.rules[r].action.Clear();
        }
        motion.ruleCount = 0;
    }
    selectedIndex_ = -1;
    set_.motionCount = 0;
    const int knownApps = std::clamp(static_cast<int>(set_.knownAppCount), 0, kKnownAppSlots);
    for (int a = 0; a < knownApps; ++a) {
        set_.knownApps[a].path.Clear();
        set_.knownApps[a].title.Clear();
    }
    set_.knownAppCount = 0;
    currentFileName_.clear();
    modified_ = false;
}

void SetDocument::DeleteGesture() {
    const int s = selectedIndex_;
    if (s < 0 || s >= set_.motionCount) {
        return;
    }
    const int oldCount = set_.motionCount;
    set_.motionCount = oldCount - 1;
    // Whole records move, but the empty pages of the image stay untouched.
    MoveDownInImage(ImageBytes(set_), offsetof(MotionSet, motions) + sizeof(Motion) * (s + 1),
                    offsetof(MotionSet, motions) + sizeof(Motion) * s,
                    sizeof(Motion) * (oldCount - s - 1));
    if (set_.motionCount == 0) {
        selectedIndex_ = -1;
    } else {
        selectedIndex_ = std::min(s, set_.motionCount - 1);
    }
    modified_ = true;
}

GestureList SetDocument::updateList() {
    GestureList list{{}, -1};
    for (int m = 0; m < set_.motionCount; ++m) {
        const std::string number = std::to_string(m);
        list.entries.emplace_back(number.begin(), number.end());
    }
    if (selectedIndex_ < static_cast<int>(list.entries.size())) {
        list.selected = selectedIndex_;
    }
    selectedIndex_ = list.selected;
    return list;
}

void SetDocument::SelectMotion(int index) {
    if (index >= -1 && index < set_.motionCount) {
        selectedIndex_ = index;
    }
}

} // namespace traxo
