#include "ResultTable.h"

#include <cstdio>

namespace sonara::bench {

namespace {

std::string number(double v, const std::string& unit) {
    char text[64];
    std::snprintf(text, sizeof text, v < 10 ? "%.2f %s" : "%.1f %s", v, unit.c_str());
    return text;
}

}  // namespace

bool ResultTable::print() const {
    bool allMet = true;
    std::printf("%-46s %12s %12s  %-30s %7s  %-26s %s\n", "figure", "ours", "baseline",
                "baseline is", "ratio", "target", "verdict");
    std::printf("%s\n", std::string(150, '-').c_str());
    for (const Row& r : rows_) {
        const double ratio = r.baseline > 0 ? r.ours / r.baseline : 0;
        std::string target = "-";
        std::string verdict = "(info)";
        if (r.maxRatio || r.mustBeat) {
            bool met = true;
            target.clear();
            if (r.maxRatio) {
                char t[32];
                std::snprintf(t, sizeof t, "<= %.1fx", *r.maxRatio);
                target = t;
                met = met && ratio <= *r.maxRatio;
            }
            if (r.mustBeat) {
                target += (target.empty() ? "< " : ", < ") + r.mustBeatName + " " +
                          number(*r.mustBeat, r.unit);
                met = met && r.ours < *r.mustBeat;
            }
            verdict = met ? "PASS" : "MISS";
            allMet = allMet && met;
        }
        char ratioText[32];
        std::snprintf(ratioText, sizeof ratioText, "%.2fx", ratio);
        std::printf("%-46s %12s %12s  %-30s %7s  %-26s %s\n", r.figure.c_str(),
                    number(r.ours, r.unit).c_str(), number(r.baseline, r.unit).c_str(),
                    r.baselineName.c_str(), ratioText, target.c_str(), verdict.c_str());
    }
    return allMet;
}

}  // namespace sonara::bench
