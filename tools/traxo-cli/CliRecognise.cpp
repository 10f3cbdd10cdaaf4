// traxo-cli recognise [--precise] FILE|-: recognises a gesture against a set of motions, all
// given as raw pixel paths in JSON, and prints the recogniser's trace and the matched index, as
// the program would for a gesture captured on the screen (without running any action). With
// --precise the precise recogniser decides, as with the setting `recogniser` at 1.
#include "Cli.h"
#include "recognition/GestureRecogniser.h"
#include "recognition/MotionGeometry.h"
#include "sets/MotionSet.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace traxo::cli {
namespace {

using nlohmann::json;

// A screen capture recognises only gestures of more than this many raw points; shorter ones
// are clicks.
constexpr int kClickPoints = 4;

struct BadMotions {
    std::string message;
};

struct RecogniseInput {
    std::vector<std::vector<Point>> motions;
    std::vector<Point> gesture;
};

std::string ReadInput(const std::string& file, std::istream& standardInput) {
    std::ifstream opened;
    std::istream* in = &standardInput;
    if (file != "-") {
        std::error_code ignored;
        const std::filesystem::path path = PathFromArgument(file);
        if (std::filesystem::is_directory(path, ignored)) {
            throw BadMotions{"cannot read: it is a folder"};
        }
        opened.open(path, std::ios::binary);
        if (!opened) {
            throw BadMotions{"cannot open the file"};
        }
        in = &opened;
    }
    std::string content;
    if (!ReadAtMost(*in, kMaxJsonInput, content)) {
        throw BadMotions{kInputTooLarge};
    }
    if (in->bad()) {
        throw BadMotions{"cannot read the input"};
    }
    return content;
}

std::int32_t ReadCoordinate(const json& value, const std::string& where) {
    if (!value.is_number_integer()) {
        throw BadMotions{where + " is not an integer"};
    }
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    const bool inRange =
        value.is_number_unsigned()
            ? value.get<std::uint64_t>() <= static_cast<std::uint64_t>(kMax)
            : value.get<std::int64_t>() >= kMin && value.get<std::int64_t>() <= kMax;
    if (!inRange) {
        throw BadMotions{where + " lies outside the 32-bit range"};
    }
    return static_cast<std::int32_t>(value.get<std::int64_t>());
}

std::vector<Point> ReadPath(const json& value, const std::string& where) {
    if (!value.is_array()) {
        throw BadMotions{where + " is not a list of [x, y] points"};
    }
    if (value.size() > static_cast<std::size_t>(kMaxPathPoints)) {
        throw BadMotions{where + " has " + std::to_string(value.size()) + " points; at most " +
                         std::to_string(kMaxPathPoints) + " fit in a path"};
    }
    std::vector<Point> path;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const std::string at = where + "[" + std::to_string(i) + "]";
        const json& point = value[i];
        if (!point.is_array() || point.size() != 2) {
            throw BadMotions{at + " is not an [x, y] pair"};
        }
        path.push_back(
            {ReadCoordinate(point[0], at + "[0]"), ReadCoordinate(point[1], at + "[1]")});
    }
    return path;
}

RecogniseInput ParseInput(const std::string& text) {
    json document;
    try {
        document = json::parse(text);
    } catch (const json::parse_error& error) {
        throw BadMotions{"not valid JSON (at byte " + std::to_string(error.byte) + ")"};
    } catch (const json::exception& error) {
        // A number too large for any type, say: the library's text without its id tag.
        const std::string_view what = error.what();
        throw BadMotions{"cannot read the JSON: " + std::string(what.substr(what.find(']') + 2))};
    }
    if (!document.is_object()) {
        throw BadMotions{R"(expected an object with "motions" and "gesture")"};
    }
    for (const auto& [key, value] : document.items()) {
        if (key != "motions" && key != "gesture") {
            throw BadMotions{"unexpected key \"" + key + "\""};
        }
    }
    if (!document.contains("motions") || !document.contains("gesture")) {
        throw BadMotions{R"(expected both "motions" and "gesture")"};
    }

    const json& motions = document["motions"];
    if (!motions.is_array()) {
        throw BadMotions{"motions is not a list of paths"};
    }
    if (motions.size() > static_cast<std::size_t>(kMaxMotions)) {
        throw BadMotions{"motions has " + std::to_string(motions.size()) +
                         " paths; a set holds at most " + std::to_string(kMaxMotions)};
    }
    RecogniseInput input;
    for (std::size_t i = 0; i < motions.size(); ++i) {
        input.motions.push_back(ReadPath(motions[i], "motions[" + std::to_string(i) + "]"));
    }
    input.gesture = ReadPath(document["gesture"], "gesture");
    return input;
}

MotionPath RawPath(const std::vector<Point>& points) {
    MotionPath path{};
    for (std::size_t i = 0; i < points.size(); ++i) {
        SetPointAt(path, static_cast<int>(i), points[i]);
    }
    path.count = static_cast<std::int32_t>(points.size());
    path.drawIndex = path.count;
    return path;
}

// Normalises the motions as recording does and the gesture as a screen capture does, then runs
// the recogniser with action execution off.
void PrintRecognition(const RecogniseInput& input, RecogniserChoice choice, std::ostream& out) {
    int result = -1;
    if (input.gesture.size() > static_cast<std::size_t>(kClickPoints)) {
        auto set = std::make_unique<MotionSet>();
        set->motionCount = static_cast<std::int32_t>(input.motions.size());
        for (std::size_t i = 0; i < input.motions.size(); ++i) {
            set->motions[i].path = ResizeGesture(RawPath(input.motions[i]));
        }
        RecognitionState state;
        GestureRecogniser recogniser;
        result = recogniser.Recognise(choice, ResizeGesture(RawPath(input.gesture)), *set, state);
        out << state.diagnosticLog;
    }
    out << "result: " << result << '\n';
}

} // namespace

int RunRecognise(std::span<const std::string> args, Streams io) {
    const bool precise = !args.empty() && args[0] == "--precise";
    if (args.size() != (precise ? 2u : 1u)) {
        io.err << "usage: traxo-cli recognise [--precise] FILE|-\n";
        return kExitBadInput;
    }
    const std::string& file = args.back();
    RecogniseInput input;
    try {
        input = ParseInput(ReadInput(file, io.in));
    } catch (const BadMotions& bad) {
        io.err << "traxo-cli recognise: " << (file == "-" ? "standard input" : file) << ": "
               << bad.message << '\n';
        return kExitBadInput;
    }
    PrintRecognition(input, precise ? RecogniserChoice::Precise : RecogniserChoice::Scoring,
                     io.out);
    return kExitOk;
}

} // namespace traxo::cli
