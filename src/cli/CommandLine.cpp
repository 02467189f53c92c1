#include "cli/CommandLine.h"

#include "cli/BatchRun.h"
#include "cli/CsvBatch.h"
#include "cli/JsonlBatch.h"
#include "cli/LineSplitter.h"
#include "cli/MeasurementRequest.h"
#include "cli/NumberReading.h"
#include "cli/RawStreams.h"
#include "cli/ResultReport.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#ifndef KTHREAD_VERSION
#error "KTHREAD_VERSION must be defined by the build"
#endif

namespace kthread::cli {

namespace {

constexpr int kExitNoSolution = 1;
constexpr int kExitUsage = 2;
constexpr const char* kProgram = "kthread-calc";

std::vector<std::string> ToStrings(std::span<const std::string_view> names) {
    return {names.begin(), names.end()};
}

std::string Joined(std::span<const std::string_view> names) {
    std::string text;
    for (const std::string_view name : names) {
        text += (text.empty() ? "" : ", ") + std::string(name);
    }
    return text;
}

std::string MethodFooter() {
    std::string text = "Methods by thread type (the first is the default):\n";
    for (std::size_t i = 0; i < ThreadNames().size(); ++i) {
        const auto thread = static_cast<ThreadType>(i);
        text += "  " + std::string(ThreadNames()[i]) + ": " + Joined(MethodNames(thread)) + "\n";
    }
    text += "\nBatch input uses the record's field names as JSON keys or CSV header names, in its\n"
            "own units (mm, rad, N, Pa); selectors are whole numbers 0 to 255. Fields:\n"
            "  ThreadType GivenQty MeasMode Pitch Starts Force DeformCorr ProbePoisson\n"
            "  ThreadPoisson ProbeModulus ThreadModulus TaperRatio FlankAngle1 FlankAngle2\n"
            "  ProbeDiam SizeCtr SizeOver PitchDiam\n";
    return text;
}

// Option texts as typed; turned into a MeasurementRequest once CLI11 has parsed them. Numbers
// are kept as text so that they are read by the same rule as batch input, not by CLI11's own
// conversion (which takes "0x10" and reads "" as 0).
struct TypedOptions {
    std::string thread = "ext-cyl";
    std::string given = "M";
    std::string method;
    std::string value;
    std::string pitch;
    std::string probe;
    std::string flank = "30";
    std::string flank2;
    std::string starts = "1";
    std::string force = "0";
    std::string probeMaterial;
    std::string poisson = "0.3";
    std::string modulus = "250";
    std::string taper = "0";
};

// Reads a numeric option's text; a refusal names the option.
double NumberOption(const char* name, const std::string& text) {
    const NumberReading reading = ReadNumber(text);
    if (!reading.ok()) {
        throw CLI::ValidationError(name, DescribeNumberProblem(reading.problem, text));
    }
    return reading.value;
}

// Writes out what is still buffered for standard output; false when it could not be written.
bool FlushStandardOutput() {
    std::cout.flush();
    return std::fflush(stdout) == 0 && std::ferror(stdout) == 0 && std::cout.good();
}

CLI::Validator FlankValidator() {
    return CLI::Validator(
        [](std::string& text) {
            std::string error;
            return ParseFlankAngle(text, &error) ? std::string() : error;
        },
        "DEG[:MIN[:SEC]]");
}

MeasurementRequest ToRequest(const TypedOptions& typed, bool inch) {
    MeasurementRequest request;
    request.inch = inch;
    request.value = NumberOption("--value", typed.value);
    request.pitch = NumberOption("--pitch", typed.pitch);
    request.probeDiam = NumberOption("--probe", typed.probe);
    request.starts = NumberOption("--starts", typed.starts);
    request.force = NumberOption("--force", typed.force);
    request.threadPoisson = NumberOption("--poisson", typed.poisson);
    request.threadModulusGPa = NumberOption("--modulus", typed.modulus);
    request.taperRatio = NumberOption("--taper", typed.taper);
    request.thread = static_cast<ThreadType>(*IndexOfName(ThreadNames(), typed.thread));
    request.given = static_cast<GivenQuantity>(*IndexOfName(GivenNames(), typed.given));
    if (!typed.method.empty()) {
        const auto method = IndexOfName(MethodNames(request.thread), typed.method);
        if (!method) {
            throw CLI::ValidationError("--method", typed.method + " is not a method for " +
                                                       typed.thread + " (use one of " +
                                                       Joined(MethodNames(request.thread)) + ")");
        }
        request.method = *method;
    }
    if (!typed.probeMaterial.empty()) {
        request.probeMaterial =
            static_cast<ProbeMaterial>(*IndexOfName(ProbeMaterialNames(), typed.probeMaterial));
    }
    request.flank1 = *ParseFlankAngle(typed.flank);
    request.flank2 = typed.flank2.empty() ? request.flank1 : *ParseFlankAngle(typed.flank2);
    if (const auto problem = CheckRequest(request)) {
        throw CLI::ValidationError(*problem);
    }
    return request;
}

int RunSingle(const MeasurementRequest& request) {
    TPitchDiamData record = BuildRecord(request);
    if (!CalcPitchDiam(record)) {
        std::fprintf(stderr, "%s: no solution for these inputs (the calculation failed)\n",
                     kProgram);
        return kExitNoSolution;
    }
    const std::string text = FormatResultLines(ResultLines(record, request.inch));
    std::fputs(text.c_str(), stdout);
    if (OptimalProbeDiam(record.Pitch, record.FlankAngle1, record.FlankAngle2) == std::nullopt) {
        std::fprintf(stderr, "%s: these flank angles have no optimal probe diameter\n", kProgram);
    }
    if (!FlushStandardOutput()) {
        std::fprintf(stderr, "%s: cannot write the results\n", kProgram);
        return kExitNoSolution;
    }
    return 0;
}

int RunBatchMode(LineProcessor& processor) {
    std::fflush(stdout); // nothing may be buffered ahead of the direct writes
    BatchResult result;
    try {
        result = RunBatch(processor, StandardInput(), StandardOutput(), BatchThreads());
    } catch (const std::bad_alloc&) {
        // A line that runs out of memory is that line's error; this is the run's own memory.
        std::fprintf(stderr, "%s: out of memory; the output is incomplete\n", kProgram);
        return kExitNoSolution;
    }
    const BatchSummary& summary = result.summary;
    if (!summary.fatalError.empty()) {
        std::fprintf(stderr, "%s: %s\n", kProgram, summary.fatalError.c_str());
    }
    if (!result.ioError.empty()) {
        std::fprintf(stderr, "%s: %s\n", kProgram, result.ioError.c_str());
    }
    if (summary.errorLines > 0) {
        std::fprintf(stderr, "%s: %llu input line(s) had errors; see the error lines\n", kProgram,
                     static_cast<unsigned long long>(summary.errorLines));
    }
    return result.ExitCode();
}

} // namespace

int RunCommandLine(int argc, const char* const* argv) {
    CLI::App app{"Pitch diameter of a thread measured over wires or balls, or the size over the "
                 "probes for a given pitch diameter.",
                 kProgram};
    app.set_version_flag("--version", KTHREAD_VERSION);
    app.footer(MethodFooter());
    // A repeated option takes its last value, so a script can override an earlier default.
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);

    TypedOptions typed;
    bool inch = false;
    std::vector<CLI::Option*> single;
    single.push_back(
        app.add_option("--thread", typed.thread, "Thread type: " + Joined(ThreadNames()))
            ->check(CLI::IsMember(ToStrings(ThreadNames())))
            ->capture_default_str());
    single.push_back(
        app.add_option("--method", typed.method, "Measurement method, by thread type (see below)"));
    single.push_back(app.add_option("--given", typed.given,
                                    "Given quantity: m (size), M (size over the probes), d2 "
                                    "(pitch diameter)")
                         ->check(CLI::IsMember(ToStrings(GivenNames())))
                         ->capture_default_str());
    single.push_back(
        app.add_option("--value", typed.value, "The given quantity (mm, or in with --inch)")
            ->type_name("NUMBER"));
    single.push_back(app.add_option("--pitch", typed.pitch, "Pitch P (mm, or in with --inch)")
                         ->type_name("NUMBER"));
    single.push_back(
        app.add_option("--probe", typed.probe, "Wire or ball diameter (mm, or in with --inch)")
            ->type_name("NUMBER"));
    single.push_back(
        app.add_option("--flank", typed.flank, "First flank angle: degrees or deg:min:sec")
            ->check(FlankValidator())
            ->capture_default_str());
    single.push_back(
        app.add_option("--flank2", typed.flank2, "Second flank angle (default: --flank)")
            ->check(FlankValidator()));
    single.push_back(app.add_option("--starts", typed.starts, "Number of starts")
                         ->type_name("INTEGER")
                         ->capture_default_str());
    single.push_back(app.add_option("--force", typed.force,
                                    "Measuring force in N (0: no "
                                    "deformation correction)")
                         ->type_name("NUMBER")
                         ->capture_default_str());
    single.push_back(app.add_option("--probe-material", typed.probeMaterial,
                                    "steel or ruby (default: steel for external, ruby for "
                                    "internal threads)")
                         ->check(CLI::IsMember(ToStrings(ProbeMaterialNames()))));
    single.push_back(
        app.add_option("--poisson", typed.poisson, "Poisson's ratio of the thread material")
            ->type_name("NUMBER")
            ->capture_default_str());
    single.push_back(app.add_option("--modulus", typed.modulus,
                                    "Modulus of elasticity of the thread material in GPa")
                         ->type_name("NUMBER")
                         ->capture_default_str());
    CLI::Option* taper = app.add_option("--taper", typed.taper,
                                        "Taper ratio (change of diameter per length), ext-taper "
                                        "only")
                             ->type_name("NUMBER");
    single.push_back(taper);
    single.push_back(app.add_flag("--inch", inch, "Lengths in and out in inches"));

    bool jsonl = false;
    bool csv = false;
    CLI::Option* jsonlFlag = app.add_flag(
        "--jsonl", jsonl, "Batch: one JSON object per line from standard input to standard output");
    CLI::Option* csvFlag =
        app.add_flag("--csv", csv,
                     "Batch: CSV with a header row, from standard input to standard "
                     "output");
    jsonlFlag->excludes(csvFlag);
    for (CLI::Option* option : single) {
        option->group("One measurement");
    }
    jsonlFlag->group("Batch");
    csvFlag->group("Batch");

    try {
        app.parse(argc, argv);
        if (jsonl || csv) {
            for (const CLI::Option* option : single) {
                if (option->count() > 0) {
                    throw CLI::ValidationError(option->get_name(),
                                               std::string("cannot be combined with ") +
                                                   (jsonl ? "--jsonl" : "--csv"));
                }
            }
            JsonlBatch jsonlBatch;
            CsvBatch csvBatch;
            return RunBatchMode(jsonl ? static_cast<LineProcessor&>(jsonlBatch) : csvBatch);
        }
        for (const char* name : {"--value", "--pitch", "--probe"}) {
            if (app.count(name) == 0) {
                throw CLI::RequiredError(name);
            }
        }
        if (taper->count() > 0 && typed.thread != ThreadNames()[2]) {
            throw CLI::ValidationError("--taper", "applies to ext-taper threads only");
        }
        return RunSingle(ToRequest(typed, inch));
    } catch (const CLI::ParseError& error) {
        const int code = app.exit(error, std::cout, std::cerr);
        if (code != 0) {
            return kExitUsage;
        }
        // --help or --version: the text is the result, so failing to write it is a failure.
        if (!FlushStandardOutput()) {
            std::fprintf(stderr, "%s: cannot write the output\n", kProgram);
            return kExitNoSolution;
        }
        return 0;
    }
}

} // namespace kthread::cli
