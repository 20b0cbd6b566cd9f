#pragma once

#include <QString>

#include <vector>

// The kinds of address the editor underlines, each in a colour of its own.
enum class TLinkKind
{
    Web,   // http:, https:, www.
    Email, // mailto: and bare user@host addresses
    News,  // news:, nntp:, snews:
    File,  // file:
    Other  // any other scheme://
};

// An internet or e-mail address found in a line of text.
struct TTextLink
{
    int start = 0;
    int length = 0;
    TLinkKind kind = TLinkKind::Web;
    QString target; // what opening it asks for: "www." gains "http://", an address "mailto:"

    int end() const { return start + length; }
    bool contains(int position) const { return position >= start && position < end(); }
};

// The addresses of a line, left to right. Trailing sentence punctuation is not part of one.
std::vector<TTextLink> FindLinks(const QString &line);
// The address covering the character at position, if any.
const TTextLink *LinkAt(const std::vector<TTextLink> &links, int position);
