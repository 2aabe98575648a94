#include "transfer_inputs.hpp"

#include "../io/input_data.hpp"

#include <cstddef>

namespace quvex::settlement {
namespace {

// Depth point `point` of a column, zero where the column stops short.
double valueAt(const std::vector<double>& column, int point) {
    if (point < 0 || point >= static_cast<int>(column.size())) return 0.0;
    return column[static_cast<std::size_t>(point)];
}

} // namespace

int methodCodeOf(int methodNumber) {
    switch (methodNumber) {
    case io::kFhwa:
        return methods::kCodeFhwa;
    case io::kUsace:
        return methods::kCodeUsace;
    case io::kLambda:
        return methods::kCodeLambda;
    case io::kApi:
        return methods::kCodeApi;
    case io::kUserSpecified:
        return methods::kCodeUser;
    case io::kNgi:
        return methods::kCodeNgi;
    case io::kIcp:
        return methods::kCodeIcp;
    case io::kFugro:
        return methods::kCodeFugro;
    case io::kUwa:
        return methods::kCodeUwa;
    default:
        return 0;
    }
}

TransferInputs copyChosenMethod(const methods::MethodResult& r, int incrementCount,
                                double increment) {
    TransferInputs in;
    in.increment = increment;
    const std::size_t size = static_cast<std::size_t>(incrementCount > 0 ? incrementCount : 0) + 1;
    in.sideResistance.assign(size, 0.0);
    in.tipResistance.assign(size, 0.0);
    for (int k = 1; k <= incrementCount; ++k) {
        in.sideResistance[static_cast<std::size_t>(k)] = valueAt(r.friction.settlement, k - 1);
        in.tipResistance[static_cast<std::size_t>(k)] = valueAt(r.tipUnfactored, k - 1);
    }
    return in;
}

} // namespace quvex::settlement
