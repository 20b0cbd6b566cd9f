// The hyperbolic tree: one step of a view drag over a 1000-node tree at 800 x 600 (layout and
// a full paint, the cost of every drag frame) and at 600 x 600 with label placement, building
// and showing the visual thesaurus for "bright" with the default limits, the wall time of a
// 20-frame centring glide, the layout of a 10 000-node tree, and how long centring a node of it
// (or one 1 000 levels deep) blocks, with how far the node ends from the centre.
#include "AppFolders.h"
#include "BenchSupport.h"
#include "DictionaryList.h"
#include "MetaTree.h"
#include "frmVisThesaurus.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// A root, 10 children, 10 under each and 9 under each of those: 1011 nodes.
std::unique_ptr<TMetaTree> ThousandNodes()
{
    auto tree = std::make_unique<TMetaTree>();
    tree->resize(800, 600);
    tree->show();
    tree->BeginUpdate();
    TMTNodes &nodes = tree->Items();
    TMTNode *root = nodes.Add(nullptr, QStringLiteral("centre"));
    for (int i = 0; i < 10; ++i) {
        TMTNode *a = nodes.Add(root, QStringLiteral("word %1").arg(i));
        for (int j = 0; j < 10; ++j) {
            TMTNode *b = nodes.Add(a, QStringLiteral("word %1.%2").arg(i).arg(j));
            for (int k = 0; k < 9; ++k)
                nodes.Add(b, QStringLiteral("w %1.%2.%3").arg(i).arg(j).arg(k));
        }
    }
    tree->EndUpdate();
    QCoreApplication::processEvents();
    return tree;
}

// A root, 100 children and 99 under each: 10 001 nodes.
std::unique_ptr<TMetaTree> TenThousandNodes()
{
    auto tree = std::make_unique<TMetaTree>();
    tree->resize(800, 600);
    tree->show();
    tree->BeginUpdate();
    TMTNodes &nodes = tree->Items();
    TMTNode *root = nodes.Add(nullptr, QStringLiteral("centre"));
    for (int i = 0; i < 100; ++i) {
        TMTNode *a = nodes.Add(root, QStringLiteral("word %1").arg(i));
        for (int j = 0; j < 99; ++j)
            nodes.Add(a, QStringLiteral("w %1.%2").arg(i).arg(j));
    }
    tree->EndUpdate();
    QCoreApplication::processEvents();
    return tree;
}

// The distance in pixels from the node's centre to the view's centre.
double Miss(const TMetaTree &tree, const TMTNode &node)
{
    return std::hypot(node.ScreenX - tree.Geometry().CenterX,
                      node.ScreenY - tree.Geometry().CenterY);
}

void Layout10k(benchmark::State &state)
{
    auto tree = TenThousandNodes();
    for (auto _ : state)
        tree->LayoutNodes(tree->Root());
    state.counters["nodes"] = tree->Items().Count();
}

// The call itself (the glide's frames follow on a timer), then the glide is finished untimed.
void CentreIn10k(benchmark::State &state)
{
    auto tree = TenThousandNodes();
    int i = 0;
    double worst = 0;
    for (auto _ : state) {
        TMTNode *node = tree->Items().Item(1 + (i * 7919) % (tree->Items().Count() - 1));
        i = (i + 1) % 5000;
        tree->MoveToCenter(node);
        state.PauseTiming();
        tree->FinishGlide();
        worst = std::max(worst, Miss(*tree, *node));
        tree->MoveToCenter(tree->Root());
        tree->FinishGlide();
        state.ResumeTiming();
    }
    state.counters["worst_miss_px"] = worst;
}

// A chain 1 000 levels deep below a small tree.
void CentreDeep(benchmark::State &state)
{
    auto tree = ThousandNodes();
    tree->BeginUpdate();
    TMTNode *deep = tree->Root()->Child(0);
    for (int i = 0; i < 1000; ++i)
        deep = tree->Items().Add(deep, QStringLiteral("d%1").arg(i));
    tree->EndUpdate();
    double worst = 0;
    for (auto _ : state) {
        tree->MoveToCenter(deep);
        state.PauseTiming();
        tree->FinishGlide();
        worst = std::max(worst, Miss(*tree, *deep));
        tree->MoveToCenter(tree->Root());
        tree->FinishGlide();
        state.ResumeTiming();
    }
    state.counters["worst_miss_px"] = worst;
}

void Move(QWidget *target, QPoint at, Qt::MouseButtons buttons)
{
    QMouseEvent move(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, buttons,
                     Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

void DragFrame(benchmark::State &state)
{
    auto tree = ThousandNodes();
    const QPoint centre(400, 300);
    QMouseEvent press(QEvent::MouseButtonPress, centre, tree->mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tree.get(), &press);
    int step = 0;
    for (auto _ : state) {
        step = (step + 7) % 200;
        Move(tree.get(), centre + QPoint(step - 100, (step % 50) - 25), Qt::LeftButton);
        tree->repaint();
    }
    state.counters["nodes"] = tree->Items().Count();
}

// A drag frame at 600 x 600 with overlapping labels left out; counts the labels drawn.
void DragFramePlaced(benchmark::State &state)
{
    auto tree = ThousandNodes();
    tree->resize(600, 600);
    tree->SetHideOverlappingLabels(true);
    const QPoint centre(300, 300);
    QMouseEvent press(QEvent::MouseButtonPress, centre, tree->mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tree.get(), &press);
    int step = 0;
    for (auto _ : state) {
        step = (step + 7) % 200;
        Move(tree.get(), centre + QPoint(step - 100, (step % 50) - 25), Qt::LeftButton);
        tree->repaint();
    }
    int labels = 0;
    for (const TMTNode *node : tree->DrawnNodes())
        labels += node->LabelHidden ? 0 : 1;
    state.counters["labels"] = labels;
}

std::unique_ptr<TfrmVisualThesaurus> ShownPanel()
{
    RegisterVisualPanels();
    std::unique_ptr<TfrmVisualThesaurus> panel(qobject_cast<TfrmVisualThesaurus *>(
        TDictFrame::Create(QStringLiteral("TfrmVisualThesaurus"), nullptr,
                           TDictionaryList::Instance().GetMode())));
    panel->resize(800, 640);
    panel->show();
    panel->ShowTree(true);
    return panel;
}

// One iteration: the word changes to "bright", the tree is rebuilt and its first frame shown.
void BuildBright(benchmark::State &state)
{
    TDictionaryList &dict = TDictionaryList::Instance();
    const auto panel = ShownPanel();
    for (auto _ : state) {
        dict.SetWord(QStringLiteral("bright"));
        panel->MetaTree1()->repaint();
        state.PauseTiming();
        panel->MetaTree1()->FinishGlide();
        dict.SetWord(QStringLiteral("zzzzq"));
        state.ResumeTiming();
    }
    dict.SetWord(QStringLiteral("bright"));
    state.counters["nodes"] = panel->MetaTree1()->Items().Count();
}

// Wall time of a glide from the root to a far node and back, 20 frames each way.
void Glide(benchmark::State &state)
{
    auto tree = ThousandNodes();
    tree->SetAutoMoveSpeed(1);
    TMTNode *far = tree->Root()->Child(3)->Child(4);
    bool there = false;
    for (auto _ : state) {
        tree->MoveToCenter(there ? tree->Root() : far);
        there = !there;
        while (tree->Gliding())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
}

} // namespace

BENCHMARK(DragFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(DragFramePlaced)->Unit(benchmark::kMillisecond);
BENCHMARK(Layout10k)->Unit(benchmark::kMillisecond);
// Each iteration also finishes two glides untimed: a fixed count keeps the run short.
BENCHMARK(CentreIn10k)->Unit(benchmark::kMillisecond)->Iterations(60);
BENCHMARK(CentreDeep)->Unit(benchmark::kMillisecond)->Iterations(60);
BENCHMARK(BuildBright)->Unit(benchmark::kMillisecond);
BENCHMARK(Glide)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(6);

int main(int argc, char **argv)
{
    return bench::RunBenchmarks(argc, argv, [](const QDir &folder) {
        const QString app = QStringLiteral(TOLVANE_APP_DIR "/thesaurus.");
        for (const char *ext : {"idx", "dat"})
            QFile::copy(app + QLatin1String(ext),
                        folder.filePath(QStringLiteral("thesaurus.") + QLatin1String(ext)));
        return QFileInfo::exists(folder.filePath(QStringLiteral("thesaurus.idx")));
    });
}
