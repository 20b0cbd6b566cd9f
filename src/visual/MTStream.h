#pragma once

#include "MTNode.h"

#include <QIODevice>
#include <QString>

#include <stdexcept>

// A stored tree that cannot be read: the stream ended early, a level has no parent, a number is
// not a number, or the tree nests deeper than any view can show.
class ETreeFormatError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Deepest level either reader accepts; deeper trees are refused rather than risking the stack of
// every recursive walk that shows them.
constexpr int MaxTreeDepth = 1000;

// The binary node stream: one record per node in pre-order, no header. Labels are cut to 127
// UTF-16 units (never halving a surrogate pair).
void WriteNodeStream(const TMTNodes &nodes, QIODevice &out);
// Replaces the tree by the one the stream holds; throws ETreeFormatError. The nodes read before
// an error stay.
void ReadNodeStream(TMTNodes &nodes, QIODevice &in);

// The text outline: "#" then Level, Text, Color, Image and StateImage lines for each node, CR LF
// line ends; UTF-16 little-endian (unicode) or UTF-8 (8-bit). No byte-order mark here.
void WriteOutline(const TMTNodes &nodes, QIODevice &out, bool unicode);
// Replaces the tree by the outline from the device's position to its end; throws
// ETreeFormatError with the nodes read so far kept.
void ReadOutline(TMTNodes &nodes, QIODevice &in, bool unicode);

// The number in an outline value: decimal, or hexadecimal after "$", "x" or "0x"; 32 bits, with
// hexadecimal taken as unsigned. False when the text is not such a number.
bool ParseOutlineInt(const QString &text, qint32 &value);
