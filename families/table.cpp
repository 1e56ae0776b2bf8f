#include <array>

#include "model/familytable.h"

namespace oltrave {

// Each family unit defines its description.
extern const FamilyDescription kLinearFamily;
extern const FamilyDescription kQuadraticFamily;
extern const FamilyDescription kCubicFamily;
extern const FamilyDescription kSineFamily;
extern const FamilyDescription kCosineFamily;
extern const FamilyDescription kTangentFamily;
extern const FamilyDescription kExponentialFamily;
extern const FamilyDescription kLogarithmicFamily;

namespace {

// In the chooser's order.
constexpr std::array<const FamilyDescription*, 8> kTable{
    &kLinearFamily, &kQuadraticFamily, &kCubicFamily,       &kSineFamily,
    &kCosineFamily, &kTangentFamily,   &kExponentialFamily, &kLogarithmicFamily,
};

} // namespace

int familyCount() {
    return static_cast<int>(kTable.size());
}

const FamilyDescription* familyDescription(int family) {
    if (family < 0 || family >= familyCount())
        return nullptr;
    return kTable[static_cast<std::size_t>(family)];
}

} // namespace oltrave
