#pragma once

#include "core/views/PageMedia.h"
#include "core/views/ViewOptions.h"

#include <string>
#include <vector>

class CDocument;

/// The body of the information page of person `nPerson` (an index of the
/// document's persons), in the current language and the options given.
std::wstring BuildPersonPageBody(const CDocument& doc, int nPerson, const CViewOptions& options);
/// The same with the person's media as CollectMedia found them, keyed by
/// their place in `media`.
std::wstring BuildPersonPageBody(const CDocument& doc, int nPerson, const CViewOptions& options,
                                 const std::vector<CMediaItem>& media);

/// A page body wrapped into the document the viewer shows.
std::wstring MakePageDocument(const std::wstring& strBody);
