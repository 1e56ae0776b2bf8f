#include <array>

#include "families.h"

namespace oltrave {

FamilyBranch familyBranch(int family) {
    // In the chooser's order.
    static constexpr std::array<FamilyBranch, 8> kBranches{
        plotLinear, plotQuadratic, plotCubic,       plotSine,
        plotCosine, plotTangent,   plotExponential, plotLogarithmic,
    };
    if (family < 0 || family >= static_cast<int>(kBranches.size()))
        return nullptr;
    return kBranches[static_cast<std::size_t>(family)];
}

} // namespace oltrave
