#include "SceneFile.h"

#include <cmath>
#include <cstdint>
#include <fstream>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <vector>

#include "scenes/CameraPresets.h"

namespace dorvane_host {

namespace {

using nlohmann::json;

constexpr long long kLargestSize = 30000;  // the host's largest composition side
constexpr std::size_t kLongestName = 255;

const char* const kExpectedTime = "a time {\"value\": ticks, \"scale\": ticks per second}";
const char* const kExpectedPoint = "[x, y, z], three numbers";

std::string CameraChoices() {
    return "\"none\", a preset (" + simhost::CameraPresetNames() + ") or {\"keys\": [...]}";
}

std::string Shown(const json& value) {
    std::string text = value.dump();
    return text.size() > 40 ? text.substr(0, 37) + "..." : text;
}

[[noreturn]] void Fail(const std::string& path, const std::string& expected, const std::string& found) {
    throw SceneError((path.empty() ? std::string("the top level") : path) + ": expected " + expected + ", found " +
                     found);
}

[[noreturn]] void Reject(const std::string& path, const std::string& expected, const json& found) {
    Fail(path, expected, Shown(found));
}

// A JSON pointer one step further down.
std::string Child(const std::string& path, const std::string& key) {
    std::string escaped;
    for (char c : key) escaped += c == '~' ? "~0" : c == '/' ? "~1" : std::string(1, c);
    return path + "/" + escaped;
}

std::string Child(const std::string& path, std::size_t index) { return path + "/" + std::to_string(index); }

// An object whose fields are known: an unknown one is a mistake (a typo
// would otherwise be a silent default).
class Object {
public:
    Object(const json& value, std::string path, std::initializer_list<const char*> fields)
        : value_(value), path_(std::move(path)), fields_(fields) {
        if (!value_.is_object()) Reject(path_, "an object with the fields " + FieldList(), value_);
        for (const auto& item : value_.items()) {
            bool known = false;
            for (const char* field : fields_) known = known || item.key() == field;
            if (!known) Fail(Child(path_, item.key()), "one of the fields " + FieldList(), "an unknown field");
        }
    }

    const json* Optional(const char* field) const {
        auto found = value_.find(field);
        return found == value_.end() ? nullptr : &*found;
    }
    const json& Required(const char* field, const std::string& expected) const {
        const json* found = Optional(field);
        if (found == nullptr) Fail(Path(field), expected, "nothing");
        return *found;
    }
    std::string Path(const char* field) const { return Child(path_, field); }

private:
    std::string FieldList() const {
        std::string list;
        for (const char* field : fields_) list += (list.empty() ? "" : ", ") + std::string(field);
        return list;
    }

    const json& value_;
    std::string path_;
    std::vector<const char*> fields_;
};

long long Whole(const json& value, const std::string& path, long long lowest, long long highest,
                const std::string& expected) {
    if (!value.is_number_integer()) Reject(path, expected, value);
    const long long number =
        value.is_number_unsigned() && value.get<unsigned long long>() > static_cast<unsigned long long>(INT64_MAX)
            ? INT64_MAX
            : value.get<long long>();
    if (number < lowest || number > highest) Reject(path, expected, value);
    return number;
}

double Number(const json& value, const std::string& path, const std::string& expected = "a number") {
    if (!value.is_number() || !std::isfinite(value.get<double>())) Reject(path, expected, value);
    return value.get<double>();
}

A_Time Time(const json& value, const std::string& path, long long lowest_value = INT32_MIN) {
    const std::string expected_value = lowest_value > 0 ? "a positive whole number of ticks below 2^31"
                                                        : "a whole number of ticks from -2^31 to 2^31-1";
    const Object time(value, path, {"value", "scale"});
    const long long ticks = Whole(time.Required("value", expected_value), time.Path("value"), lowest_value,
                                  INT32_MAX, expected_value);
    const std::string expected_scale = "a positive whole number of ticks per second below 2^32";
    const long long scale =
        Whole(time.Required("scale", expected_scale), time.Path("scale"), 1, UINT32_MAX, expected_scale);
    return {static_cast<A_long>(ticks), static_cast<A_u_long>(scale)};
}

std::vector<double> Numbers(const json& value, const std::string& path, std::size_t count,
                            const std::string& expected) {
    if (count == 1) return {Number(value, path, expected)};
    if (!value.is_array() || value.size() != count) Reject(path, expected, value);
    std::vector<double> numbers;
    for (std::size_t i = 0; i < count; ++i) numbers.push_back(Number(value[i], Child(path, i), "a number"));
    return numbers;
}

simhost::Vec3 Point(const json& value, const std::string& path) {
    const std::vector<double> xyz = Numbers(value, path, 3, kExpectedPoint);
    return {xyz[0], xyz[1], xyz[2]};
}

const json& Array(const json& value, const std::string& path, const std::string& expected) {
    if (!value.is_array()) Reject(path, expected, value);
    return value;
}

std::string Text(const json& value, const std::string& path, const std::string& expected) {
    if (!value.is_string()) Reject(path, expected, value);
    return value.get<std::string>();
}

void ReadComposition(const json& value, const std::string& path, simhost::Scene& scene) {
    const Object comp(value, path, {"width", "height", "frame_duration"});
    const std::string side = "a whole number of pixels from 1 to " + std::to_string(kLargestSize);
    scene.width = static_cast<A_long>(Whole(comp.Required("width", side), comp.Path("width"), 1, kLargestSize, side));
    scene.height =
        static_cast<A_long>(Whole(comp.Required("height", side), comp.Path("height"), 1, kLargestSize, side));
    scene.frame_duration = Time(comp.Required("frame_duration", kExpectedTime), comp.Path("frame_duration"), 1);
}

void ReadLayer(const json& value, const std::string& path, simhost::Scene& scene) {
    const Object layer(value, path, {"in_point", "duration", "start"});
    const A_Time zero{0, scene.frame_duration.scale};
    const json* in_point = layer.Optional("in_point");
    scene.in_point = in_point == nullptr ? zero : Time(*in_point, layer.Path("in_point"));
    scene.duration = Time(layer.Required("duration", kExpectedTime), layer.Path("duration"));
    const json* start = layer.Optional("start");
    scene.start = start == nullptr ? zero : Time(*start, layer.Path("start"));
}

std::string TimeText(const A_Time& time) {
    return "{\"value\": " + std::to_string(time.value) + ", \"scale\": " + std::to_string(time.scale) + "}";
}

// Keys in the order of their times, one key a time: a key out of order or at
// the time of another would be dropped or reordered by the host unseen.
void RequireLater(const A_Time& earlier, const A_Time& later, const std::string& path) {
    // A 32-bit value times a 32-bit scale: below 2^63, exact in 64 bits on
    // every platform (a long double is a plain double on some).
    const std::int64_t before = std::int64_t{earlier.value} * std::int64_t{later.scale};
    const std::int64_t after = std::int64_t{later.value} * std::int64_t{earlier.scale};
    if (after <= before) {
        Fail(path, "a time after the previous key's, " + TimeText(earlier), TimeText(later));
    }
}

simhost::SceneCameraKey ReadCameraKey(const json& value, const std::string& path, const simhost::Scene& scene,
                                      bool aims) {
    const Object key(value, path, {"time", "position", "point_of_interest", "orientation", "zoom"});
    simhost::SceneCameraKey read{};
    read.time = Time(key.Required("time", kExpectedTime), key.Path("time"));
    read.pose.position = Point(key.Required("position", kExpectedPoint), key.Path("position"));
    const json* poi = key.Optional("point_of_interest");
    if (poi != nullptr) read.pose.point_of_interest = Point(*poi, key.Path("point_of_interest"));
    if ((poi != nullptr) != aims) {
        Fail(key.Path("point_of_interest"),
             aims ? "a point of interest, as the first key has one" : "none, as the first key has no point of interest",
             poi == nullptr ? std::string("nothing") : Shown(*poi));
    }
    if (const json* orientation = key.Optional("orientation")) {
        read.pose.orientation = Point(*orientation, key.Path("orientation"));
    }
    const json* zoom = key.Optional("zoom");
    read.pose.zoom = simhost::Camera::Default(scene.width, scene.height).PoseAt(0.0).zoom;
    if (zoom != nullptr) {
        read.pose.zoom = Number(*zoom, key.Path("zoom"), "a positive number of pixels");
        if (read.pose.zoom <= 0.0) Reject(key.Path("zoom"), "a positive number of pixels", *zoom);
    }
    return read;
}

void ReadCamera(const json& value, const std::string& path, simhost::Scene& scene) {
    const std::string choices = CameraChoices();
    simhost::SceneCamera& camera = scene.camera;
    if (value.is_string()) {
        const std::string name = value.get<std::string>();
        if (name == "none") {
            camera.kind = simhost::SceneCamera::Kind::None;
            return;
        }
        const std::optional<simhost::CameraPreset> preset = simhost::CameraPresetNamed(name);
        if (!preset) Reject(path, choices, value);
        camera.kind = simhost::SceneCamera::Kind::Preset;
        camera.preset = *preset;
        return;
    }
    if (!value.is_object()) Reject(path, choices, value);
    const Object keyed(value, path, {"keys"});
    const std::string expected_keys = "a list of one or more camera keys";
    const json& keys = Array(keyed.Required("keys", expected_keys), keyed.Path("keys"), expected_keys);
    if (keys.empty()) Reject(keyed.Path("keys"), expected_keys, keys);
    camera.kind = simhost::SceneCamera::Kind::Keyed;
    camera.aims_at_point_of_interest = keys[0].is_object() && keys[0].contains("point_of_interest");
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const std::string key_path = Child(keyed.Path("keys"), i);
        camera.keys.push_back(ReadCameraKey(keys[i], key_path, scene, camera.aims_at_point_of_interest));
        if (i > 0) RequireLater(camera.keys[i - 1].time, camera.keys[i].time, Child(key_path, "time"));
    }
}

// The installed kinds a scene may put on the layer: those with a value
// (which leaves out the effect under test, whose parameter is a button).
std::vector<const simhost::InstalledEffect*> ControlKinds(const simhost::Project& host_project) {
    std::vector<const simhost::InstalledEffect*> kinds;
    for (const simhost::InstalledEffect& effect : host_project.installed) {
        if (effect.params.size() >= 2 && effect.params[1].HasValue()) kinds.push_back(&effect);
    }
    return kinds;
}

std::string ValueShape(int components) {
    if (components == 1) return "a number";
    if (components == 3) return kExpectedPoint;
    return "a list of " + std::to_string(components) + " numbers";
}

simhost::SceneEffect ReadEffect(const json& value, const std::string& path, const simhost::Project& host_project) {
    const Object effect(value, path, {"kind", "name", "enabled", "value", "keys"});
    simhost::SceneEffect read;
    const std::vector<const simhost::InstalledEffect*> kinds = ControlKinds(host_project);
    std::string kind_names;
    for (const simhost::InstalledEffect* kind : kinds) kind_names += (kind_names.empty() ? "" : ", ") + kind->match_name;
    const std::string expected_kind = "the match name of an installed effect with a value (" + kind_names + ")";
    const json& kind_value = effect.Required("kind", expected_kind);
    read.kind = Text(kind_value, effect.Path("kind"), expected_kind);
    const simhost::InstalledEffect* kind = nullptr;
    for (const simhost::InstalledEffect* candidate : kinds) {
        if (candidate->match_name == read.kind) kind = candidate;
    }
    if (kind == nullptr) Reject(effect.Path("kind"), expected_kind, kind_value);

    const std::string expected_name = "a name of 1 to 255 printable ASCII characters";
    const json& name_value = effect.Required("name", expected_name);
    read.name = Text(name_value, effect.Path("name"), expected_name);
    bool printable = !read.name.empty() && read.name.size() <= kLongestName;
    for (char c : read.name) printable = printable && c >= ' ' && c <= '~';
    if (!printable) Reject(effect.Path("name"), expected_name, name_value);

    if (const json* enabled = effect.Optional("enabled")) {
        if (!enabled->is_boolean()) Reject(effect.Path("enabled"), "true or false", *enabled);
        read.enabled = enabled->get<bool>();
    }
    const int components = simhost::NumericComponents(kind->params[1].type);
    const std::string shape = ValueShape(components);
    if (const json* static_value = effect.Optional("value")) {
        read.value = Numbers(*static_value, effect.Path("value"), static_cast<std::size_t>(components), shape);
    }
    if (const json* keys = effect.Optional("keys")) {
        Array(*keys, effect.Path("keys"), "a list of keys {\"time\": ..., \"value\": ...}");
        for (std::size_t i = 0; i < keys->size(); ++i) {
            const Object key((*keys)[i], Child(effect.Path("keys"), i), {"time", "value"});
            read.keys.push_back(
                {Time(key.Required("time", kExpectedTime), key.Path("time")),
                 Numbers(key.Required("value", shape), key.Path("value"), static_cast<std::size_t>(components),
                         shape)});
            if (i > 0) RequireLater(read.keys[i - 1].time, read.keys[i].time, key.Path("time"));
        }
    }
    return read;
}

// A parser callback that refuses an object naming a field twice, which the
// JSON library would otherwise read as its last value, unseen. It follows
// the parse to say where: each open object or list and the field or index
// it is at.
class RefuseRepeatedFields {
public:
    bool operator()(int /*depth*/, json::parse_event_t event, json& parsed) {
        switch (event) {
            case json::parse_event_t::object_start:
            case json::parse_event_t::array_start:
                open_.push_back({event == json::parse_event_t::object_start, {}, {}, 0});
                break;
            case json::parse_event_t::key: {
                Level& level = open_.back();
                level.field = parsed.get<std::string>();
                if (!level.fields.insert(level.field).second) {
                    Fail(Path(), "each field once in its object", "\"" + level.field + "\" a second time");
                }
                break;
            }
            case json::parse_event_t::object_end:
            case json::parse_event_t::array_end:
                open_.pop_back();
                Counted();
                break;
            case json::parse_event_t::value:
                Counted();
                break;
        }
        return true;
    }

private:
    struct Level {
        bool object;
        std::set<std::string> fields;
        std::string field;  // of an object: the field being read
        std::size_t index;  // of a list: the element being read
    };

    void Counted() {
        if (!open_.empty() && !open_.back().object) ++open_.back().index;
    }

    std::string Path() const {
        std::string path;
        for (const Level& level : open_) path = level.object ? Child(path, level.field) : Child(path, level.index);
        return path;
    }

    std::vector<Level> open_;
};

std::string FileStem(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

}  // namespace

simhost::Scene ParseScene(const std::string& text, const std::string& fallback_name,
                          const simhost::Project& host_project) {
    json root;
    try {
        root = json::parse(text, RefuseRepeatedFields());
    } catch (const json::parse_error& e) {
        // The library's own words, less its exception tag.
        std::string what = e.what();
        const std::size_t tag_end = what.find("] ");
        if (tag_end != std::string::npos) what = what.substr(tag_end + 2);
        throw SceneError("not JSON: " + what);
    }
    const Object top(root, "", {"name", "composition", "layer", "camera", "effects"});
    simhost::Scene scene;
    scene.name = fallback_name;
    if (const json* name = top.Optional("name")) scene.name = Text(*name, top.Path("name"), "a text");
    ReadComposition(top.Required("composition", "the composition's width, height and frame_duration"),
                    top.Path("composition"), scene);
    ReadLayer(top.Required("layer", "the layer's duration (and optionally in_point and start)"), top.Path("layer"),
              scene);
    ReadCamera(top.Required("camera", CameraChoices()), top.Path("camera"), scene);
    if (const json* effects = top.Optional("effects")) {
        Array(*effects, top.Path("effects"), "a list of effects");
        for (std::size_t i = 0; i < effects->size(); ++i) {
            scene.effects.push_back(ReadEffect((*effects)[i], Child(top.Path("effects"), i), host_project));
        }
    }
    return scene;
}

simhost::Scene ReadSceneFile(const std::string& path, const simhost::Project& host_project) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw SceneError(path + ": cannot be read");
    std::ostringstream text;
    text << file.rdbuf();
    try {
        return ParseScene(text.str(), FileStem(path), host_project);
    } catch (const SceneError& e) {
        throw SceneError(path + ": " + e.what());
    }
}

}  // namespace dorvane_host
