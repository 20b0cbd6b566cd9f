#pragma once

#include "MTNode.h"
#include "Thesaurus.h"

#include <vector>

// How many words each generation of the visual thesaurus may hold.
struct TTreeLimits
{
    int level1 = 4;
    int level2 = 7;
};

// Node colours of the visual thesaurus: the word, its synonyms, and theirs.
constexpr TMTColor RootNodeColor = 33023;     // orange
constexpr TMTColor Level1NodeColor = 4227262; // brown
constexpr TMTColor Level2NodeColor = 8421504; // grey

// Builds the two-generation thesaurus tree of a word: the word, the words of one context around
// it, and around each of those the words of its own first context. The panel and the command
// line build it through this same code.
class TThesaurusTree
{
public:
    explicit TThesaurusTree(TThesaurus &engine) : engine_(engine) {}

    // Replaces the tree. An empty context looks the contexts up anew (Contexts()) and uses the
    // first; the entry is the word's, else its stem's or a base form's (TThesaurus::FindEntry).
    // A context names one of the entry found last. True when the tree has a root.
    bool Rebuild(TMTNodes &nodes, const QString &word, const QString &context, TTreeLimits limits);
    // The contexts of the last lookup that refilled them; empty when the word was not found.
    const std::vector<TThesaurusContext> &Contexts() const { return contexts_; }
    // True when the last Rebuild looked the contexts up anew.
    bool Refilled() const { return refilled_; }

private:
    void FillContexts(const QString &word);
    void BuildLevel(TMTNodes &nodes, const QString &context, TMTNode *parent, TTreeLimits limits);

    TThesaurus &engine_;
    std::vector<TThesaurusContext> contexts_;
    bool refilled_ = false;
};
