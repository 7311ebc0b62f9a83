#pragma once
// A check that a part of a workbook is complete, well-formed XML before liborcus parses
// it: the library's XML parser runs past the end of a part that stops inside a tag, an
// attribute, a comment or a reference (and asserts), so every construct must be closed
// and every element ended before the part is handed over.

#include <string>
#include <string_view>

namespace grid {

// False with the reason and the byte offset when `xml` is not one well-formed
// document: declarations, comments, CDATA sections and a doctype closed, start and end
// tags matching, attribute values quoted, entity and character references ended
// with ';', and no control character (but tab, line feed and carriage return), as a
// byte or as a character reference.
bool isWellFormedXml(std::string_view xml, std::string& why);

} // namespace grid
