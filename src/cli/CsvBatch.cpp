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
    auto fork = std::make_unique<CsvBatch>(rule_);
    fork->haveHeader_ = true;
    fork->columns_ = columns_;
    fork->extras_ = extras_;
    fork->extraColumns_ = extraColumns_;
    return fork;
}

bool CsvBatch::ReadHeader(std::string_view line, std::uint64_t lineNumber, std::string& out) {
    // A header has at most one column per key, so a cell beyond that is already an error.
    SplitCsvLine(line, cells_, kFieldCount + kExtraKeyCount + 1);
    std::uint64_t seen = 0;
    for (const std::string_view name : cells_) {
        std::optional<std::size_t> index = FindField(name);
        if (!index) {
            if (const auto extra = FindExtraKey(name)) {
                index = kFieldCount + static_cast<std::size_t>(*extra);
            }
        }
        const std::uint64_t bit = index ? std::uint64_t{1} << *index : 0U;
        if (!index || (seen & bit) != 0) {
            summary_.fatalError = "line " + std::to_string(lineNumber) + ": " +
                                  (index ? "repeated" : "unknown") + " column " + QuoteInput(name) +
                                  " in the CSV header";
            return false;
        }
        seen |= bit;
        columns_.push_back(*index);
    }
    extras_.fieldsGiven = static_cast<std::uint32_t>(seen & ((1U << kFieldCount) - 1));
    extras_.keys = static_cast<ExtraKeySet>(seen >> kFieldCount);
    extraColumns_.limits = extras_.HasDesignation();
    extraColumns_.uncertainty = extras_.HasUncertainty();
    haveHeader_ = true;
    AppendCsvHeader(out, extraColumns_);
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
    if (!extras_.Any()) {
        const bool ok = CalcPitchDiam(record);
        AppendCsvRecord(out, record, ok);
        ++summary_.records;
        return;
    }
    bool ok = false;
    ExtraResults results;
    if (const auto error = CalcRecordWithExtras(extras_, rule_, record, ok, results)) {
        AppendCsvError(out, lineNumber, *error);
        ++summary_.errorLines;
        return;
    }
    AppendCsvRecord(out, record, ok, &results);
    ++summary_.records;
}

std::optional<std::string> CsvBatch::FillExtra(std::size_t column, std::string_view cell) {
    const auto key = static_cast<ExtraKey>(columns_[column] - kFieldCount);
    if (key == ExtraKey::Designation) {
        extras_.designation.assign(cell);
        return std::nullopt;
    }
    const NumberReading reading = ReadNumber(cell);
    if (!reading.ok()) {
        return std::string(ExtraKeyName(key)) + ": " + DescribeNumberProblem(reading.problem, cell);
    }
    extras_.u[static_cast<std::size_t>(QuantityOf(key))] = reading.value;
    return std::nullopt;
}

std::optional<std::string> CsvBatch::FillRecord(TPitchDiamData& record, std::size_t cellCount) {
    if (cellCount != columns_.size()) {
        return "expected " + std::to_string(columns_.size()) + " values, found " +
               std::to_string(cellCount);
    }
    for (std::size_t column = 0; column < columns_.size(); ++column) {
        if (columns_[column] >= kFieldCount) {
            if (auto error = FillExtra(column, cells_[column])) {
                return error;
            }
            continue;
        }
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
