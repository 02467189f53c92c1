// JSON Lines batch: one record object per input line, one completed record (or one error) per
// output line, in input order. The optional keys of cli/BatchExtras.h add to a line's output.
#pragma once

#include "cli/BatchExtras.h"
#include "cli/LineProcessor.h"
#include "engine/uncertainty/ConformityDecision.h"

namespace kthread::cli {

class JsonlBatch final : public LineProcessor {
public:
    // `rule` decides the Conformity of lines with a designation and uncertainties.
    explicit JsonlBatch(uncertainty::DecisionRule rule = uncertainty::DecisionRule::GuardBanded)
        : rule_(rule) {}

    bool ProcessLine(std::string_view line, std::uint64_t lineNumber, std::string& out) override;
    bool RejectLine(std::uint64_t lineNumber, std::string_view reason, std::string& out) override;
    std::unique_ptr<LineProcessor> Fork() const override {
        return std::make_unique<JsonlBatch>(rule_);
    }

private:
    uncertainty::DecisionRule rule_;
    LineExtras extras_; // reused from line to line
};

} // namespace kthread::cli
