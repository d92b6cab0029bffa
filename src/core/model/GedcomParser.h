#pragma once

#include "core/model/GedcomState.h"

#include <string>
#include <string_view>

class CDocument;

/// Gives meaning to one logical line: appends a person or family at a record
/// line (level 0, empty tag, the id as value) and stores the 26 known tags (and
/// SNOTE, read as NOTE) in
/// the record appended last or in the current event. PLAC values are
/// normalised in `strValue` itself.
/// Takes the line in the model's encoding of text (see EncodeText).
void ParseGedcomLine(CDocument& doc, CGedcomState& state, int nRecordKind, int nLevel, std::string_view strTag,
                     std::string& strValue);

/// Moscow,Russia becomes "Moscow, Russia." and an empty place a lone period;
/// for wide text and for the model's encoding of it.
template <class TChar>
void NormalisePlace(std::basic_string<TChar>& strPlace);

/// Appends a continuation line's text to a value that ParseGedcomLine will
/// receive once with all its continuation lines, so that it stores what it
/// would have stored had it received the value after each of them. Only a
/// place changes: it is normalised at every line.
void AppendContinuation(const CGedcomState& state, std::string_view strTag, std::string& strValue,
                        std::string_view piece);
