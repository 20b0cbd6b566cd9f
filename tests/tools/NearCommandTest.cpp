#include "TolvaneCli.h"

#include "TempDir.h"

#include "DIAnsiStringHash.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

void Write(const TempDir &dir, const char *name,
           std::vector<std::pair<std::string, std::string>> entries)
{
    TDIWordListWriter writer;
    for (const auto &[k, v] : entries)
        writer.Add(k, v);
    writer.SaveToFile(dir.file(name));
}

} // namespace

TEST(NearCommand, PrintsNearRhymesBestFirstAndReportsNothingOrBadUsage)
{
    TempDir dir;
    Write(dir, "rdict.dat",
          {{"love", "AH V"}, {"enough", "AH F"}, {"AH V", "love#dove"}, {"AH F", "enough#bluff"}});
    Write(dir, "near.dat",
          {{"AH V", "dove@10#love@10"},
           {"AH F", "enough@10#bluff@50"},
           {"AH Z", "does@10"},
           {"@1", "AH V#AH F#AH Z"}});
    struct TCase
    {
        QStringList args;
        int status;
        std::string out;
    };
    const TCase cases[] = {
        {{"near", "Love!"}, 0, "enough\nbluff\ndoes\n"},
        {{"near", "enough"}, 0, "dove\nlove\ndoes\n"},
        {{"near", "zzzq"}, 1, ""},
        {{"near"}, 2, ""},
    };
    for (const TCase &c : cases) {
        std::ostringstream out, err;
        TTolvaneCli cli(dir.path(), out, err);
        EXPECT_EQ(cli.Run(c.args), c.status) << c.args.join(' ').toStdString();
        EXPECT_EQ(out.str(), c.out) << c.args.join(' ').toStdString();
        EXPECT_EQ(err.str().empty(), c.status != 2) << err.str();
    }
}

TEST(NearCommand, AMissingDataFileIsAnError)
{
    TempDir dir;
    Write(dir, "rdict.dat", {{"love", "AH V"}});
    std::ostringstream out, err;
    TTolvaneCli cli(dir.path(), out, err);
    EXPECT_EQ(cli.Run({"near", "love"}), 2);
    EXPECT_NE(err.str().find("near.dat"), std::string::npos) << err.str();
}
