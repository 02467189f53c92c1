#include "cli/CsvBatch.h"

#include "cli/CsvCells.h"
#include "cli/NumberReading.h"
#include "cli/OutputText.h"
#include "cli/RecordFields.h"
#include "cli/RecordWriters.h"

namespace kthread::cli {

bool CsvBatch::ProcessLine(std::string_view line, std::uint64_t lineNumber, std::string& out) {
    line = WithoutCarriageReturn(WithoutByteOrderMark(line, lineNumber));
    if (IsBlankLine(line)) {
        return true;
    }
    if (!haveHeader_) {
        return ReadHeader(line, lineNumber, out);
    }
    ReadRow(line, lineNumber, out);
    return true;
}

bool CsvBatch::RejectLine(std::uint64_t lineNumber, std::string_view reason, std::string& out) {
    if (!haveHeader_) {
        summary_.fatalError = "line " + std::to_string(lineNumber) + ": " + std::string(reason) +
                              " in the CSV header";
        return false;
    }
    AppendCsvError(out, lineNumber, reason);
    ++summary_.errorLines;
    return true;
}

std::unique_ptr<LineProcessor> CsvBatch::Fork() const {
    if (!haveHeader_) {
        return nullptr;
    }
    auto fork = std::make_unique<CsvBatch>();
    fork->haveHeader_ = true;
    fork->columns_ = columns_;
    return fork;
}

bool CsvBatch::ReadHeader(std::string_view line, std::uint64_t lineNumber, std::string& out) {
    // A header has at most one column per field, so a cell beyond that is already an error.
    SplitCsvLine(line, cells_, kFieldCount + 1);
    std::uint32_t seen = 0;
    for (const std::string_view name : cells_) {
        const auto index = FindField(name);
        const std::uint32_t bit = index ? 1U << *index : 0U;
        if (!index || (seen & bit) != 0) {
            summary_.fatalError = "line " + std::to_string(lineNumber) + ": " +
                                  (index ? "repeated" : "unknown") + " column " + QuoteInput(name) +
                                  " in the CSV header";
            return false;
        }
        seen |= bit;
        columns_.push_back(*index);
    }
    haveHeader_ = true;
    AppendCsvHeader(out);
    return true;
}

void CsvBatch::ReadRow(std::string_view line, std::uint64_t lineNumber, std::string& out) {
    const std::size_t cellCount = SplitCsvLine(line, cells_, columns_.size());
    TPitchDiamData record{};
    if (const auto error = FillRecord(record, cellCount)) {
        AppendCsvError(out, lineNumber, *error);
        ++summary_.errorLines;
        return;
    }
    const bool ok = CalcPitchDiam(record);
    AppendCsvRecord(out, record, ok);
    ++summary_.records;
}

std::optional<std::string> CsvBatch::FillRecord(TPitchDiamData& record,
                                                std::size_t cellCount) const {
    if (cellCount != columns_.size()) {
        return "expected " + std::to_string(columns_.size()) + " values, found " +
               std::to_string(cellCount);
    }
    for (std::size_t column = 0; column < columns_.size(); ++column) {
        const FieldInfo& field = RecordFields()[columns_[column]];
        const std::string_view cell = cells_[column];
        const NumberReading reading = ReadNumber(cell);
        if (!reading.ok()) {
            return std::string(field.name) + ": " + DescribeNumberProblem(reading.problem, cell);
        }
        if (field.kind == FieldKind::Number) {
            record.*field.number = reading.value;
            continue;
        }
        const auto selector = SelectorFromNumber(reading.value);
        if (!selector) {
            return std::string(field.name) + ": must be a whole number from 0 to 255, got " +
                   QuoteInput(cell);
        }
        record.*field.selector = *selector;
    }
    return std::nullopt;
}

} // namespace kthread::cli
