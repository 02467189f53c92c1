// The product and its maker as the program shows them: the window titles, the banner pictures
// and the about window take these from here. The maker's details are fictitious placeholders on
// a reserved example domain and telephone range.
#pragma once

namespace kthread::product {

inline constexpr char kProductLine[] = "Kalvo Thread - PD";

inline constexpr char kMakerName[] = "Brellmont";
inline constexpr char kMakerAddress[] = "27 Calliper Lane, Fernhill FH4 2QX, United Kingdom";
inline constexpr char kMakerPhoneAndFax[] = "Phone +44 1632 960481, Fax +44 1632 960482";
inline constexpr char kMakerEmail[] = "support@brellmont.example.com";
inline constexpr char kMakerWeb[] = "https://www.brellmont.example.com/";

} // namespace kthread::product
