// Reads arbitrary bytes as a binary node stream and as a text outline in both encodings. Bad
// input may only end in the readers' error; whatever was read must survive a second write and
// read unchanged, and a tree control showing it must lay it out, paint it and answer hit tests.
#include "FuzzCheck.h"
#include "MTStream.h"
#include "MetaTree.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>

#include <cstdlib>
#include <memory>

namespace {

using fuzz::Check;

QByteArray Written(const TMTNodes &nodes, int form)
{
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    if (form == 0)
        WriteNodeStream(nodes, out);
    else
        WriteOutline(nodes, out, form == 1);
    return out.data();
}

// Reads the bytes in one form; false when the reader refused them.
bool Read(TMTNodes &nodes, const QByteArray &bytes, int form)
{
    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    try {
        if (form == 0)
            ReadNodeStream(nodes, in);
        else
            ReadOutline(nodes, in, form == 1);
    } catch (const ETreeFormatError &) {
        return false;
    }
    return true;
}

int Depth(const TMTNodes &nodes)
{
    int deepest = 0;
    for (int i = 0; i < nodes.Count(); ++i)
        deepest = std::max(deepest, nodes.Item(i)->Level());
    return deepest;
}

// What the control does with a tree it is given: lay out, paint (with and without label
// placement), hit-test its middle and centre a node.
void Show(TMetaTree &tree, const QByteArray &bytes, int form)
{
    Read(tree.Items(), bytes, form);
    Check(Depth(tree.Items()) <= MaxTreeDepth);
    QImage canvas(tree.size(), QImage::Format_RGB32);
    tree.SetHideOverlappingLabels(form == 1);
    tree.render(&canvas);
    tree.GetNodeAt(tree.width() / 2, tree.height() / 2);
    if (TMTNode *last = tree.Items().Item(tree.Items().Count() - 1)) {
        tree.MoveToCenter(last);
        tree.FinishGlide();
        tree.render(&canvas);
    }
}

std::unique_ptr<TMetaTree> &Tree()
{
    static std::unique_ptr<TMetaTree> tree;
    return tree;
}

} // namespace

// Fontconfig keeps its caches for the life of the process; nothing of ours is left out.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    Tree() = std::make_unique<TMetaTree>();
    Tree()->resize(200, 160);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    for (int form = 0; form < 3; ++form) {
        TMTNodes first;
        Read(first, bytes, form);
        Check(Depth(first) <= MaxTreeDepth);
        const QByteArray once = Written(first, form);
        TMTNodes second;
        Check(Read(second, once, form));
        Check(second.Count() == first.Count());
        Check(Written(second, form) == once);
        Show(*Tree(), bytes, form);
    }
    return 0;
}
