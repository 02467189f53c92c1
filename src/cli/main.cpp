#include "cli/CommandLine.h"

int main(int argc, char** argv) {
    return kthread::cli::RunCommandLine(argc, argv);
}
