#include "project/DefaultProject.h"

namespace simhost {

namespace {

Stream Typed(AEGP_StreamType type, const char* name) {
    Stream stream;
    stream.type = type;
    stream.name = Utf16FromAscii(name);
    return stream;
}

Stream LayerInput() { return Typed(AEGP_StreamType_LAYER_ID, "Input Layer"); }

Stream OneD(const char* name, double value) {
    Stream stream = Typed(AEGP_StreamType_OneD, name);
    stream.value.one_d = value;
    return stream;
}

Stream TwoD(const char* name, double x, double y) {
    Stream stream = Typed(AEGP_StreamType_TwoD_SPATIAL, name);
    stream.value.two_d = {x, y};
    return stream;
}

Stream ThreeD(const char* name, double x, double y, double z) {
    Stream stream = Typed(AEGP_StreamType_ThreeD_SPATIAL, name);
    stream.value.three_d = {x, y, z};
    return stream;
}

Stream Color(const char* name, double alpha, double red, double green, double blue) {
    Stream stream = Typed(AEGP_StreamType_COLOR, name);
    stream.value.color = {alpha, red, green, blue};
    return stream;
}

}  // namespace

Project DefaultProject() {
    Project project;
    // Keys are the host's own numbering: stable, never 0, not in list order.
    project.installed = {
        {11, "ADBE Gaussian Blur 2", "Gaussian Blur",
         {LayerInput(), OneD("Blurriness", 0.0), OneD("Blur Dimensions", 1.0),
          OneD("Repeat Edge Pixels", 0.0)}},
        {12, "ADBE Slider Control", "Slider Control", {LayerInput(), OneD("Slider", 0.0)}},
        {13, "ADBE Point Control", "Point Control", {LayerInput(), TwoD("Point", 960.0, 540.0)}},
        {14, "ADBE Point3D Control", "3D Point Control",
         {LayerInput(), ThreeD("3D Point", 960.0, 540.0, 0.0)}},
        {15, "ADBE Color Control", "Color Control",
         {LayerInput(), Color("Color", 1.0, 1.0, 0.0, 0.0)}},
        {16, "ADBE Checkbox Control", "Checkbox Control", {LayerInput(), OneD("Checkbox", 0.0)}},
        {17, "ADBE Angle Control", "Angle Control", {LayerInput(), OneD("Angle", 0.0)}},
        {18, kEffectUnderTestMatchName, "Dorvane",
         {LayerInput(), Typed(AEGP_StreamType_NO_DATA, "Create Controls")}},
    };
    Layer layer;
    layer.id = project.next_id++;
    layer.name = u"Solid 1";
    project.comp.layers.push_back(layer);
    project.ApplyEffect(layer.id, 18);
    return project;
}

EffectLocation DefaultInstance(const Project& project) {
    const Layer& layer = project.comp.layers.front();
    return {layer.id, layer.effects.front().uid};
}

}  // namespace simhost
