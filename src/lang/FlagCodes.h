// The flag pictures a language file can name in its [MAIN] "flag" key: three-letter country
// codes, one picture each.
#pragma once

#include <QStringView>
#include <algorithm>
#include <array>

namespace kthread {

inline constexpr std::array<QStringView, 38> kFlagCodes{
    u"ARG", u"ARM", u"AUT", u"BEL", u"BGR", u"BIH", u"BLR", u"BRA", u"CHE", u"CHN",
    u"CZE", u"DEU", u"DNK", u"ESP", u"FIN", u"FRA", u"GBR", u"GEO", u"GRC", u"HRV",
    u"HUN", u"ISL", u"ITA", u"MKD", u"MLT", u"NLD", u"NOR", u"POL", u"PRT", u"ROM",
    u"RUS", u"SRB", u"SVK", u"SVN", u"SWE", u"TUR", u"UKR", u"USA",
};

// The code as listed, in capitals.
inline bool IsFlagCode(QStringView code) {
    return std::find(kFlagCodes.begin(), kFlagCodes.end(), code) != kFlagCodes.end();
}

} // namespace kthread
