#include "window/PitchDiamVerdict.h"

#include "window/DesignationDisplay.h"
#include "window/DesignationTexts.h"

namespace kthread {

std::optional<PitchDiamVerdict> JudgePitchDiam(double pitchDiamMM,
                                               const designation::ThreadLimits& limits,
                                               const VerdictAllowance& allowance) {
    const std::optional<uncertainty::ConformityVerdict> decision =
        uncertainty::DecideConformity(pitchDiamMM, allowance.expandedUncertaintyMM,
                                      limits.pitchDiamMinMm, limits.pitchDiamMaxMm, allowance.rule);
    if (!decision) {
        return std::nullopt;
    }
    PitchDiamVerdict verdict;
    verdict.marginMM = decision->margin;
    switch (decision->conformity) {
    case uncertainty::Conformity::Conforms:
        verdict.word = VerdictWord::WithinLimits;
        break;
    case uncertainty::Conformity::DoesNotConform:
        verdict.word =
            pitchDiamMM < limits.pitchDiamMinMm ? VerdictWord::Undersize : VerdictWord::Oversize;
        break;
    case uncertainty::Conformity::NotProvable:
        verdict.word = VerdictWord::NotProvable;
        break;
    }
    return verdict;
}

QString VerdictText(const PitchDiamVerdict& verdict, bool inch) {
    DesignationText word = DesignationText::NotProvable;
    switch (verdict.word) {
    case VerdictWord::WithinLimits:
        word = DesignationText::WithinLimits;
        break;
    case VerdictWord::Undersize:
        word = DesignationText::Undersize;
        break;
    case VerdictWord::Oversize:
        word = DesignationText::Oversize;
        break;
    case VerdictWord::NotProvable:
        break;
    }
    return TextOf(word) + QStringLiteral(", ") +
           TextOf(DesignationText::Margin).arg(MarginText(verdict.marginMM, inch));
}

} // namespace kthread
