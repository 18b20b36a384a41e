// The check every test makes once the effect is done: it holds nothing the
// host handed it, misused nothing, left no undo group open, and no handle is
// live but the global block the host keeps for it. On failure the message
// is the ledger's report, which names what was left ("stream7 was never
// disposed of").
#pragma once

#include <gtest/gtest.h>

#include "Host.h"

::testing::AssertionResult NothingHeld(simhost::Host& host);
