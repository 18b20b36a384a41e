#include "PreRenderRecord.h"

void DeletePreRenderData(void* pre_render_data) noexcept {
    const PF_Handle handle = static_cast<PF_Handle>(pre_render_data);
    // The record is read through the master pointer, which the lock taken at
    // pre-render keeps in place.
    if (handle == nullptr || *handle == nullptr) return;
    const PreRenderRecord* record = static_cast<const PreRenderRecord*>(*handle);
    const auto unlock_handle = record->unlock_handle;
    const auto dispose_handle = record->dispose_handle;
    if (unlock_handle == nullptr || dispose_handle == nullptr) return;
    unlock_handle(handle);
    dispose_handle(handle);
}
