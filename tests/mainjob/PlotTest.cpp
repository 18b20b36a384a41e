// The SVG page: well-formed XML that carries the recorded series.
#include <gtest/gtest.h>
#include <tinyxml2.h>

#include <sstream>
#include <string>

#include "Plot.h"
#include "PressedScene.h"
#include "TimingOverrides.h"
#include "scenes/DemoScene.h"

namespace {

using tinyxml2::XMLDocument;
using tinyxml2::XMLElement;

// The element with this id anywhere below `from`, or null.
const XMLElement* ById(const XMLElement* from, const std::string& id) {
    for (const XMLElement* child = from->FirstChildElement(); child != nullptr; child = child->NextSiblingElement()) {
        const char* own = child->Attribute("id");
        if (own != nullptr && id == own) return child;
        if (const XMLElement* found = ById(child, id)) return found;
    }
    return nullptr;
}

struct Point {
    double x, y;
};

std::vector<Point> Points(const XMLElement* polyline) {
    std::vector<Point> points;
    std::istringstream text(polyline->Attribute("points"));
    std::string pair;
    while (text >> pair) {
        const std::size_t comma = pair.find(',');
        points.push_back({std::stod(pair.substr(0, comma)), std::stod(pair.substr(comma + 1))});
    }
    return points;
}

std::string Plot(const dorvane_host::Recording& recording) {
    std::ostringstream svg;
    dorvane_host::WritePlot(recording, svg);
    return svg.str();
}

TEST(Plot, IsXmlCarryingTheFieldOfViewThePathAndTheDirections) {
    PressedScene pressed(simhost::DemoScene());
    XMLDocument doc;
    ASSERT_EQ(doc.Parse(Plot(pressed.recording).c_str()), tinyxml2::XML_SUCCESS) << doc.ErrorStr();
    const XMLElement* svg = doc.RootElement();
    ASSERT_STREQ(svg->Name(), "svg");
    EXPECT_STREQ(svg->Attribute("xmlns"), "http://www.w3.org/2000/svg");
    ASSERT_NE(svg->FirstChildElement("title"), nullptr);
    EXPECT_NE(std::string(svg->FirstChildElement("title")->GetText()).find("demo"), std::string::npos);

    const double width = svg->DoubleAttribute("width");
    const double height = svg->DoubleAttribute("height");
    for (const char* id : {"fov", "path"}) {
        const XMLElement* series = ById(svg, id);
        ASSERT_NE(series, nullptr) << id;
        EXPECT_STREQ(series->Name(), "polyline");
        EXPECT_EQ(series->IntAttribute("data-keys"), 300) << id;
        const std::vector<Point> points = Points(series);
        EXPECT_EQ(points.size(), 300u) << id;
        for (const Point& point : points) {
            EXPECT_TRUE(point.x >= 0 && point.x <= width && point.y >= 0 && point.y <= height) << id;
        }
    }
    // Time runs left to right; the field of view widens as the camera zooms
    // out over the last six seconds, so its line climbs (page y falls).
    const std::vector<Point> fov = Points(ById(svg, "fov"));
    for (std::size_t i = 1; i < fov.size(); ++i) EXPECT_GT(fov[i].x, fov[i - 1].x);
    EXPECT_LT(fov.back().y, fov.front().y);

    const XMLElement* directions = ById(svg, "directions");
    ASSERT_NE(directions, nullptr);
    int arrows = 0;
    for (const XMLElement* line = directions->FirstChildElement("line"); line != nullptr;
         line = line->NextSiblingElement("line")) {
        ++arrows;
    }
    EXPECT_EQ(arrows, 20);  // every 15th of 300 frames
}

TEST(Plot, ShowsALongLayerThinnedAndAnEmptyOneInWords) {
    simhost::Scene scene = simhost::DemoScene();
    dorvane_host::OverrideTiming(scene, {std::nullopt, 10000, std::nullopt});
    scene.name = "<quotes \" & angles>";
    PressedScene pressed(scene);
    XMLDocument doc;
    ASSERT_EQ(doc.Parse(Plot(pressed.recording).c_str()), tinyxml2::XML_SUCCESS) << doc.ErrorStr();
    const XMLElement* path = ById(doc.RootElement(), "path");
    ASSERT_NE(path, nullptr);
    EXPECT_EQ(path->IntAttribute("data-keys"), 10000);
    const std::vector<Point> points = Points(path);
    EXPECT_LE(points.size(), 4001u);
    EXPECT_GE(points.size(), 2000u);
    EXPECT_NE(std::string(doc.RootElement()->FirstChildElement("title")->GetText()).find(scene.name), std::string::npos);

    dorvane_host::OverrideTiming(scene, {std::nullopt, 0, std::nullopt});
    PressedScene empty(scene);
    XMLDocument empty_doc;
    const std::string empty_plot = Plot(empty.recording);
    ASSERT_EQ(empty_doc.Parse(empty_plot.c_str()), tinyxml2::XML_SUCCESS) << empty_doc.ErrorStr();
    EXPECT_EQ(ById(empty_doc.RootElement(), "fov"), nullptr);
    EXPECT_NE(empty_plot.find("The layer spans no frame: nothing was keyed."), std::string::npos) << empty_plot;
}

}  // namespace
