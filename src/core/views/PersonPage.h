#pragma once

#include <string>

/// The body of the information page of person `nPerson` (an index of
/// thePersons, never negative), in the current language and options.
std::wstring BuildPersonPageBody(int nPerson);

/// A page body wrapped into the document the viewer shows.
std::wstring MakePageDocument(const std::wstring& strBody);
