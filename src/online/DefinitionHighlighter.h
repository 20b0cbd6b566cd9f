#pragma once

#include <QSyntaxHighlighter>

#include <vector>

// The DICT panel's result highlighting, in three stages, each leaving what an earlier stage
// marked: quoted text red (within its line), "[...]" italic and "{...}" underlined blue (within a
// paragraph);
// quoted e-mail lines (">" or "|") coloured by level; internet and e-mail addresses.
class TDefinitionHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT

public:
    explicit TDefinitionHighlighter(QTextDocument *document);

protected:
    void highlightBlock(const QString &text) override;

private:
    void MarkDelimited(const QString &text, std::vector<bool> &claimed);
    void Mark(int start, int length, const QTextCharFormat &format, std::vector<bool> &claimed);
};
