// The one record the host keeps for the effect between commands.
#pragma once

#include "AE_GeneralPlug.h"

struct GlobalData {
    AEGP_PluginID my_id;
};

static_assert(sizeof(GlobalData) == 4, "the global block holds exactly the plug-in id");
