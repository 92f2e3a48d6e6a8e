#pragma once

// For toolkits whose Tab key follows how a window's children are stacked:
// Win32's IsDialogMessageW walks the Z-order and descends into control
// parents; a page's Tab key walks the document order. Puts the controls of
// order, and the containers they lie in (a strip's pages), into that order:
// each control, and each container between it and the window that is not
// placed yet, goes after its siblings, in the order they first appear.

#include <algorithm>
#include <vector>

namespace orvanta::forms {

// parentOf(node) is the container node lies in; placeLast(node) puts node
// after its siblings.
template<class Node, class ParentOf, class PlaceLast>
void StackInTabOrder(const std::vector<Node> &order, Node window, ParentOf parentOf, PlaceLast placeLast)
{
    std::vector<Node> placed;
    std::vector<Node> chain;
    for (const Node &control : order) {
        chain.clear();
        for (Node step = control; step && step != window; step = parentOf(step))
            chain.push_back(step);
        // Outermost first.
        for (auto step = chain.rbegin(); step != chain.rend(); ++step) {
            if (std::find(placed.begin(), placed.end(), *step) != placed.end())
                continue;
            placeLast(*step);
            placed.push_back(*step);
        }
    }
}

} // namespace orvanta::forms
