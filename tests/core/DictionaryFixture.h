#pragma once

#include "AppFolders.h"
#include "DictionaryList.h"
#include "Settings.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <QObject>
#include <QStringList>

#include <initializer_list>
#include <utility>

// Each test gets an empty application folder of its own and fresh single instances.
class DictionaryFixture : public ::testing::Test
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
                   std::initializer_list<std::pair<const char *, const char *>> e)
    {
        TDIWordListWriter writer;
        for (const auto &[k, v] : e)
            writer.Add(k, v);
        writer.SaveToFile(dir.file(name));
    }

    TempDir dir;
};

// Records every notification it hears, with the word current at that moment.
class Listener
{
public:
    void Heard(QObject *) { words << TDictionaryList::Instance().GetWord(); }
    QStringList words;
};
