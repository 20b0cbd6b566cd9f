#pragma once

#include "AppFolderFixture.h"
#include "DictionaryList.h"

#include <gtest/gtest.h>

#include <QObject>
#include <QStringList>

#include <initializer_list>
#include <utility>

using DictionaryFixture = AppFolderFixture;

// Records every notification it hears, with the word current at that moment.
class Listener
{
public:
    void Heard(QObject *) { words << TDictionaryList::Instance().GetWord(); }
    QStringList words;
};
