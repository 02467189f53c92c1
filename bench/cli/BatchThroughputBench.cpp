// Records per second of the batch formats in memory (no pipes), and of the parts they are made
// of, so that a slow run shows where the time goes. The end-to-end figures through standard
// input and output come from batch_throughput.sh.
#include "RandomRecords.h"
#include "cli/BatchRun.h"
#include "cli/CsvBatch.h"
#include "cli/JsonRecordReader.h"
#include "cli/JsonlBatch.h"
#include "cli/RecordWriters.h"

#include <benchmark/benchmark.h>

#include <iterator>
#include <string>

namespace kthread::cli::bench {
namespace {

constexpr std::size_t kRecords = 20000;

const std::vector<TPitchDiamData>& Records() {
    static const std::vector<TPitchDiamData> records = RandomRecords(kRecords);
    return records;
}

void BM_Engine(benchmark::State& state) {
    for (auto _ : state) {
        for (TPitchDiamData record : Records()) {
            benchmark::DoNotOptimize(CalcPitchDiam(record));
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kRecords));
}
BENCHMARK(BM_Engine)->Unit(benchmark::kMillisecond);

void BM_JsonRead(benchmark::State& state) {
    const std::string text = AsJsonLines(Records());
    LineExtras extras;
    for (auto _ : state) {
        std::string_view rest = text;
        while (!rest.empty()) {
            const std::size_t end = rest.find('\n');
            TPitchDiamData record{};
            benchmark::DoNotOptimize(ReadJsonRecord(rest.substr(0, end), record, extras));
            rest.remove_prefix(end + 1);
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kRecords));
}
BENCHMARK(BM_JsonRead)->Unit(benchmark::kMillisecond);

void BM_JsonWrite(benchmark::State& state) {
    std::string out;
    for (auto _ : state) {
        out.clear();
        for (const TPitchDiamData& record : Records()) {
            AppendJsonRecord(out, record, true);
        }
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kRecords));
}
BENCHMARK(BM_JsonWrite)->Unit(benchmark::kMillisecond);

void BM_CsvWrite(benchmark::State& state) {
    std::string out;
    for (auto _ : state) {
        out.clear();
        for (const TPitchDiamData& record : Records()) {
            AppendCsvRecord(out, record, true);
        }
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kRecords));
}
BENCHMARK(BM_CsvWrite)->Unit(benchmark::kMillisecond);

template <typename Batch>
void RunWholeBatch(benchmark::State& state, const std::string& text,
                   std::size_t records = kRecords) {
    std::string out;
    for (auto _ : state) {
        Batch batch;
        out.clear();
        const BatchResult result = RunBatchOnText(batch, text, out);
        if (result.summary.records != records) {
            state.SkipWithError("records were lost");
        }
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * records));
}

// Measured bolts, nuts and lead screws with their designation: M over best-size wires given.
std::string DesignatedLines(std::size_t count, const std::string& extra) {
    struct Part {
        const char* designation;
        double probe;
        double sizeOver;
    };
    constexpr Part kParts[] = {{"M10x1.5-6g", 0.866, 10.25},
                               {"1/2-13 UNC-2A", 1.1, 13.2},
                               {"Tr 24x5-7e", 2.6, 24.5},
                               {"M24x2-6H", 1.157, 23.8}};
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        const Part& part = kParts[i % std::size(kParts)];
        text += "{\"GivenQty\": 1, \"ProbeDiam\": " + std::to_string(part.probe) +
                ", \"SizeOver\": " + std::to_string(part.sizeOver + 0.001 * (i % 50)) +
                ", \"Designation\": \"" + part.designation + "\"" + extra + "}\n";
    }
    return text;
}

void BM_JsonlBatchWithDesignation(benchmark::State& state) {
    RunWholeBatch<JsonlBatch>(state, DesignatedLines(kRecords, ""));
}
BENCHMARK(BM_JsonlBatchWithDesignation)->Unit(benchmark::kMillisecond);

// The budget costs some fifty solver calls per line: fewer lines.
constexpr std::size_t kBudgetRecords = 1000;

void BM_JsonlBatchWithUncertainty(benchmark::State& state) {
    RunWholeBatch<JsonlBatch>(state, DesignatedLines(kBudgetRecords, R"(, "uGiven": 0.0005)"),
                              kBudgetRecords);
}
BENCHMARK(BM_JsonlBatchWithUncertainty)->Unit(benchmark::kMillisecond);

void BM_JsonlBatch(benchmark::State& state) {
    RunWholeBatch<JsonlBatch>(state, AsJsonLines(Records()));
}
BENCHMARK(BM_JsonlBatch)->Unit(benchmark::kMillisecond);

void BM_CsvBatch(benchmark::State& state) {
    RunWholeBatch<CsvBatch>(state, AsCsv(Records()));
}
BENCHMARK(BM_CsvBatch)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kthread::cli::bench

BENCHMARK_MAIN();
