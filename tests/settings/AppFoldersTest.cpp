#include "AppFolders.h"
#include "AppComponents.h"
#include "ReadOnlyInstall.h"
#include "TempDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <memory>

namespace {

class TProbeComponent : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
};

class TOtherComponent : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
};

TEST(AppFolders, AppFolderIsTheExecutablesFolder)
{
    OverrideAppFolder(QString());
    const QString folder = AppFolder();
    EXPECT_EQ(folder, QCoreApplication::applicationDirPath() + "/");
    EXPECT_EQ(VerseFormsFolder(), folder + "Verse Forms");
    EXPECT_EQ(SamplesFolder(), folder + "Samples");
    EXPECT_EQ(WordExplorerFile(), folder + "cz.lex");
}

TEST(AppFolders, OverrideKeepsTheTrailingDelimiter)
{
    OverrideAppFolder("/opt/Tools/Rhyme");
    EXPECT_EQ(AppFolder(), "/opt/Tools/Rhyme/");
    EXPECT_EQ(VerseFormsFolder(), "/opt/Tools/Rhyme/Verse Forms");
    OverrideAppFolder("/opt/Tools/Rhyme/");
    EXPECT_EQ(AppFolder(), "/opt/Tools/Rhyme/");
    EXPECT_EQ(SamplesFolder(), "/opt/Tools/Rhyme/Samples");
    OverrideAppFolder(QString());
}

TEST(AppFolders, LastFolderLivesInMemory)
{
    SetLastFolder(QString());
    EXPECT_EQ(GetLastFolder(), "");
    SetLastFolder("/home/poet/verses");
    EXPECT_EQ(GetLastFolder(), "/home/poet/verses");
    SetLastFolder(QString());
}

TEST(AppFolders, DocumentsFolderDoesNotThrow)
{
    const QString docs = DocumentsFolder();
    EXPECT_FALSE(docs.endsWith('/') && docs.size() > 1);
}

TEST(AppFolders, FindAppComponentMatchesTheClassNameExactly)
{
    EXPECT_EQ(FindAppComponent("TProbeComponent"), nullptr);
    auto *other = new TOtherComponent(qApp);
    auto *probe = new TProbeComponent(qApp);
    auto *second = new TProbeComponent(qApp);
    EXPECT_EQ(FindAppComponent("TProbeComponent"), probe);
    EXPECT_EQ(FindAppComponent("TOtherComponent"), other);
    EXPECT_EQ(FindAppComponent("tprobecomponent"), nullptr);
    EXPECT_EQ(FindAppComponent("TPROBECOMPONENT"), nullptr);
    EXPECT_EQ(FindAppComponent("TProbe"), nullptr);
    delete probe;
    EXPECT_EQ(FindAppComponent("TProbeComponent"), second);
    delete second;
    delete other;
    EXPECT_EQ(FindAppComponent("TProbeComponent"), nullptr);
}

TEST(AppFolders, FindAppComponentSeesRegisteredComponents)
{
    QObject window;
    auto *panel = new TProbeComponent(&window); // parented by a window, owned by the application
    RegisterAppComponent(panel);
    EXPECT_EQ(FindAppComponent("TProbeComponent"), panel);
    delete panel;
    EXPECT_EQ(FindAppComponent("TProbeComponent"), nullptr);
}

TEST(AppFolders, ListTextFilesListsPlainWritableTextFiles)
{
    TempDir dir;
    dir.write("Sonnet.txt", "a");
    dir.write("Limerick.TXT", "b");
    dir.write("notes.md", "c");
    dir.write("archive.txt.bak", "d");
    dir.write(".hidden.txt", "e");
    const QString readOnly = dir.write("readonly.txt", "f");
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    QFile::link(dir.file("Sonnet.txt"), dir.file("link.txt"));
    QFile::link(dir.file("nowhere"), dir.file("broken.txt"));
    ASSERT_TRUE(QDir().mkpath(dir.file("folder.txt")));

    QStringList list{"kept"};
    ListTextFiles(dir.path(), list);
    ASSERT_FALSE(list.isEmpty());
    EXPECT_EQ(list.first(), "kept"); // appended, not replaced
    list.removeFirst();
    list.sort();
    // A file without its owner's write bit counts as read-only, for root too.
    EXPECT_EQ(list, QStringList({"Limerick.TXT", "Sonnet.txt"}));

    QStringList none;
    ListTextFiles(dir.file("no such folder"), none);
    EXPECT_TRUE(none.isEmpty());
}

TEST(AppFolders, ListTextFilesOfAReadOnlyInstallListsItsReadOnlyFiles)
{
    TempDir dir;
    dir.write("Sonnet.txt", "a");
    dir.write(".hidden.txt", "b");
    const QString readOnly = dir.write("Limerick.txt", "c");
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    TReadOnlyPath install({dir.path()});
    ASSERT_FALSE(QFile(dir.file("probe")).open(QIODevice::WriteOnly)) << "folder writable";
    QStringList list;
    ListTextFiles(dir.path(), list);
    list.sort();
    EXPECT_EQ(list, QStringList({"Limerick.txt", "Sonnet.txt"}));
}

} // namespace

#include "AppFoldersTest.moc"
