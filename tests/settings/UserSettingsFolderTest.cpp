#include "AppFolders.h"
#include "ReadOnlyInstall.h"
#include "Settings.h"
#include "TempDir.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <gtest/gtest.h>

// An install that ships no settings.ini, in a folder the user cannot write: the first change of
// a setting makes the per-user folder, which does not exist yet on a fresh account.
TEST(UserSettingsFolderTest, TheFirstWriteMakesTheUsersFolderWhenNoSettingsWereShipped)
{
    TempDir app, home;
    OverrideAppFolder(app.path());
    TConfigHome configHome(home.file("config"));
    TDictSettings::FreeInstance();
    {
        TReadOnlyPath install({app.path()});
        const QString own =
            QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/settings.ini";
        ASSERT_TRUE(own.startsWith(home.file("config/")));
        TDictSettings &settings = TDictSettings::Instance();
        EXPECT_EQ(settings.FileName(), own);
        EXPECT_TRUE(settings.IsFirstRun());
        EXPECT_NO_THROW(settings.SetHeight(500));
        EXPECT_TRUE(QFile::exists(own));
        TDictSettings::FreeInstance();
        EXPECT_EQ(TDictSettings::Instance().GetHeight(), 500) << "the next start reads it";
        TDictSettings::FreeInstance();
    }
    OverrideAppFolder(QString());
    EXPECT_TRUE(QDir(app.path()).isEmpty()) << "the install was written to";
}
