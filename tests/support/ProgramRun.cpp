#include "support/ProgramRun.h"

#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace kthread::testing {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace

std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::string& input) {
    static std::atomic<int> counter = 0;
    // Files rather than pipes: the shell does the redirection, so a large output cannot block.
    const fs::path dir =
        fs::temp_directory_path() /
        ("kthread-program-run-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    fs::create_directories(dir);
    std::ofstream(dir / "in", std::ios::binary) << input;
    std::string command = ShellQuoted(program);
    for (const std::string& arg : args) {
        // Two appends: GCC 12 at -O3 takes " " + string for an overlapping copy (-Wrestrict).
        command += ' ';
        command += ShellQuoted(arg);
    }
    command += " <" + ShellQuoted(dir / "in") + " >" + ShellQuoted(dir / "out") + " 2>" +
               ShellQuoted(dir / "err");
    const int status = std::system(command.c_str());
    ProgramRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadFile(dir / "out");
    run.err = ReadFile(dir / "err");
    fs::remove_all(dir);
    return run;
}

} // namespace kthread::testing
