#pragma once

#include "cli/JsonWriter.h"
#include "core/model/Document.h"

/// The fields of a source record, into an open object.
void WriteSourceFields(CJsonWriter& writer, const CDocument& doc, const CSourceRecord& source);

/// The citations of a person or a family as an array, and the source records
/// they point to as another, under the keys "citations" and "sources";
/// nothing for a record without citations, whose output stays as it was.
void WriteCitations(CJsonWriter& writer, const CDocument& doc, CCitedKind kind, int nRecord);
