// Which suite name and version each handler slot stands for, listed in the
// order in which a handler releases them.
#pragma once

struct SuiteBinding {
    const char* name;
    int version;
    int slot;
};

constexpr int kNamedSuiteCount = 104;

constexpr SuiteBinding kSuiteReleaseOrder[kNamedSuiteCount] = {
    {"AEGP Marker Suite", 1, 4},
    {"AEGP Marker Suite", 2, 5},
    {"AEGP Layer Suite", 8, 11},
    {"AEGP Layer Suite", 10, 12},
    {"AEGP Stream Suite", 9, 3},
    {"AEGP Stream Suite", 8, 2},
    {"AEGP Stream Suite", 7, 13},
    {"AEGP Stream Suite", 4, 83},
    {"AEGP Dynamic Stream Suite", 2, 14},
    {"AEGP Dynamic Stream Suite", 3, 15},
    {"AEGP Dynamic Stream Suite", 5, 16},
    {"AEGP Keyframe Suite", 4, 1},
    {"AEGP Keyframe Suite", 3, 17},
    {"AEGP Keyframe Suite", 1, 86},
    {"AEGP Comp Suite", 9, 6},
    {"AEGP Comp Suite", 11, 7},
    {"AEGP Comp Suite", 14, 8},
    {"AEGP Comp Suite", 15, 9},
    {"AEGP Comp Suite", 18, 10},
    {"AEGP Canvas Suite", 10, 18},
    {"AEGP Canvas Suite", 11, 19},
    {"AEGP Camera Suite", 2, 21},
    {"AEGP Register Suite", 6, 22},
    {"AEGP Item Suite", 13, 24},
    {"AEGP Item Suite", 11, 25},
    {"AEGP Item Suite", 10, 26},
    {"AEGP Item Suite", 7, 27},
    {"AEGP Item Suite", 3, 28},
    {"AEGP PF Interface Suite", 1, 47},
    {"PF Path Query Suite", 1, 48},
    {"AEGP Memory Suite", 1, 23},
    {"PF Path Data Suite", 1, 49},
    {"PF Path Data Suite", 1, 50},
    {"PF AE App Suite", 6, 51},
    {"PF AE Adv App Suite", 2, 52},
    {"AEGP Light Suite", 1, 29},
    {"AEGP Light Suite", 2, 30},
    {"AEGP Effect Suite", 1, 31},
    {"AEGP Effect Suite", 2, 32},
    {"AEGP Effect Suite", 3, 33},
    {"AEGP Layer Mask Suite", 5, 34},
    {"AEGP Mask Outline Suite", 3, 35},
    {"AEGP Command Suite", 1, 36},
    {"AEGP Utility Suite", 7, 37},
    {"AEGP Render Suite", 1, 38},
    {"AEGP Render Suite", 2, 39},
    {"PF ANSI Suite", 1, 40},
    {"PF Handle Suite", 2, 41},
    {"PF Fill Matte Suite", 2, 42},
    {"PF World Transform Suite", 1, 43},
    {"AEGP QueryXform Suite", 4, 44},
    {"AEGP Composite Suite", 4, 45},
    {"PF World Suite", 1, 46},
    {"AEGP IO In Suite", 5, 53},
    {"AEGP IO Out Suite", 7, 54},
    {"AEGP Render Queue Suite", 1, 56},
    {"AEGP Render Queue Item Suite", 3, 57},
    {"AEGP Output Module Suite", 4, 58},
    {"AEGP File Import Manager Suite", 3, 59},
    {"PF Sampling8 Suite", 1, 60},
    {"PF Sampling16 Suite", 1, 61},
    {"PF Iterate8 Suite", 1, 62},
    {"PF iterate16 Suite", 1, 63},
    {"PF iterateFloat Suite", 1, 64},
    {"AEGP Collection Suite", 2, 65},
    {"AEGP Text Document Suite", 1, 66},
    {"AEGP Sound Data Suite", 1, 67},
    {"AEGP Text Layer Suite", 1, 69},
    {"AEGP Artisan Util Suite", 1, 70},
    {"AEGP World Suite", 2, 71},
    {"AEGP World Suite", 3, 72},
    {"AEGP Render Options Suite", 1, 73},
    {"AEGP Tracker Suite", 1, 74},
    {"AEGP Tracker Utility Suite", 1, 75},
    {"AE Plugin Helper Suite2", 2, 76},
    {"AEGP Layer Suite", 11, 77},
    {"AEGP Layer Suite", 12, 78},
    {"AEGP Layer Suite", 13, 79},
    {"PF AE Adv Item Suite", 1, 98},
    {"AEGP Layer Suite", 5, 80},
    {"AEGP Layer Mask Suite", 2, 81},
    {"AEGP Comp Suite", 4, 84},
    {"AEGP Collection Suite", 1, 85},
    {"AEGP Mask Outline Suite", 2, 87},
    {"PF AE Adv App Suite", 1, 88},
    {"AEGP Utility Suite", 3, 89},
    {"AEGP Render Options Suite", 2, 90},
    {"AEGP Proj Suite", 8, 91},
    {"AEGP Proj Suite", 9, 92},
    {"AEGP Footage Suite", 11, 93},
    {"AEGP Render Queue Item Suite", 4, 94},
    {"AEGP Utility Suite", 10, 95},
    {"AEGP Persistent Data Suite", 3, 55},
    {"PF Color Settings Suite", 3, 96},
    {"PF Color Settings Suite", 1, 97},
    {"PF ColorParamSuite", 1, 100},
    {"PF SamplingFloat Suite", 1, 101},
    {"AEGP Utility Suite", 11, 102},
    {"PF Effect Custom UI Suite", 1, 103},
    {"PF Effect Custom UI Overlay Theme Suite", 1, 104},
    {"DRAWBOT Draw Suite", 1, 105},
    {"DRAWBOT Supplier Suite", 1, 106},
    {"DRAWBOT Surface Suite", 1, 107},
    {"DRAWBOT Path Suite", 1, 108},
};

// The slot's binding, or null for the four slots that carry no suite.
constexpr const SuiteBinding* FindSuiteBinding(int slot) {
    for (const SuiteBinding& binding : kSuiteReleaseOrder) {
        if (binding.slot == slot) return &binding;
    }
    return nullptr;
}

constexpr bool SameName(const char* a, const char* b) {
    while (*a != '\0' && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

constexpr bool SlotBindsTo(int slot, const char* name, int version) {
    const SuiteBinding* binding = FindSuiteBinding(slot);
    return binding != nullptr && binding->version == version && SameName(binding->name, name);
}

constexpr bool SlotsAreWellFormed() {
    // Every slot 1..108 is named exactly once, except the four unnamed ones
    // and 50, which repeats 49's suite under a slot of its own.
    for (int slot = 1; slot <= 108; ++slot) {
        int uses = 0;
        for (const SuiteBinding& binding : kSuiteReleaseOrder) {
            if (binding.slot == slot) ++uses;
        }
        const bool unnamed = slot == 20 || slot == 68 || slot == 82 || slot == 99;
        if (uses != (unnamed ? 0 : 1)) return false;
    }
    return true;
}
static_assert(SlotsAreWellFormed(), "suite slots are bound once each");
