#pragma once

#include "MTNode.h"

#include <vector>

// Decides which labels of a crowded picture are drawn: nearest the focus first, each label that
// would overlap one already placed is hidden (the node is drawn as a small box instead). A grid
// of screen cells keeps each test to the labels nearby, so a pass over a few hundred drawn
// nodes costs well under a millisecond.
class TLabelPlacer
{
public:
    static constexpr int CellSize = 64;

    // Sets LabelHidden on each node by its TextRect, the nodes nearest (focusX, focusY) first.
    static void Place(const std::vector<TMTNode *> &drawn, int focusX, int focusY);
    // How many pairs of the nodes' shown labels overlap.
    static int OverlappingPairs(const std::vector<TMTNode *> &drawn);
};
