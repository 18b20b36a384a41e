// The effect's one error rule. Within a routine the first failure decides
// the result and the working steps after it are skipped; whatever was
// obtained is still given back, and a release's code counts only if nothing
// failed before it.
#pragma once

#include "A.h"

// Folds `code` into the running result: it becomes the result only while
// nothing has failed.
inline void KeepFirstError(A_Err& result, A_Err code) {
    if (result == A_Err_NONE) result = code;
}
