#pragma once

#include <string>
#include <string_view>

/// The readable plain text of a page the program shows as HTML: <br> and the
/// ends of paragraphs and list items become line ends, a rule a line of
/// dashes, other tags are dropped, entities are decoded, and line ends in the
/// source read as blanks, as the viewer shows them.
std::wstring HtmlToText(std::wstring_view html);
