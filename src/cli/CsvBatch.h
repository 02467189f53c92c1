// CSV batch: a header row names the given fields (any subset, any order) and the optional
// columns of cli/BatchExtras.h; each later row is one record. Output: a header with all fields
// and "ok" (and the columns that the optional ones add), then one row per record or error.
#pragma once

#include "cli/BatchExtras.h"
#include "cli/LineProcessor.h"
#include "cli/RecordWriters.h"
#include "engine/PitchDiam.h"
#include "engine/uncertainty/ConformityDecision.h"

#include <optional>
#include <string>
#include <vector>

namespace kthread::cli {

class CsvBatch final : public LineProcessor {
public:
    // `rule` decides the Conformity when the header has a designation and uncertainties.
    explicit CsvBatch(uncertainty::DecisionRule rule = uncertainty::DecisionRule::GuardBanded)
        : rule_(rule) {}

    // Stops (returns false) on a header that names an unknown or repeated field.
    bool ProcessLine(std::string_view line, std::uint64_t lineNumber, std::string& out) override;
    // A header that cannot be read stops the run; a row becomes an error row.
    bool RejectLine(std::uint64_t lineNumber, std::string_view reason, std::string& out) override;
    // Rows are independent once the header has been read.
    std::unique_ptr<LineProcessor> Fork() const override;

private:
    bool ReadHeader(std::string_view line, std::uint64_t lineNumber, std::string& out);
    void ReadRow(std::string_view line, std::uint64_t lineNumber, std::string& out);
    std::optional<std::string> FillRecord(TPitchDiamData& record, std::size_t cellCount);
    std::optional<std::string> FillExtra(std::size_t column, std::string_view cell);

    uncertainty::DecisionRule rule_;
    bool haveHeader_ = false;
    // Per column: the index of its record field, or kFieldCount + its ExtraKey.
    std::vector<std::size_t> columns_;
    std::vector<std::string_view> cells_;
    LineExtras extras_; // keys and fieldsGiven fixed by the header, values per row
    CsvExtraColumns extraColumns_;
};

} // namespace kthread::cli
