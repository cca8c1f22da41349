#include "platform/HourCycle.h"

namespace talvorin {

HourCycle hourCycleOfPattern(std::string_view pattern, std::string_view markerLetters) {
    HourCycle cycle;
    bool quoted = false;
    bool hourSeen = false;
    bool markerSeen = false;
    char hourLetter = 0;
    std::size_t hourLetters = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '\'') quoted = !quoted;
        if (quoted || c == '\'') continue;
        if ((c == 'h' || c == 'H') && !hourSeen) {
            hourSeen = true;
            hourLetter = c;
            while (i + hourLetters < pattern.size() && pattern[i + hourLetters] == c) ++hourLetters;
        } else if (markerLetters.find(c) != std::string_view::npos && !markerSeen) {
            markerSeen = true;
            cycle.markerFirst = !hourSeen;
        }
    }
    // No hour at all (a setting that could not be read): the French 24 hours.
    if (!hourSeen) return HourCycle{};
    cycle.twelveHour = hourLetter == 'h' && markerSeen;
    cycle.padHour = hourLetters >= 2;
    if (!cycle.twelveHour) cycle.markerFirst = false;
    return cycle;
}

}  // namespace talvorin
