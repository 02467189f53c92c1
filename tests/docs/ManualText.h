// Reading the help files: the quoted kthread-calc examples, the links and the anchors.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace manual {

// A <pre class="example"> block: "$ kthread-calc ARGS [< FILE]" (continued over lines ending in
// a backslash), then the output exactly as the program prints it.
struct QuotedRun {
    std::vector<std::string> args; // without the program name
    std::string inputFile;         // the name after "<", empty without one
    std::string output;            // every line ends in "\n"
};

// &lt; &gt; &amp; &quot; &#39; back to their characters.
std::string DecodeEntities(const std::string& html);

// Contents of every <pre> whose opening tag starts with `openTag` (e.g. `<pre class="example"`),
// entities decoded, in document order; `attributes` receives each whole opening tag.
std::vector<std::string> PreBlocks(const std::string& html, const std::string& openTag,
                                   std::vector<std::string>* attributes = nullptr);

// The runs quoted in the document; a block that does not have the shape above throws
// std::runtime_error naming it.
std::vector<QuotedRun> QuotedRuns(const std::string& html);

// Input files shown as <pre class="input" data-file="NAME">, by name.
std::map<std::string, std::string> InputFiles(const std::string& html);

// Values of every attribute `name="..."` in the document, in order.
std::vector<std::string> AttributeValues(const std::string& html, const std::string& name);

// True when `text` is well-formed UTF-8 (no overlong forms, no surrogates).
bool IsUtf8(const std::string& text);

} // namespace manual
