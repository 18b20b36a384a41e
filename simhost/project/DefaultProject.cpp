#include "project/DefaultProject.h"

namespace simhost {

namespace {

Stream LayerInput() {
    Stream stream;
    stream.type = AEGP_StreamType_LAYER_ID;
    return stream;
}

Stream OneD(double value) {
    Stream stream;
    stream.type = AEGP_StreamType_OneD;
    stream.value.one_d = value;
    return stream;
}

Stream ThreeD(double x, double y, double z) {
    Stream stream;
    stream.type = AEGP_StreamType_ThreeD_SPATIAL;
    stream.value.three_d = {x, y, z};
    return stream;
}

}  // namespace

Project DefaultProject() {
    Project project;
    project.installed = {
        {1, "ADBE Gaussian Blur 2", "Gaussian Blur", {LayerInput(), OneD(0.0)}},
        {2, "ADBE Slider Control", "Slider Control", {LayerInput(), OneD(0.0)}},
        {3, "ADBE Point Control", "Point Control", {LayerInput(), OneD(0.0)}},
        {4, "ADBE Point3D Control", "3D Point Control", {LayerInput(), ThreeD(960.0, 540.0, 0.0)}},
        {5, "ADBE Color Control", "Color Control", {LayerInput(), OneD(0.0)}},
        {6, "ADBE Checkbox Control", "Checkbox Control", {LayerInput(), OneD(0.0)}},
        {7, kEffectUnderTestMatchName, "Dorvane", {LayerInput(), OneD(0.0)}},
    };
    Layer layer;
    layer.id = project.next_id++;
    layer.name = u"Solid 1";
    EffectInstance effect;
    effect.uid = project.next_id++;
    effect.key = 7;
    effect.name = u"Dorvane";
    effect.params = project.installed.back().params;
    layer.effects.push_back(effect);
    project.comp.layers.push_back(layer);
    return project;
}

EffectLocation DefaultInstance(const Project& project) {
    const Layer& layer = project.comp.layers.front();
    return {layer.id, layer.effects.front().uid};
}

}  // namespace simhost
