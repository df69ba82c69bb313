#include "presentation/GaugeStack.h"

#include <algorithm>

namespace cdx {

GaugeStack GaugeStack::restackGauges(const std::array<bool, 4>& visible)
{
    GaugeStack stack;
    int next = FirstTop;
    for (std::size_t i = 0; i < visible.size(); ++i) {
        if (visible[i]) {
            stack.tops[i] = next;
            next += Pitch;
        }
    }
    stack.compactHeight = std::max(next + BottomMargin, MinimumHeight);
    return stack;
}

} // namespace cdx
