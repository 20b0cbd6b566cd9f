#pragma once

#include "TempDir.h"

#include <QByteArray>
#include <QString>

#include <map>
#include <string>
#include <vector>

// Writes a small thesaurus in the MyThes format: for each word its meaning lines, each
// "(pos)|term|term...". The files are dir/name.idx and dir/name.dat.
inline void WriteThesaurus(const TempDir &dir, const QString &name,
                           const std::map<std::string, std::vector<std::string>> &entries)
{
    QByteArray data = "UTF-8\n";
    QByteArray index = "UTF-8\n" + QByteArray::number(int(entries.size())) + "\n";
    for (const auto &[word, meanings] : entries) { // std::map keeps them sorted
        index += QByteArray::fromStdString(word) + "|" + QByteArray::number(data.size()) + "\n";
        data +=
            QByteArray::fromStdString(word) + "|" + QByteArray::number(int(meanings.size())) + "\n";
        for (const std::string &meaning : meanings)
            data += QByteArray::fromStdString(meaning) + "\n";
    }
    dir.write(name + QStringLiteral(".idx"), index);
    dir.write(name + QStringLiteral(".dat"), data);
}
