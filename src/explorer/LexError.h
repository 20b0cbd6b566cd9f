#pragma once

#include <stdexcept>
#include <string>

// A damaged or misused word-explorer database; the message is shown to the user as it stands.
class ELexError : public std::runtime_error
{
public:
    explicit ELexError(const std::string &message) : std::runtime_error(message) {}
};

// The word a sense was asked for is not one of its words.
class ELexKeyWordError : public ELexError
{
public:
    explicit ELexKeyWordError(const std::string &message) : ELexError(message) {}
};

// Encoding was asked for nothing.
class ECompressError : public std::runtime_error
{
public:
    ECompressError() : std::runtime_error("") {}
};
