#pragma once

#include "TempDir.h"

#include <QFile>
#include <QString>

// The system's American English dictionary, as the build copies it into the application folder.
inline const QString SystemAffixFile = QStringLiteral("/usr/share/hunspell/en_US.aff");
inline const QString SystemDictionaryFile = QStringLiteral("/usr/share/hunspell/en_US.dic");

// Copies the American English dictionary into dir as the application folder holds it.
inline bool CopySpellingDictionary(const TempDir &dir)
{
    return QFile::copy(SystemAffixFile, dir.file(QStringLiteral("en_US.aff"))) &&
           QFile::copy(SystemDictionaryFile, dir.file(QStringLiteral("en_US.dic")));
}
