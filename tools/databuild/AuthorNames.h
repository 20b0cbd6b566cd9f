#pragma once

#include <string>
#include <string_view>

// Who wrote a quoted line, from a GCIDE attribution such as "Shak.", "Beau. & Fl.",
// "Milton (Comus)." or "Ps. xxiii. 4.".
struct TLineSource
{
    std::string author;
    std::string title;     // empty where the attribution names no work
    bool excluded = false; // recent song lyrics and other texts still under copyright
};

// Expands the abbreviated names the dictionary uses to full names ("Shak." -> "William
// Shakespeare"); a name it does not know is kept as written, without its final dot.
TLineSource ExpandAttribution(std::string_view attribution);
