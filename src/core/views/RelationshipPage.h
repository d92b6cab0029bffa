#pragma once

#include "core/views/Relationship.h"

#include <string>

class CDocument;
struct CViewOptions;

/// The language code of the kinship terms: the language in use.
std::wstring KinshipLanguage();

/// "A is the TERM of B" and "B is the TERM of A" for one way, in the
/// language in use.
std::pair<std::wstring, std::wstring> KinshipSentences(const CDocument& doc, int nA, int nB, const CRelationship& way,
                                                       const CViewOptions& options);

/// The relationship page of A and B, a body for MakePageDocument: for each
/// way what each is to the other, the common ancestor or couple, and the
/// two lines down from it side by side, a generation a row; every person a
/// link "person:N"; at the end how many ways there are, "+" where the search
/// stopped, and the link "choose:" to compare with another person.
std::wstring BuildRelationshipPage(const CDocument& doc, int nA, int nB, const CRelationships& found,
                                   const CViewOptions& options);
