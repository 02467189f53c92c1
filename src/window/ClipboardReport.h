// The text that the Copy command puts on the clipboard: every input and the last results as the
// window shows them, one quantity per line, "label: <tab>value suffix" and CR LF, so that it
// pastes into a text as well as into two spreadsheet columns. Nothing is recomputed.
#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace kthread {

// A caption and the value shown beside it, both as they stand on the screen.
struct ShownQuantity {
    QString caption;
    QString value;
};

// The three fields of an angle, as shown.
struct ShownAngle {
    QString caption;
    QString degrees;
    QString minutes;
    QString seconds;
};

// The lines a thread designation adds after the 18: the designation and its limits, and after
// a calculation the verdict with its margin and the reading window.
struct ReportDesignation {
    ShownQuantity designation;                  // lblDesignation, cbDesignation
    ShownQuantity limits;                       // lblDesigLimits
    std::optional<ShownQuantity> verdict;       // lblVerdict
    std::optional<ShownQuantity> readingWindow; // lblReadingWindow
};

// The uncertainty budget after the last Calculate: the expanded uncertainty with its caption and
// k ("± 0.00185 mm (k = 2)"), then each input's contribution with its share of the variance.
struct ShownBudget {
    ShownQuantity expanded;
    std::vector<ShownQuantity> contributions;
};

struct ReportInputs {
    bool inchMode = false; // lengths end in " in" instead of " mm"

    ShownQuantity threadType;     // Label1, cbType
    ShownQuantity pitch;          // Label3, edStapka (length)
    ShownQuantity starts;         // Label11, edBrH
    ShownQuantity lead;           // lHod, lPodem (length)
    ShownAngle firstFlank;        // Label4, edA1g/m/s
    ShownAngle secondFlank;       // Label16, edA2g/m/s
    ShownQuantity optimalProbe;   // lODN, lDiamN (length)
    ShownQuantity probe;          // lDN, edDiam (length)
    ShownQuantity probeMaterial;  // Label12, cbMaterial
    ShownQuantity threadMaterial; // ULabel1, cbThrMaterial
    ShownQuantity poisson;        // ULabel2, edSigma
    QString modulus;              // edE in GPa; its line is labelled "E" and has no unit
    ShownQuantity method;         // Label2, cbIzm
    ShownQuantity force;          // Label5, edIzmN (newtons)
    ShownQuantity given;          // cbVidVav's item text, edIzmSt (length)
    ShownQuantity firstResult;    // lRes4, lSrDA2 (length)
    ShownQuantity secondResult;   // lVidIzm, lRazmM (length)
    ShownQuantity deformCorr;     // lRes3, lA2 (length)

    std::optional<ReportDesignation> designation; // when a designation is set
    // Appended after every other line when there is a budget; values carry their units.
    std::optional<ShownBudget> budget;
};

inline constexpr int kReportLineCount = 18;

// The 18 lines, each ended by CR LF (the last one too), then the designation's lines when there
// is one and the budget's lines when there is one. An empty value still gets its suffix; the
// designation's and the budget's values carry their units.
QString BuildReport(const ReportInputs& inputs);

} // namespace kthread
