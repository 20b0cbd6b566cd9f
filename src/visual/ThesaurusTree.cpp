#include "ThesaurusTree.h"

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

// The words of the context's four lists in order, up to the limit; the limit is tested after
// adding, so a limit of 0 or less still gives one word.
void AddWords(TMTNodes &nodes, TMTNode *under, const TThesaurusContext &context, int limit,
              TMTColor color)
{
    for (const QStringList &list : context.lists)
        for (const QString &synonym : list) {
            TMTNode *node = nodes.Add(under, synonym);
            node->SetExpanded(true);
            node->SetColor(color);
            if (--limit <= 0)
                return;
        }
}

} // namespace

bool TThesaurusTree::Rebuild(TMTNodes &nodes, const QString &word, const QString &context,
                             TTreeLimits limits)
{
    const TBatch batch(nodes);
    nodes.Clear();
    refilled_ = context.isEmpty();
    if (refilled_)
        FillContexts(word);
    BuildLevel(nodes, context, nullptr, limits);
    return nodes.Root() != nullptr;
}

void TThesaurusTree::FillContexts(const QString &word)
{
    contexts_.clear();
    engine_.CloseDataFile();
    if (!engine_.FindEntry(word).isEmpty())
        contexts_ = engine_.Contexts();
}

void TThesaurusTree::BuildLevel(TMTNodes &nodes, const QString &context, TMTNode *parent,
                                TTreeLimits limits)
{
    const QString remembered = engine_.LookupWord();
    const QString word = parent ? parent->Text() : remembered;
    engine_.CloseDataFile();
    if (engine_.Lookup(word)) {
        TMTNode *under = parent;
        if (!parent) {
            under = nodes.Add(nullptr, word);
            under->SetColor(RootNodeColor);
        }
        const TThesaurusContext *chosen = nullptr;
        for (const TThesaurusContext &each : engine_.Contexts())
            if (context.isEmpty() || each.word == context) {
                chosen = &each;
                break;
            }
        if (chosen)
            AddWords(nodes, under, *chosen, parent ? limits.level2 : limits.level1,
                     parent ? Level2NodeColor : Level1NodeColor);
    }
    if (parent)
        return;
    if (TMTNode *root = nodes.Root()) {
        const std::vector<TMTNode *> level1 = root->Children();
        for (TMTNode *child : level1)
            BuildLevel(nodes, QString(), child, limits);
    }
    engine_.CloseDataFile();
    engine_.Lookup(remembered);
}
