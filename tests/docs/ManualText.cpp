#include "ManualText.h"

#include <sstream>
#include <stdexcept>

namespace manual {

namespace {

const std::string kPrompt = "$ kthread-calc";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream stream(text);
    for (std::string word; stream >> word;) {
        words.push_back(word);
    }
    return words;
}

} // namespace

std::string DecodeEntities(const std::string& html) {
    static const std::pair<const char*, const char*> kEntities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}, {"&amp;", "&"}};
    std::string text;
    for (std::size_t i = 0; i < html.size();) {
        bool replaced = false;
        for (const auto& [entity, character] : kEntities) {
            if (html.compare(i, std::string(entity).size(), entity) == 0) {
                text += character;
                i += std::string(entity).size();
                replaced = true;
                break;
            }
        }
        if (!replaced) {
            text += html[i++];
        }
    }
    return text;
}

std::vector<std::string> PreBlocks(const std::string& html, const std::string& openTag,
                                   std::vector<std::string>* attributes) {
    std::vector<std::string> blocks;
    for (std::size_t at = html.find(openTag); at != std::string::npos;
         at = html.find(openTag, at + 1)) {
        const std::size_t tagEnd = html.find('>', at);
        const std::size_t close = html.find("</pre>", tagEnd);
        if (tagEnd == std::string::npos || close == std::string::npos) {
            throw std::runtime_error("unclosed " + openTag);
        }
        if (attributes) {
            attributes->push_back(html.substr(at, tagEnd + 1 - at));
        }
        blocks.push_back(DecodeEntities(html.substr(tagEnd + 1, close - tagEnd - 1)));
    }
    return blocks;
}

std::vector<QuotedRun> QuotedRuns(const std::string& html) {
    std::vector<QuotedRun> runs;
    for (const std::string& block : PreBlocks(html, "<pre class=\"example\"")) {
        const std::vector<std::string> lines = Lines(block);
        if (lines.empty() || lines[0].rfind(kPrompt, 0) != 0) {
            throw std::runtime_error("example does not start with \"" + kPrompt + "\":\n" + block);
        }
        std::string command;
        std::size_t next = 0;
        for (bool continued = true; continued && next < lines.size(); ++next) {
            std::string line = lines[next];
            continued = !line.empty() && line.back() == '\\';
            if (continued) {
                line.pop_back();
            }
            command += line + " ";
        }
        QuotedRun run;
        const std::vector<std::string> words = Words(command.substr(kPrompt.size()));
        for (std::size_t i = 0; i < words.size(); ++i) {
            if (words[i] == "<") {
                if (i + 2 != words.size()) {
                    throw std::runtime_error("\"<\" must end the command: " + command);
                }
                run.inputFile = words[i + 1];
                break;
            }
            run.args.push_back(words[i]);
        }
        for (; next < lines.size(); ++next) {
            run.output += lines[next] + "\n";
        }
        runs.push_back(run);
    }
    return runs;
}

std::map<std::string, std::string> InputFiles(const std::string& html) {
    std::vector<std::string> tags;
    const std::vector<std::string> blocks = PreBlocks(html, "<pre class=\"input\"", &tags);
    std::map<std::string, std::string> files;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const std::vector<std::string> names = AttributeValues(tags[i], "data-file");
        if (names.size() != 1) {
            throw std::runtime_error("input block without one data-file: " + tags[i]);
        }
        std::string content = blocks[i];
        if (!content.empty() && content.back() != '\n') {
            content += '\n';
        }
        files[names[0]] = content;
    }
    return files;
}

std::vector<std::string> AttributeValues(const std::string& html, const std::string& name) {
    std::vector<std::string> values;
    const std::string marker = name + "=\"";
    for (std::size_t at = html.find(marker); at != std::string::npos;
         at = html.find(marker, at + 1)) {
        // Only a whole attribute name: "name=" must not match "data-name=".
        if (at > 0 && html[at - 1] != ' ' && html[at - 1] != '\n') {
            continue;
        }
        const std::size_t start = at + marker.size();
        const std::size_t end = html.find('"', start);
        if (end == std::string::npos) {
            throw std::runtime_error("unclosed attribute " + name);
        }
        values.push_back(html.substr(start, end - start));
    }
    return values;
}

bool IsUtf8(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int length = 0;
        char32_t code = 0;
        if (lead < 0x80) {
            length = 1;
            code = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            code = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            code = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size()) {
            return false;
        }
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (next & 0x3F);
        }
        static const char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        i += length;
    }
    return true;
}

} // namespace manual
