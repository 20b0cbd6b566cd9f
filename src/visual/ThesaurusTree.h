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

// The colour of a word of this kind in generation 1 or 2: synonyms in the two colours above,
// similar terms green, generic terms blue, antonyms red (their edges are dashed too).
TMTColor KindColor(TTermKind kind, int level);

// Builds the two-generation thesaurus tree of a word: the word, the words of one context around
// it, and around each of those the words of its context in the same sense that are not shown
// nearer the root already. The panel and the
// command line build it through this same code. Each node's UserData holds its TTermKind.
class TThesaurusTree
{
public:
    explicit TThesaurusTree(TThesaurus &engine) : engine_(engine) {}

    // Replaces the tree. A context index below 0 looks the contexts up anew (Contexts()) and uses
    // the default one (the first with synonyms); the entry is the word's, else its stem's or a
    // base form's (TThesaurus::FindEntry). Otherwise the index picks one of the contexts of the
    // entry found last, by position. True when the tree has a root.
    bool Rebuild(TMTNodes &nodes, const QString &word, int context, TTreeLimits limits);
    // The contexts of the last lookup that refilled them; empty when the word was not found.
    const std::vector<TThesaurusContext> &Contexts() const { return contexts_; }
    // The context the last Rebuild showed; -1 when none.
    int ShownContext() const { return shown_; }
    // True when the last Rebuild looked the contexts up anew.
    bool Refilled() const { return refilled_; }

    static TTermKind KindOf(const TMTNode &node) { return static_cast<TTermKind>(node.UserData); }

private:
    void FillContexts(const QString &word);
    void BuildRoot(TMTNodes &nodes, int context, TTreeLimits limits);
    void BuildSecond(TMTNodes &nodes, TMTNode &parent, const TThesaurusContext &rootContext,
                     int limit, const QStringList &shown);

    TThesaurus &engine_;
    std::vector<TThesaurusContext> contexts_;
    int shown_ = -1;
    bool refilled_ = false;
};
