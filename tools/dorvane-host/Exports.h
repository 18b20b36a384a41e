// The recording as files for other programs: JSON (the documented schema)
// and CSV, one key a line, every number in its shortest exact form.
#pragma once

#include <ostream>

#include "Recording.h"

namespace dorvane_host {

// The format's name and version, written into every JSON export.
constexpr const char* kExportFormat = "dorvane-camera";
constexpr int kExportVersion = 1;

void WriteJson(const Recording& recording, std::ostream& out);
void WriteCsv(const Recording& recording, std::ostream& out);

}  // namespace dorvane_host
