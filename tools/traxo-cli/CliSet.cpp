// traxo-cli set: a set file as JSON and back, and a check of a damaged file. Files are read the way
// the program reads them, but nothing is converted or fixed on disk.
#include "Cli.h"
#include "platform/Utf8.h"
#include "recognition/MotionGeometry.h"
#include "sets/BPCompress.h"
#include "sets/SetFile.h"
#include "sets/SetImage.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>
#include <stdexcept>
#include <string_view>

namespace traxo::cli {
namespace {
namespace fs = std::filesystem;
using Json = nlohmann::json;

// The one line that bad input earns on the error stream.
class BadInput : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct LoadedSet {
    std::unique_ptr<MotionSet> set = NewMotionSet();
    std::vector<std::string> findings;
};

// Reads and decodes a set file in memory, repaired as the program would load it.
LoadedSet LoadSet(const std::string& file) {
    const fs::path path = PathFromArgument(file);
    std::error_code ec;
    if (!fs::exists(path, ec)) {
        throw BadInput(file + ": no such file");
    }
    SetFileContent content;
    try {
        content = ReadSetFile(path);
    } catch (const fs::filesystem_error& e) {
        throw BadInput(file + ": cannot be read (" + e.code().message() + ")");
    }
    LoadedSet loaded;
    try {
        loaded.findings = DecodeSetContent(content.form, content.bytes, *loaded.set);
    } catch (const DecompressionError&) {
        throw BadInput(file + ": not a set file (its compressed data cannot be decompressed)");
    }
    const std::uintmax_t size = fs::file_size(path, ec);
    if (content.form == SetFileForm::Uncompressed && !ec && size > sizeof(MotionSet)) {
        loaded.findings.push_back("the file holds " + std::to_string(size - sizeof(MotionSet)) +
                                  " bytes after the image; they are ignored");
    }
    if (content.form == SetFileForm::Older && !ec && size > sizeof(LegacyMotionSet)) {
        loaded.findings.push_back("the file holds " +
                                  std::to_string(size - sizeof(LegacyMotionSet)) +
                                  " bytes after the older image; they are ignored");
    }
    return loaded;
}

std::string Quoted(std::u16string_view text) {
    return Json(Utf16ToUtf8(text)).dump();
}

// The set in the shape that `set build` reads, one motion and one known program per line group,
// each point pair kept on one line.
void WriteSetJson(const MotionSet& set, std::ostream& out) {
    out << "{\n  \"motions\": [";
    for (int m = 0; m < set.motionCount; ++m) {
        const Motion& motion = set.motions[m];
        out << (m == 0 ? "\n" : ",\n") << "    {\n      \"points\": [";
        for (int p = 0; p < motion.path.count; ++p) {
            out << (p == 0 ? "" : ", ") << '[' << motion.path.points[p].x << ", "
                << motion.path.points[p].y << ']';
        }
        out << "],\n      \"defaultAction\": " << Quoted(motion.defaultAction.View())
            << ",\n      \"rules\": [";
        for (int r = 0; r < motion.ruleCount; ++r) {
            out << (r == 0 ? "" : ", ") << "{\"appIndex\": " << int{motion.rules[r].appIndex}
                << ", \"action\": " << Quoted(motion.rules[r].action.View()) << '}';
        }
        out << "]\n    }";
    }
    out << (set.motionCount == 0 ? "" : "\n  ") << "],\n  \"knownApps\": [";
    for (int a = 0; a < set.knownAppCount; ++a) {
        out << (a == 0 ? "\n" : ",\n") << "    {\"path\": " << Quoted(set.knownApps[a].path.View())
            << ", \"title\": " << Quoted(set.knownApps[a].title.View()) << '}';
    }
    out << (set.knownAppCount == 0 ? "" : "\n  ") << "]\n}\n";
}

// An object with all of these keys and perhaps some of the optional ones, nothing else.
const Json& RequireObject(const Json& value, const std::string& where,
                          std::initializer_list<std::string_view> keys,
                          std::initializer_list<std::string_view> optionalKeys = {}) {
    if (!value.is_object()) {
        throw BadInput(where + ": not an object");
    }
    for (std::string_view key : keys) {
        if (!value.contains(key)) {
            throw BadInput(where + ": missing \"" + std::string(key) + "\"");
        }
    }
    for (const auto& [key, item] : value.items()) {
        if (std::find(keys.begin(), keys.end(), key) == keys.end() &&
            std::find(optionalKeys.begin(), optionalKeys.end(), key) == optionalKeys.end()) {
            throw BadInput(where + ": unknown key \"" + key + "\"");
        }
    }
    return value;
}

const Json& RequireArray(const Json& value, const std::string& where, std::size_t slots) {
    if (!value.is_array()) {
        throw BadInput(where + ": not an array");
    }
    if (value.size() > slots) {
        throw BadInput(where + ": " + std::to_string(value.size()) + " entries, at most " +
                       std::to_string(slots) + " fit");
    }
    return value;
}

std::int64_t RequireInteger(const Json& value, const std::string& where, std::int64_t lowest,
                            std::int64_t highest) {
    const bool inRange =
        value.is_number_unsigned() ? value.get<std::uint64_t>() <= std::uint64_t(highest)
        : value.is_number_integer()
            ? value.get<std::int64_t>() >= lowest && value.get<std::int64_t>() <= highest
            : false;
    if (!inRange) {
        throw BadInput(where + ": not an integer from " + std::to_string(lowest) + " to " +
                       std::to_string(highest));
    }
    return value.get<std::int64_t>();
}

void StoreText(SetText& field, const Json& value, const std::string& where) {
    if (!value.is_string()) {
        throw BadInput(where + ": not a string");
    }
    // The JSON parser has checked the UTF-8 already.
    const std::u16string text = Utf8ToUtf16(value.get<std::string>()).value_or(u"\uFFFD");
    if (text.size() > SetText::kCapacity) {
        throw BadInput(where + ": " + std::to_string(text.size()) + " UTF-16 units, at most " +
                       std::to_string(SetText::kCapacity) + " fit");
    }
    if (text.find(u'\0') != std::u16string::npos) {
        throw BadInput(where + ": holds a NUL character");
    }
    field.Assign(text);
}

Point RequirePoint(const Json& value, const std::string& where, std::int64_t lowest,
                   std::int64_t highest) {
    if (!value.is_array() || value.size() != 2) {
        throw BadInput(where + ": not a pair [x, y]");
    }
    return {static_cast<std::int32_t>(RequireInteger(value[0], where + "[0]", lowest, highest)),
            static_cast<std::int32_t>(RequireInteger(value[1], where + "[1]", lowest, highest))};
}

void StorePoints(MotionPath& path, const Json& value, const std::string& where) {
    const Json& points = RequireArray(value, where, kMaxPathPoints);
    for (std::size_t p = 0; p < points.size(); ++p) {
        SetPointAt(path, static_cast<int>(p),
                   RequirePoint(points[p], where + "[" + std::to_string(p) + "]",
                                std::numeric_limits<std::int32_t>::min(),
                                std::numeric_limits<std::int32_t>::max()));
    }
    path.count = static_cast<std::int32_t>(points.size());
    path.drawIndex = path.count;
}

// Pixels between the points of a stroke as a steady hand records it.
constexpr double kStrokeStep = 10;
// Screen pixels, within the range that normalisation boxes as it should.
constexpr std::int64_t kStrokeLimit = 2000;

// A stroke is a pixel polyline through its corners. It is filled in with a point every 10 pixels
// along each line, as the screen capture records a slow, steady gesture, and stored normalised,
// as every recorded motion is.
void StoreStroke(MotionPath& path, const Json& value, const std::string& where) {
    const Json& corners = RequireArray(value, where, kMaxPathPoints);
    if (corners.size() < 2) {
        throw BadInput(where + ": a stroke needs at least 2 corners");
    }
    auto raw = std::make_unique<MotionPath>();
    int count = 0;
    auto append = [&](Point point) {
        if (count == kMaxPathPoints) {
            throw BadInput(where + ": longer than " + std::to_string(kMaxPathPoints) +
                           " points 10 pixels apart");
        }
        SetPointAt(*raw, count++, point);
    };
    Point from = RequirePoint(corners[0], where + "[0]", 0, kStrokeLimit);
    for (std::size_t c = 1; c < corners.size(); ++c) {
        const Point to =
            RequirePoint(corners[c], where + "[" + std::to_string(c) + "]", 0, kStrokeLimit);
        const double dx = to.x - from.x;
        const double dy = to.y - from.y;
        const int steps = static_cast<int>(std::ceil(std::hypot(dx, dy) / kStrokeStep));
        for (int k = 0; k < steps; ++k) {
            append({static_cast<std::int32_t>(std::nearbyint(from.x + dx * k / steps)),
                    static_cast<std::int32_t>(std::nearbyint(from.y + dy * k / steps))});
        }
        from = to;
    }
    append(from);
    raw->count = count;
    path = ResizeGesture(*raw);
}

void StoreMotion(Motion& motion, const Json& value, const std::string& where, int knownAppCount) {
    // A motion's path is given as stored ("points") or as a stroke to normalise; its name is
    // only for the reader.
    RequireObject(value, where, {"defaultAction", "rules"}, {"name", "points", "stroke"});
    if (value.contains("points") == value.contains("stroke")) {
        throw BadInput(where + ": needs either \"points\" or \"stroke\"");
    }
    if (value.contains("name") && !value["name"].is_string()) {
        throw BadInput(where + ".name: not a string");
    }
    if (value.contains("points")) {
        StorePoints(motion.path, value["points"], where + ".points");
    } else {
        StoreStroke(motion.path, value["stroke"], where + ".stroke");
    }
    StoreText(motion.defaultAction, value["defaultAction"], where + ".defaultAction");

    const Json& rules = RequireArray(value["rules"], where + ".rules", kRuleSlots);
    bool used[kKnownAppSlots] = {};
    for (std::size_t r = 0; r < rules.size(); ++r) {
        const std::string at = where + ".rules[" + std::to_string(r) + "]";
        RequireObject(rules[r], at, {"appIndex", "action"});
        if (knownAppCount == 0) {
            throw BadInput(at + ".appIndex: there are no known programs");
        }
        const auto app = static_cast<int>(
            RequireInteger(rules[r]["appIndex"], at + ".appIndex", 0, knownAppCount - 1));
        if (used[app]) {
            throw BadInput(at + ".appIndex: a second rule for known program " +
                           std::to_string(app));
        }
        used[app] = true;
        motion.rules[r].appIndex = static_cast<std::uint8_t>(app);
        StoreText(motion.rules[r].action, rules[r]["action"], at + ".action");
    }
    motion.ruleCount = static_cast<std::uint8_t>(rules.size());
}

// Fills a zeroed set from the JSON that `set dump` prints.
void JsonToSet(const Json& document, MotionSet& set) {
    RequireObject(document, "the set", {"motions", "knownApps"});
    const Json& apps = RequireArray(document["knownApps"], "knownApps", kKnownAppSlots);
    for (std::size_t a = 0; a < apps.size(); ++a) {
        const std::string where = "knownApps[" + std::to_string(a) + "]";
        RequireObject(apps[a], where, {"path", "title"});
        StoreText(set.knownApps[a].path, apps[a]["path"], where + ".path");
        StoreText(set.knownApps[a].title, apps[a]["title"], where + ".title");
    }
    set.knownAppCount = static_cast<std::int32_t>(apps.size());
    const Json& motions = RequireArray(document["motions"], "motions", kMaxMotions);
    for (std::size_t m = 0; m < motions.size(); ++m) {
        StoreMotion(set.motions[m], motions[m], "motions[" + std::to_string(m) + "]",
                    set.knownAppCount);
    }
    set.motionCount = static_cast<std::int32_t>(motions.size());
}

Json ReadJsonFile(const std::string& file) {
    const fs::path path = PathFromArgument(file);
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::error_code ec;
        throw BadInput(file + (fs::exists(path, ec) ? ": cannot be read" : ": no such file"));
    }
    std::string content;
    if (!ReadAtMost(in, kMaxJsonInput, content)) {
        throw BadInput(file + ": " + kInputTooLarge);
    }
    if (in.bad()) {
        throw BadInput(file + ": cannot be read");
    }
    try {
        return Json::parse(content);
    } catch (const Json::parse_error& e) {
        throw BadInput(file + ": not JSON (error at byte " + std::to_string(e.byte) + ")");
    }
}

// Only a file that loads without a repair is dumped: anything else (an empty file, a file of
// another kind) would come out as a set that is not in it.
int Dump(const std::string& file, Streams io) {
    const LoadedSet loaded = LoadSet(file);
    if (!loaded.findings.empty()) {
        for (const std::string& finding : loaded.findings) {
            io.err << finding << '\n';
        }
        return kExitFindings;
    }
    WriteSetJson(*loaded.set, io.out);
    return kExitOk;
}

// The file a write to path ends up in: a symbolic link is followed to its target, even one that
// does not exist yet, so that the link stays a link.
fs::path WriteTarget(fs::path path) {
    std::error_code ec;
    for (int hop = 0; hop < 40 && fs::is_symlink(fs::symlink_status(path, ec)); ++hop) {
        const fs::path target = fs::read_symlink(path, ec);
        if (ec) {
            break;
        }
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

// The output must not be the input, and when it exists it must be a regular file: a device or
// a pipe is never replaced by a file.
fs::path CheckedOutput(const std::string& jsonFile, const std::string& setFile) {
    const fs::path output = WriteTarget(PathFromArgument(setFile));
    std::error_code ec;
    const fs::file_status status = fs::status(output, ec);
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        throw BadInput(setFile + ": not a regular file; nothing written");
    }
    if (fs::exists(status) && fs::equivalent(output, PathFromArgument(jsonFile), ec)) {
        throw BadInput(setFile + ": is the input; nothing written");
    }
    return output;
}

int Build(const std::string& jsonFile, const std::string& setFile, Streams) {
    const fs::path output = CheckedOutput(jsonFile, setFile);
    const Json document = ReadJsonFile(jsonFile);
    const auto set = NewMotionSet();
    JsonToSet(document, *set);
    if (const std::error_code ec = WriteSetFile(*set, output)) {
        throw BadInput(setFile + ": cannot be written (" + ec.message() + ")");
    }
    return kExitOk;
}

int Check(const std::string& file, Streams io) {
    const LoadedSet loaded = LoadSet(file);
    for (const std::string& finding : loaded.findings) {
        io.out << finding << '\n';
    }
    return loaded.findings.empty() ? kExitOk : kExitFindings;
}

} // namespace

int RunSet(std::span<const std::string> args, Streams io) {
    const std::string subcommand = args.empty() ? "" : args[0];
    try {
        if (subcommand == "dump" && args.size() == 2) {
            return Dump(args[1], io);
        }
        if (subcommand == "build" && args.size() == 3) {
            return Build(args[1], args[2], io);
        }
        if (subcommand == "check" && args.size() == 2) {
            return Check(args[1], io);
        }
        throw BadInput(
            "usage: traxo-cli set dump FILE | set build FILE.json OUT.mtd | set check FILE");
    } catch (const BadInput& e) {
        io.err << "traxo-cli set" << (subcommand.empty() ? "" : " " + subcommand) << ": "
               << e.what() << '\n';
        return kExitBadInput;
    }
}

} // namespace traxo::cli
