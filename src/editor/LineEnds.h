#pragma once

#include "DocumentFile.h"

#include <QObject>

#include <vector>

class QTextDocument;

// Keeps each paragraph's own line end with it through edits, for a document whose file mixes
// them. A paragraph's end is held in its user state (-1: the document's common end), which
// nothing else in the editor uses.
class TLineEnds : public QObject
{
public:
    using TLineEnd = TDocumentFormat::TLineEnd;

    explicit TLineEnds(QTextDocument *document);

    // After the text is loaded: paragraph n takes ends[n], a paragraph past them common.
    void Apply(const std::vector<TLineEnd> &ends, TLineEnd common);
    // Every paragraph's end but the last one's, which has none; empty when all are common.
    std::vector<TLineEnd> Collect(TLineEnd common) const;

private:
    void Follow(int position, int added);

    QTextDocument *document_;
    int blocks_ = 0;
};
