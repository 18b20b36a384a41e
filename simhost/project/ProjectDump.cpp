#include "project/ProjectDump.h"

#include <cstdio>
#include <sstream>

namespace simhost {

namespace {

std::string Hex(const void* data, size_t size) {
    std::string out;
    const auto* bytes = static_cast<const unsigned char*>(data);
    char buffer[4];
    for (size_t i = 0; i < size; ++i) {
        std::snprintf(buffer, sizeof(buffer), "%02x", bytes[i]);
        out += buffer;
    }
    return out;
}

std::string Text(const std::u16string& text) { return Hex(text.data(), text.size() * sizeof(char16_t)); }

std::string Value(const AEGP_StreamVal2& value) { return Hex(&value, sizeof(value)); }

}  // namespace

std::string DumpProject(const Project& project) {
    std::ostringstream out;
    const Composition& comp = project.comp;
    out << "comp " << comp.width << "x" << comp.height << " frame " << comp.frame_duration.value << "/"
        << comp.frame_duration.scale << " camera keys " << (comp.camera ? comp.camera->KeyCount() : 0) << "\n";
    for (const Layer& layer : comp.layers) {
        out << "layer " << layer.id << " " << Text(layer.name) << " in " << layer.in_point.value << "/"
            << layer.in_point.scale << " dur " << layer.duration.value << "/" << layer.duration.scale << "\n";
        for (const EffectInstance& effect : layer.effects) {
            out << " effect " << effect.uid << " key " << effect.key << " name " << Text(effect.name) << " flags "
                << effect.flags << "\n";
            for (size_t i = 0; i < effect.params.size(); ++i) {
                const Stream& stream = effect.params[i];
                out << "  param " << i << " type " << stream.type << " name " << Text(stream.name) << " value "
                    << Value(stream.value) << (stream.expression ? " expr " + stream.expression->text : "")
                    << "\n";
                for (const Keyframe& key : stream.keyframes) {
                    out << "   key " << Hex(&key.layer_seconds, sizeof(key.layer_seconds)) << " "
                        << Value(key.value) << "\n";
                }
            }
        }
    }
    return out.str();
}

}  // namespace simhost
