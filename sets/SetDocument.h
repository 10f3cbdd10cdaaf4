#pragma once
// The gesture set as the main window edits it: the one MotionSet, the file it came from, the
// selected motion and whether it has changed since it was loaded or saved. Dialogs, the save
// question and the list control belong to the window; this holds the rules they carry out.

#include "sets/MotionSet.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace traxo {

inline constexpr std::u16string_view kConvertingLabel = u"Converting to new format...";
inline constexpr std::u16string_view kFixingLabel = u"Fixing file...";

// What the gesture list shows after updateList: one entry per live motion, its index as text.
struct GestureList {
    std::vector<std::u16string> entries;
    int selected; // -1 for none
};

class SetDocument {
public:
    // showFileLabel receives the texts shown in the file label while a file is converted or fixed.
    explicit SetDocument(MotionSet& set,
                         std::function<void(std::u16string_view)> showFileLabel = {});

    // Loads the file into the set whatever its form; false only when the file does not exist. An
    // older image is also written in the current form as the file name followed by "2" (or the
    // first free number after it), an uncompressed image no longer than the image is compressed
    // in place; if that writing fails the file stays as it was. A longer file is never rewritten.
    // Throws DecompressionError ("Error") for an empty file or a compressed file that cannot be
    // decompressed, and std::filesystem::filesystem_error for one that cannot be read; everything
    // stays as it was.
    bool loadMotions(const std::filesystem::path& file);

    // Writes the set to the file in the current form; false when it could not be written, in
    // which case the previous file is as it was and the set stays modified.
    bool saveMotions(const std::filesystem::path& file);

    // Reads an older image into the set and saves it under the new name; false when that save
    // failed (the set is converted all the same). Throws filesystem_error when oldName cannot be
    // read.
    bool ConvertToCompressedFormat(const std::filesystem::path& oldName,
                                   const std::filesystem::path& newName);

    // Load set after the save question and the open dialog: on success the file becomes current
    // (for an older image, its converted copy when that was written).
    bool LoadSet(const std::filesystem::path& file);
    // Save as after the save dialog: on success the file becomes current.
    bool SaveSetAs(const std::filesystem::path& file);

    // New set after the save question: no motions, no known programs, no file.
    void NewSet();
    // Deletes the selected motion, if any, and selects its neighbour.
    void DeleteGesture();
    // The gesture list rebuilt from the set, keeping the selection while it is still a live motion.
    GestureList updateList();

    void SelectMotion(int index); // -1 for none; anything else outside the live motions is ignored
    void MarkModified() { modified_ = true; }

    MotionSet& motionSet() { return set_; }
    const MotionSet& motionSet() const { return set_; }
    const std::filesystem::path& currentFileName() const { return currentFileName_; }
    // The file the last loadMotions left the set in: the converted copy of an older image.
    const std::filesystem::path& loadedFileName() const { return loadedFileName_; }
    int selectedIndex() const { return selectedIndex_; }
    bool IsModified() const { return modified_; }

private:
    void ShowFileLabel(std::u16string_view text) const;
    bool ConvertOlderContent(std::span<const std::uint8_t> content,
                             const std::filesystem::path& newName);

    MotionSet& set_;
    std::function<void(std::u16string_view)> showFileLabel_;
    std::filesystem::path currentFileName_;
    std::filesystem::path loadedFileName_;
    int selectedIndex_ = -1;
    bool modified_ = false;
};

} // namespace traxo
