#include "UserLocale.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

namespace {

// Languages whose usual country is the United States, by their two- and three-letter codes.
constexpr std::array<std::string_view, 10> AmericanLanguages = {"chr", "cic", "en",  "eng", "haw",
                                                                "lkt", "mus", "nav", "nv",  "osa"};
// Languages with an American variant besides their usual country.
constexpr std::array<std::string_view, 2> AlsoAmerican = {"es", "spa"};

std::string Lower(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; });
    return out;
}

bool Contains(const auto &list, std::string_view code)
{
    return std::find(list.begin(), list.end(), code) != list.end();
}

std::string_view Environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? std::string_view(value) : std::string_view();
}

} // namespace

bool UserLocale::NameIsUnitedStates(std::string_view name)
{
    name = name.substr(0, name.find_first_of(".@"));
    std::string language, territory;
    std::size_t begin = 0;
    for (bool first = true; begin <= name.size(); first = false) {
        const std::size_t end = std::min(name.find_first_of("_-", begin), name.size());
        const std::string part = Lower(name.substr(begin, end - begin));
        begin = end + 1;
        if (first)
            language = part;
        else if (!part.empty() && part.size() != 4) { // four letters name a script
            territory = part;
            break;
        }
    }
    if (territory.empty())
        return Contains(AmericanLanguages, language);
    return (territory == "us" || territory == "usa" || territory == "840") &&
           (Contains(AmericanLanguages, language) || Contains(AlsoAmerican, language));
}

bool UserLocale::IsUnitedStates()
{
    std::string_view name = Environment("LC_ALL");
    if (name.empty())
        name = Environment("LC_MESSAGES");
    if (name.empty())
        name = Environment("LANG");
    if (name.empty() || name == "C" || name == "POSIX")
        return false;
    const std::string_view languages = Environment("LANGUAGE");
    if (const std::string_view first = languages.substr(0, languages.find(':')); !first.empty())
        name = first;
    return NameIsUnitedStates(name);
}
