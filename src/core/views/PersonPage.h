#pragma once

#include "core/views/ViewOptions.h"

#include <string>

class CDocument;

/// The body of the information page of person `nPerson` (an index of the
/// document's persons), in the current language and the options given.
std::wstring BuildPersonPageBody(const CDocument& doc, int nPerson, const CViewOptions& options);

/// A page body wrapped into the document the viewer shows.
std::wstring MakePageDocument(const std::wstring& strBody);
