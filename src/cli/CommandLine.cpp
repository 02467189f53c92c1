#include "cli/CommandLine.h"

#include "cli/BatchRun.h"
#include "cli/CsvBatch.h"
#include "cli/JsonlBatch.h"
#include "cli/LineSplitter.h"
#include "cli/MeasurementRequest.h"
#include "cli/OutputText.h"
#include "cli/RawStreams.h"
#include "cli/ResultReport.h"
#include "cli/SingleMeasurement.h"
#include "cli/TypedOptions.h"
#include "cli/UncertaintyModel.h"
#include "cli/UncertaintyText.h"
#include "engine/designation/DesignationCatalogue.h"
#include "engine/uncertainty/LabDefaults.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <iostream>
#include <limits>
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
    text += "\nA designation (M10x1.5-6g, 1/2-13 UNC-2A, Tr 24x5-7e) sets the thread type, pitch,\n"
            "starts and flank angles; an option that states one of them must agree with it.\n"
            "\nAn uncertainty is VALUE[:FORM] in the option's unit; FORM is normal (VALUE is U\n"
            "for k = 2), k=K, rect, tri, arcsine (VALUE is a half-width) or std (VALUE is u).\n"
            "Without FORM, VALUE takes the form of the input's default.\n"
            "\nBatch input uses the record's field names as JSON keys or CSV header names, in its\n"
            "own units (mm, rad, N, Pa); selectors are whole numbers 0 to 255. Fields:\n"
            "  ThreadType GivenQty MeasMode Pitch Starts Force DeformCorr ProbePoisson\n"
            "  ThreadPoisson ProbeModulus ThreadModulus TaperRatio FlankAngle1 FlankAngle2\n"
            "  ProbeDiam SizeCtr SizeOver PitchDiam\n"
            "Optional: Designation (text; adds PitchDiamMin PitchDiamMax Verdict) and standard\n"
            "uncertainties in the same units (add U and k; with a Designation, Conformity):\n"
            "  uGiven uProbeDiam uPitch uFlankAngle1 uFlankAngle2 uForce uThreadModulus\n"
            "  uPartTemperature uProbeTemperature uPartExpansion uProbeExpansion\n";
    return text;
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

CLI::Validator UncertaintyValidator() {
    return CLI::Validator(
        [](std::string& text) {
            std::string error;
            return ParseUncertaintyText(text, {}, 1, &error) ? std::string() : error;
        },
        "");
}

int RunSingle(const SingleMeasurement& measurement) {
    const SingleAnswer answer = AnswerSingleMeasurement(measurement);
    if (!answer.ok) {
        std::fprintf(stderr, "%s: %s\n", kProgram, answer.failure.c_str());
        return kExitNoSolution;
    }
    std::fputs(answer.text.c_str(), stdout);
    for (const std::string& note : answer.notes) {
        std::fprintf(stderr, "%s: %s\n", kProgram, note.c_str());
    }
    if (!FlushStandardOutput()) {
        std::fprintf(stderr, "%s: cannot write the results\n", kProgram);
        return kExitNoSolution;
    }
    return 0;
}

int ListDesignations(const std::string& filter) {
    const std::vector<std::string> found =
        designation::CompleteDesignations(filter, std::numeric_limits<std::size_t>::max());
    if (found.empty()) {
        std::fprintf(stderr, "%s: no designation begins like %s\n", kProgram,
                     QuoteInput(filter).c_str());
        return kExitNoSolution;
    }
    for (const std::string& text : found) {
        std::fputs((text + "\n").c_str(), stdout);
    }
    if (!FlushStandardOutput()) {
        std::fprintf(stderr, "%s: cannot write the output\n", kProgram);
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

// Refuses every option of `options` that was given, as one that cannot go with `with`.
void RefuseGiven(const std::vector<CLI::Option*>& options, const std::string& with) {
    for (const CLI::Option* option : options) {
        if (option->count() > 0) {
            throw CLI::ValidationError(option->get_name(), "cannot be combined with " + with);
        }
    }
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
    auto add = [&](CLI::Option* option, const char* group) {
        option->group(group);
        single.push_back(option);
        return option;
    };
    constexpr const char* kOne = "One measurement";
    CLI::Option* thread =
        add(app.add_option("--thread", typed.thread, "Thread type: " + Joined(ThreadNames()))
                ->check(CLI::IsMember(ToStrings(ThreadNames())))
                ->capture_default_str(),
            kOne);
    add(app.add_option("--method", typed.method, "Measurement method, by thread type (see below)"),
        kOne);
    add(app.add_option("--given", typed.given,
                       "Given quantity: m (size), M (size over the probes), d2 (pitch diameter)")
            ->check(CLI::IsMember(ToStrings(GivenNames())))
            ->capture_default_str(),
        kOne);
    CLI::Option* value =
        add(app.add_option("--value", typed.value, "The given quantity (mm, or in with --inch)")
                ->type_name("NUMBER"),
            kOne);
    CLI::Option* pitch =
        add(app.add_option("--pitch", typed.pitch, "Pitch P (mm, or in with --inch)")
                ->type_name("NUMBER"),
            kOne);
    CLI::Option* probe =
        add(app.add_option("--probe", typed.probe, "Wire or ball diameter (mm, or in with --inch)")
                ->type_name("NUMBER"),
            kOne);
    CLI::Option* flank =
        add(app.add_option("--flank", typed.flank, "First flank angle: degrees or deg:min:sec")
                ->check(FlankValidator())
                ->capture_default_str(),
            kOne);
    CLI::Option* flank2 =
        add(app.add_option("--flank2", typed.flank2, "Second flank angle (default: --flank)")
                ->check(FlankValidator()),
            kOne);
    CLI::Option* starts = add(app.add_option("--starts", typed.starts, "Number of starts")
                                  ->type_name("INTEGER")
                                  ->capture_default_str(),
                              kOne);
    add(app.add_option("--force", typed.force,
                       "Measuring force in N (0: no deformation correction)")
            ->type_name("NUMBER")
            ->capture_default_str(),
        kOne);
    add(app.add_option("--probe-material", typed.probeMaterial,
                       "steel or ruby (default: steel for external, ruby for internal threads)")
            ->check(CLI::IsMember(ToStrings(ProbeMaterialNames()))),
        kOne);
    add(app.add_option("--poisson", typed.poisson, "Poisson's ratio of the thread material")
            ->type_name("NUMBER")
            ->capture_default_str(),
        kOne);
    add(app.add_option("--modulus", typed.modulus,
                       "Modulus of elasticity of the thread material in GPa")
            ->type_name("NUMBER")
            ->capture_default_str(),
        kOne);
    CLI::Option* taper =
        add(app.add_option("--taper", typed.taper,
                           "Taper ratio (change of diameter per length), ext-taper only")
                ->type_name("NUMBER"),
            kOne);
    add(app.add_flag("--inch", inch, "Lengths in and out in inches"), kOne);

    constexpr const char* kDesignation = "Designation";
    add(app.add_option("--designation", typed.designation,
                       "Thread designation: sets the geometry, prints the pitch-diameter limits, "
                       "the verdict and the reading window over the probes")
            ->type_name("TEXT"),
        kDesignation);
    std::string listFilter;
    CLI::Option* list = app.add_option("--list-designations", listFilter,
                                       "List the designations that begin like FILTER (all sizes "
                                       "without one; a whole size adds its classes)")
                            ->type_name("[FILTER]")
                            ->expected(0, 1)
                            ->group(kDesignation);

    constexpr const char* kUncertainty = "Uncertainty";
    bool withUncertainty = false;
    CLI::Option* uncertaintyFlag =
        add(app.add_flag("--uncertainty", withUncertainty,
                         "Add the expanded uncertainty U (k = 2) and its budget; with a "
                         "designation, the conformity decision"),
            kUncertainty);
    const uncertainty::UncertaintyInputs defaults = uncertainty::LabDefaultInputs();
    for (std::size_t i = 0; i < UncertaintyOptions().size(); ++i) {
        const auto quantity = static_cast<uncertainty::InputQuantity>(i);
        const UncertaintyOption& option = UncertaintyOptions()[i];
        add(app.add_option(
                   option.name, typed.uncertainties[i],
                   std::string("Uncertainty of ") + option.what + "; default " +
                       UncertaintyText(defaults[quantity], UncertaintyOptionScale(quantity, false)))
                ->type_name("VALUE[:FORM]")
                ->check(UncertaintyValidator())
                ->needs(uncertaintyFlag),
            kUncertainty);
    }
    CLI::Option* rule =
        app.add_option("--decision-rule", typed.decisionRule,
                       "guard-banded: conformance proven only inside the limits shrunk by U "
                       "(ISO 14253-1); simple: the limits themselves")
            ->check(CLI::IsMember(ToStrings(DecisionRuleNames())))
            ->capture_default_str()
            ->group(kUncertainty);

    bool jsonl = false;
    bool csv = false;
    CLI::Option* jsonlFlag = app.add_flag(
        "--jsonl", jsonl, "Batch: one JSON object per line from standard input to standard output");
    CLI::Option* csvFlag = app.add_flag(
        "--csv", csv, "Batch: CSV with a header row, from standard input to standard output");
    jsonlFlag->excludes(csvFlag);
    jsonlFlag->group("Batch");
    csvFlag->group("Batch");

    try {
        app.parse(argc, argv);
        if (list->count() > 0) {
            std::vector<CLI::Option*> others = single;
            others.insert(others.end(), {rule, jsonlFlag, csvFlag});
            RefuseGiven(others, "--list-designations");
            return ListDesignations(listFilter);
        }
        const auto rulePicked = static_cast<uncertainty::DecisionRule>(
            *IndexOfName(DecisionRuleNames(), typed.decisionRule));
        if (jsonl || csv) {
            RefuseGiven(single, jsonl ? "--jsonl" : "--csv");
            JsonlBatch jsonlBatch(rulePicked);
            CsvBatch csvBatch(rulePicked);
            return RunBatchMode(jsonl ? static_cast<LineProcessor&>(jsonlBatch) : csvBatch);
        }
        if (rule->count() > 0 && !withUncertainty) {
            throw CLI::ValidationError("--decision-rule", "applies with --uncertainty only");
        }
        GivenOptions given;
        given.thread = thread->count() > 0;
        given.pitch = pitch->count() > 0;
        given.starts = starts->count() > 0;
        given.flank = flank->count() > 0;
        given.flank2 = flank2->count() > 0;
        given.value = value->count() > 0;
        given.probe = probe->count() > 0;
        given.taper = taper->count() > 0;
        given.uncertainty = withUncertainty;
        return RunSingle(ToSingleMeasurement(typed, given, inch));
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
