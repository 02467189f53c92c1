// CSV batch: a header row names the given fields (any subset, any order); each later row is one
// record. Output: a header with all fields and "ok", then one row per record or error.
#pragma once

#include "cli/LineProcessor.h"
#include "engine/PitchDiam.h"

#include <optional>
#include <string>
#include <vector>

namespace kthread::cli {

class CsvBatch final : public LineProcessor {
public:
    // Stops (returns false) on a header that names an unknown or repeated field.
    bool ProcessLine(std::string_view line, std::uint64_t lineNumber, std::string& out) override;
    // A header that cannot be read stops the run; a row becomes an error row.
    bool RejectLine(std::uint64_t lineNumber, std::string_view reason, std::string& out) override;
    // Rows are independent once the header has been read.
    std::unique_ptr<LineProcessor> Fork() const override;

private:
    bool ReadHeader(std::string_view line, std::uint64_t lineNumber, std::string& out);
    void ReadRow(std::string_view line, std::uint64_t lineNumber, std::string& out);
    std::optional<std::string> FillRecord(TPitchDiamData& record, std::size_t cellCount) const;

    bool haveHeader_ = false;
    std::vector<std::size_t> columns_; // field index of each column
    std::vector<std::string_view> cells_;
};

} // namespace kthread::cli
