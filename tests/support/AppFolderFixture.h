#pragma once

#include "AppFolders.h"
#include "DIAnsiStringHash.h"
#include "DictionaryList.h"
#include "Settings.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

// Each test gets an empty application folder of its own and fresh single instances of the
// settings store and the dictionary set.
class AppFolderFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TDictionaryList::FreeInstance();
        TDictSettings::FreeInstance();
        OverrideAppFolder(dir.path());
    }
    void TearDown() override
    {
        TDictionaryList::FreeInstance();
        TDictSettings::FreeInstance();
    }

    void WriteList(const QString &name,
                   std::initializer_list<std::pair<const char *, const char *>> entries)
    {
        TDIWordListWriter writer;
        for (const auto &[key, value] : entries)
            writer.Add(key, value);
        writer.SaveToFile(dir.file(name));
    }

    TempDir dir;
};
