#include "UserLocale.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

namespace {

// Sets the variables for the scope and puts the old values back.
class TEnvironment
{
public:
    void Set(const char *name, const char *value)
    {
        if (!saved_.count(name)) {
            const char *old = std::getenv(name);
            saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
        }
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~TEnvironment()
    {
        for (const auto &[name, value] : saved_)
            Set(name.c_str(), value ? value->c_str() : nullptr);
    }

private:
    std::map<std::string, std::optional<std::string>> saved_;
};

} // namespace

TEST(UserLocale, NamesReadAsQtReadsThem)
{
    for (const char *name : {"en_US.UTF-8", "en_GB.UTF-8", "C",      "POSIX",  "C.UTF-8",
                             "en",          "EN_us",       "en-US",  "de_DE",  "de_US",
                             "es_US",       "es",          "haw",    "nv",     "en_Latn_US",
                             "en_US@euro",  "en_AU",       "en_840", "en_USA", "fr_CA.ISO-8859-1",
                             "en__US",      "_US"}) {
        const bool qt = QLocale(QString::fromLatin1(name)).territory() == QLocale::UnitedStates;
        EXPECT_EQ(UserLocale::NameIsUnitedStates(name), qt) << name;
    }
}

TEST(UserLocale, LcAllThenLcMessagesThenLangAndLanguageOverridesASetLocale)
{
    struct TCase
    {
        const char *all, *messages, *lang, *language;
        bool american;
    };
    const TCase cases[] = {
        {nullptr, nullptr, "en_US.UTF-8", nullptr, true},
        {nullptr, nullptr, "en_GB.UTF-8", nullptr, false},
        {nullptr, nullptr, nullptr, nullptr, false},
        {nullptr, nullptr, "C", "en_US", false},
        {"en_US.UTF-8", nullptr, "en_GB", nullptr, true},
        {"C", nullptr, "en_US.UTF-8", nullptr, false},
        {"", "en_US", "en_GB", nullptr, true},
        {"en_GB", "en_US", nullptr, nullptr, false},
        {nullptr, nullptr, "en_GB", "en_US:en_GB", true},
        {nullptr, nullptr, "en_US", "", true},
        {nullptr, nullptr, "C.UTF-8", "en_US", true},
    };
    for (const TCase &c : cases) {
        TEnvironment env;
        env.Set("LC_ALL", c.all);
        env.Set("LC_MESSAGES", c.messages);
        env.Set("LANG", c.lang);
        env.Set("LANGUAGE", c.language);
        EXPECT_EQ(UserLocale::IsUnitedStates(), c.american)
            << (c.all ? c.all : "-") << ' ' << (c.messages ? c.messages : "-") << ' '
            << (c.lang ? c.lang : "-") << ' ' << (c.language ? c.language : "-");
    }
}
