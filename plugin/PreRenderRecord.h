// What the pre-render pass hands the host for the render pass, and how the
// host gets rid of it.
#pragma once

#include "AE_EffectTypes.h"

// Lives in a host handle that stays locked from pre-render until the host
// deletes it. The host calls the deletion routine with nothing but the
// handle, long after the command that made it has released its suites, so
// the record carries the host's own handle routines for its disposal.
struct PreRenderRecord {
    // Set to zero once the input is checked out, and read by nobody: the
    // render pass needs only a handle it can lock. It stays because the
    // record's layout, and with it the size of the handle the host
    // allocates, is the effect's published one.
    A_u_char input_checked_out;
    void (*unlock_handle)(PF_Handle handle);
    void (*dispose_handle)(PF_Handle handle);
};

// The routine the host calls, with the handle, when it is done with the
// pre-render data; it unlocks the handle and disposes of it.
void DeletePreRenderData(void* pre_render_data) noexcept;
