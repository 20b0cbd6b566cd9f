#include "ThesaurusTree.h"

#include <algorithm>
#include <functional>

namespace {

// BeginUpdate and EndUpdate around a build, however it ends.
class TBatch
{
public:
    explicit TBatch(TMTNodes &nodes) : host_(nodes.Host())
    {
        if (host_)
            host_->BeginUpdate();
    }
    ~TBatch()
    {
        if (host_)
            host_->EndUpdate();
    }
    TBatch(const TBatch &) = delete;
    TBatch &operator=(const TBatch &) = delete;

private:
    TMTTreeHost *host_;
};

bool SameWord(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The words of the context's four lists in order, up to the limit, leaving out the words
// already on the path to them; the limit is tested after adding, so a limit of 0 or less still
// gives one word.
void AddWords(TMTNodes &nodes, TMTNode *under, const TThesaurusContext &context, int limit,
              const QStringList &skip)
{
    const int level = under->Level() + 1;
    for (int list = 0; list < TThesaurusContext::ListCount; ++list) {
        const auto kind = static_cast<TTermKind>(list);
        for (const QString &word : context.lists[list]) {
            if (std::any_of(skip.begin(), skip.end(),
                            [&word](const QString &s) { return SameWord(s, word); }))
                continue;
            TMTNode *node = nodes.Add(under, word);
            node->SetExpanded(true);
            node->SetColor(KindColor(kind, level));
            node->UserData = static_cast<quintptr>(kind);
            node->DashedEdge = kind == TTermKind::Antonym;
            if (--limit <= 0)
                return;
        }
    }
}

// The meaning of a level-1 word that stays in the sense of the root's: the one that lists the
// root word (the first of skip), else one of the same part of speech (with synonyms first), else
// its default; only meanings with a word to show besides those of skip are taken.
int SameSense(const TThesaurus &engine, const QStringList &skip,
              const TThesaurusContext &rootContext)
{
    const auto &contexts = engine.Contexts();
    const auto offers = [&skip](const TThesaurusContext &c) {
        const QStringList words = c.AllWords();
        return std::any_of(words.begin(), words.end(), [&skip](const QString &w) {
            return std::none_of(skip.begin(), skip.end(),
                                [&w](const QString &s) { return SameWord(s, w); });
        });
    };
    const std::function<bool(const TThesaurusContext &)> preferences[] = {
        [&](const auto &c) { return c.Relates(skip.front()); },
        [&](const auto &c) { return c.kind == rootContext.kind && c.HasSynonyms(); },
        [&](const auto &c) { return c.kind == rootContext.kind; },
        [](const auto &c) { return c.HasSynonyms(); }, [](const auto &) { return true; }};
    for (const auto &preferred : preferences) {
        const auto found = std::find_if(contexts.begin(), contexts.end(),
                                        [&](const auto &c) { return preferred(c) && offers(c); });
        if (found != contexts.end())
            return static_cast<int>(found - contexts.begin());
    }
    return -1;
}

} // namespace

TMTColor KindColor(TTermKind kind, int level)
{
    const bool first = level <= 1;
    switch (kind) {
    case TTermKind::Synonym:
        return first ? Level1NodeColor : Level2NodeColor;
    case TTermKind::Similar:
        return first ? 0x6E823C : 0x788064; // green, greyer beyond
    case TTermKind::Generic:
        return first ? 0xA06450 : 0x96766E; // blue, greyer beyond
    case TTermKind::Antonym:
        return first ? 0x3232B4 : 0x505096; // red, greyer beyond
    }
    return Level2NodeColor;
}

bool TThesaurusTree::Rebuild(TMTNodes &nodes, const QString &word, int context, TTreeLimits limits)
{
    const TBatch batch(nodes);
    nodes.Clear();
    refilled_ = context < 0;
    if (refilled_)
        FillContexts(word);
    BuildRoot(nodes, context, limits);
    return nodes.Root() != nullptr;
}

void TThesaurusTree::FillContexts(const QString &word)
{
    contexts_.clear();
    engine_.CloseDataFile();
    if (!engine_.FindEntry(word).isEmpty())
        contexts_ = engine_.Contexts();
}

void TThesaurusTree::BuildRoot(TMTNodes &nodes, int context, TTreeLimits limits)
{
    shown_ = -1;
    const QString word = engine_.LookupWord();
    engine_.CloseDataFile();
    if (!engine_.Lookup(word))
        return;
    shown_ = context < 0 ? engine_.DefaultContextIndex() : context;
    if (shown_ >= engine_.ContextCount())
        shown_ = -1;
    TMTNode *root = nodes.Add(nullptr, word);
    root->SetColor(RootNodeColor);
    if (shown_ < 0)
        return;
    // A copy: the lookups of the level-1 words replace the engine's contexts.
    const TThesaurusContext chosen = engine_.Context(shown_);
    AddWords(nodes, root, chosen, limits.level1, {word});
    const std::vector<TMTNode *> level1 = root->Children();
    // Words already shown nearer the root are not repeated further out: the root first.
    QStringList shown{word};
    for (const TMTNode *child : level1)
        shown << child->Text();
    for (TMTNode *child : level1)
        BuildSecond(nodes, *child, chosen, limits.level2, shown);
    engine_.CloseDataFile();
    engine_.Lookup(word);
}

void TThesaurusTree::BuildSecond(TMTNodes &nodes, TMTNode &parent,
                                 const TThesaurusContext &rootContext, int limit,
                                 const QStringList &shown)
{
    // An antonym's own synonyms are of the opposite sense: they stay out.
    if (KindOf(parent) == TTermKind::Antonym)
        return;
    engine_.CloseDataFile();
    if (!engine_.Lookup(parent.Text()))
        return;
    const int sense = SameSense(engine_, shown, rootContext);
    if (sense >= 0)
        AddWords(nodes, &parent, engine_.Context(sense), limit, shown);
}
