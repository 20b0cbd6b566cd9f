#pragma once

#include <QString>

#include <string>

// Reads a whole input file of the command-line tools. Only regular files are read (a device,
// a pipe or a folder would block or never end), and never more than maxBytes; anything else
// throws EFOpenError with a message that names the file.
std::string ReadInputFile(const QString &path, qint64 maxBytes);
