#pragma once
// The gesture set image. In memory and, uncompressed, on disk it is the same packed bytes,
// so every size and offset below is part of the file format.

#include "sets/MotionPath.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

namespace traxo {

inline constexpr int kMotionSlots = 101;
inline constexpr int kMaxMotions = 100; // slot 100 exists but never holds a live motion
inline constexpr int kRuleSlots = 101;
inline constexpr int kKnownAppSlots = 201;
inline constexpr int kTextUnits = 1025; // 1,024 characters and the terminator

#pragma pack(push, 1)

// A NUL-terminated UTF-16 text of fixed capacity. Units after the terminator mean nothing.
// Inside the packed image a text often lies at an odd address, where no char16_t pointer or view
// may point: the units are reached only as members of this packed record, and read out as a copy.
template <std::size_t Units> struct FixedText {
    char16_t units[Units];

    static constexpr std::size_t kCapacity = Units - 1;

    // A copy of the text up to its terminator; a field with no terminator ends at its capacity.
    std::u16string View() const {
        std::u16string text;
        for (std::size_t i = 0; i < Units && units[i] != u'\0'; ++i) {
            text += units[i];
        }
        return text;
    }
    bool IsEmpty() const { return units[0] == u'\0'; }
    bool HasTerminator() const {
        for (std::size_t i = 0; i < Units; ++i) {
            if (units[i] == u'\0') {
                return true;
            }
        }
        return false;
    }

    // Stores the text, cut at the capacity so that nothing is written past the field.
    void Assign(std::u16string_view text) {
        const std::size_t n = std::min(text.size(), kCapacity);
        for (std::size_t i = 0; i < n; ++i) {
            units[i] = text[i];
        }
        units[n] = u'\0';
    }
    void Clear() { units[0] = u'\0'; }
};

using SetText = FixedText<kTextUnits>;

struct ProgramRule {
    std::uint8_t appIndex; // index into MotionSet::knownApps
    std::uint8_t unused;
    SetText action;
};

struct Motion {
    MotionPath path;
    SetText defaultAction;
    ProgramRule rules[kRuleSlots];
    std::uint8_t ruleCount;
};

struct KnownApp {
    SetText path; // lower case, relative to the program folder where possible
    SetText title;
};

// One lives for the life of the program (23.5 MB): it is never copied by value. It lives in
// pages that the system zero-fills at first touch (sets/SetImage.h: NewMotionSet gives one
// without touching them).
struct MotionSet {
    Motion motions[kMotionSlots];
    std::int32_t motionCount;
    KnownApp knownApps[kKnownAppSlots];
    std::int32_t knownAppCount;

    MotionSet() = default;
    MotionSet(const MotionSet&) = delete;
    MotionSet& operator=(const MotionSet&) = delete;

    static void* operator new(std::size_t bytes);
    static void operator delete(void* set);
};

// The image of the older form, which the loader converts: motions with one action each.
struct LegacyMotion {
    MotionPath path;
    SetText action;
};

struct LegacyMotionSet {
    LegacyMotion motions[kMotionSlots];
    std::int32_t motionCount;
};

#pragma pack(pop)

// The packed bytes of an image, as they are stored in a file.
template <typename Image>
requires std::is_same_v<std::remove_const_t<Image>, MotionSet> ||
    std::is_same_v<std::remove_const_t<Image>, LegacyMotionSet>
auto ImageBytes(Image& image) {
    using Byte = std::conditional_t<std::is_const_v<Image>, const std::uint8_t, std::uint8_t>;
    return std::span<Byte, sizeof(Image)>(reinterpret_cast<Byte*>(&image), sizeof(Image));
}

static_assert(sizeof(SetText) == 2'050);

static_assert(sizeof(ProgramRule) == 2'052);
static_assert(offsetof(ProgramRule, appIndex) == 0);
static_assert(offsetof(ProgramRule, action) == 2);

static_assert(sizeof(Motion) == 225'319);
static_assert(offsetof(Motion, path) == 0);
static_assert(offsetof(Motion, path.count) == 16'008);
static_assert(offsetof(Motion, path.drawIndex) == 16'012);
static_assert(offsetof(Motion, defaultAction) == 16'016);
static_assert(offsetof(Motion, rules) == 18'066);
static_assert(offsetof(Motion, ruleCount) == 225'318);

static_assert(sizeof(KnownApp) == 4'100);
static_assert(offsetof(KnownApp, title) == 2'050);

static_assert(sizeof(MotionSet) == 23'581'327);
static_assert(offsetof(MotionSet, motions) == 0);
static_assert(offsetof(MotionSet, motionCount) == 22'757'219);
static_assert(offsetof(MotionSet, knownApps) == 22'757'223);
static_assert(offsetof(MotionSet, knownAppCount) == 23'581'323);

static_assert(sizeof(LegacyMotion) == 18'066);
static_assert(offsetof(LegacyMotion, action) == 16'016);
static_assert(sizeof(LegacyMotionSet) == 1'824'670);
static_assert(offsetof(LegacyMotionSet, motionCount) == 1'824'666);

} // namespace traxo
