// The designations the library knows, for type-ahead completion.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kthread::designation {

// Up to `max` designation texts that begin like `prefix`, in catalogue order: metric by
// diameter (coarse pitch first, then the fine pitches from the largest), unified by size
// (UNC, UNF, UNEF, then the constant-pitch series), trapezoidal by diameter (preferred pitch
// first). Blanks, dashes, '#', case, x/X/× and a decimal comma are ignored when comparing, so
// "m10x1,5", "M10 x 1.5" and "1-1/4" match as "M10x1.5" and "1 1/4" do. A size is offered
// without its class ("M10x1.5", "1/2-13 UNC", "Tr 24x5"); once the prefix is a whole size,
// or reaches into the class, the classes defined for it follow, the default classes first
// ("M10x1.5-6g", "M10x1.5-6H", ...); a prefix ending in '-' asks for the classes only.
// Every text returned parses with ParseDesignation.
std::vector<std::string> CompleteDesignations(std::string_view prefix, std::size_t max);

// The comparison key of a text as CompleteDesignations uses it.
std::string CompletionKey(std::string_view text);

} // namespace kthread::designation
