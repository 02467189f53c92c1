// The help files: what they quote from kthread-calc is what it prints today, their links land,
// and the help page can show them without anything from outside.
#include "ManualText.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#ifndef KTHREAD_CALC_PATH
#error "KTHREAD_CALC_PATH must name the program the manuals quote"
#endif
#ifndef KTHREAD_MANUAL_DIR
#error "KTHREAD_MANUAL_DIR must name the folder of the help files"
#endif

namespace {

namespace fs = std::filesystem;

const char* const kManuals[] = {"english.html", "german.html", "french.html", "spanish.html",
                                "russian.html"};
constexpr const char* kReference = "english.html";
// Every manual carries the worked examples and a batch run.
constexpr std::size_t kFewestRuns = 6;

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string Manual(const std::string& name) {
    const fs::path path = fs::path(KTHREAD_MANUAL_DIR) / name;
    if (!fs::exists(path)) {
        ADD_FAILURE() << path << " is missing";
        return {};
    }
    return ReadFile(path);
}

std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

struct Printed {
    int exitCode = -1;
    std::string out;
};

// Runs kthread-calc with the quoted arguments; an input file comes from the manual's own
// <pre class="input">, so the manual shows everything the run needs.
Printed RunQuoted(const manual::QuotedRun& run, const std::map<std::string, std::string>& inputs) {
    static int counter = 0;
    const fs::path dir =
        fs::temp_directory_path() /
        ("kthread-manual-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    fs::create_directories(dir);
    std::string command = ShellQuoted(KTHREAD_CALC_PATH);
    for (const std::string& arg : run.args) {
        command += " " + ShellQuoted(arg);
    }
    std::string input;
    if (!run.inputFile.empty()) {
        const auto file = inputs.find(run.inputFile);
        if (file == inputs.end()) {
            ADD_FAILURE() << "the manual shows no input file " << run.inputFile;
        } else {
            input = file->second;
        }
    }
    std::ofstream(dir / "in", std::ios::binary) << input;
    command += " <" + ShellQuoted((dir / "in").string()) + " >" +
               ShellQuoted((dir / "out").string()) + " 2>/dev/null";
    const int status = std::system(command.c_str());
    Printed printed;
    printed.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    printed.out = ReadFile(dir / "out");
    fs::remove_all(dir);
    return printed;
}

std::string Joined(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) {
        text += (text.empty() ? "" : " ") + word;
    }
    return text;
}

class Manual_ : public testing::TestWithParam<const char*> {
protected:
    std::string html_ = Manual(GetParam());
};

TEST_P(Manual_, QuotedRunsPrintExactlyWhatTheManualShows) {
    std::vector<manual::QuotedRun> runs;
    ASSERT_NO_THROW(runs = manual::QuotedRuns(html_));
    const auto inputs = manual::InputFiles(html_);
    EXPECT_GE(runs.size(), kFewestRuns);
    for (const manual::QuotedRun& run : runs) {
        const Printed printed = RunQuoted(run, inputs);
        EXPECT_EQ(printed.exitCode, 0) << "kthread-calc " << Joined(run.args);
        EXPECT_EQ(printed.out, run.output) << "kthread-calc " << Joined(run.args);
    }
}

TEST_P(Manual_, QuotesTheSameRunsAsTheEnglishManual) {
    // A translation that drops or alters an example would otherwise pass on its own.
    const std::string reference = Manual(kReference);
    std::vector<manual::QuotedRun> ours;
    std::vector<manual::QuotedRun> theirs;
    ASSERT_NO_THROW(ours = manual::QuotedRuns(html_));
    ASSERT_NO_THROW(theirs = manual::QuotedRuns(reference));
    ASSERT_EQ(ours.size(), theirs.size());
    for (std::size_t i = 0; i < ours.size(); ++i) {
        EXPECT_EQ(ours[i].args, theirs[i].args) << "example " << i + 1;
        EXPECT_EQ(ours[i].output, theirs[i].output) << "example " << i + 1;
    }
    EXPECT_EQ(manual::InputFiles(html_), manual::InputFiles(reference));
}

TEST_P(Manual_, EveryInternalLinkHasItsAnchorAndEveryAnchorIsUnique) {
    const std::vector<std::string> names = manual::AttributeValues(html_, "name");
    const std::set<std::string> anchors(names.begin(), names.end());
    EXPECT_EQ(anchors.size(), names.size()) << "an anchor name appears twice";
    const std::vector<std::string> links = manual::AttributeValues(html_, "href");
    EXPECT_GE(links.size(), 15U) << "the table of contents is missing";
    for (const std::string& link : links) {
        ASSERT_FALSE(link.empty());
        EXPECT_EQ(link[0], '#') << link << ": the help page only follows links inside the page";
        EXPECT_TRUE(anchors.count(link.substr(1))) << link << " has no anchor";
    }
}

TEST_P(Manual_, IsUtf8WithItsCharsetAndNeedsNothingFromOutside) {
    EXPECT_TRUE(manual::IsUtf8(html_));
    EXPECT_EQ(html_.rfind("\xEF\xBB\xBF", 0), std::string::npos) << "no byte-order mark";
    EXPECT_NE(html_.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(html_.find("<title>"), std::string::npos);
    for (const char* outside : {"<script", "<img", "<link", "src=", "url(", "@import"}) {
        EXPECT_EQ(html_.find(outside), std::string::npos) << outside;
    }
    EXPECT_NE(html_.rfind("</html>"), std::string::npos) << "the file is cut short";
}

INSTANTIATE_TEST_SUITE_P(HelpFiles, Manual_, testing::ValuesIn(kManuals),
                         [](const testing::TestParamInfo<const char*>& info) {
                             const std::string name = info.param;
                             return name.substr(0, name.find('.'));
                         });

} // namespace
