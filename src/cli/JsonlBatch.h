// JSON Lines batch: one record object per input line, one completed record (or one error) per
// output line, in input order.
#pragma once

#include "cli/LineProcessor.h"

namespace kthread::cli {

class JsonlBatch final : public LineProcessor {
public:
    bool ProcessLine(std::string_view line, std::uint64_t lineNumber, std::string& out) override;
    bool RejectLine(std::uint64_t lineNumber, std::string_view reason, std::string& out) override;
    std::unique_ptr<LineProcessor> Fork() const override { return std::make_unique<JsonlBatch>(); }
};

} // namespace kthread::cli
