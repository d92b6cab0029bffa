#pragma once

#include "cli/JsonWriter.h"
#include "core/views/PageMedia.h"

#include <vector>

/// The items as an array: the FILE as written, title, form, event, primary,
/// image, status ("file", "outside", "entry", "web", "missing", "climbs-out",
/// "not-a-file") and the path found, or null.
void WriteMediaItems(CJsonWriter& writer, const std::vector<CMediaItem>& items);
