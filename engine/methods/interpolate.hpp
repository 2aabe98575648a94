// Straight-line interpolation in a chart held as a data table.
#pragma once

#include <cassert>
#include <span>

namespace quvex::methods {

// y at x on the polyline through (xs[i], ys[i]); xs increase. Outside the
// table the first or last y holds.
template <typename T>
double interpolateClamped(std::span<const T> xs, std::span<const T> ys, double x) {
    assert(!xs.empty() && xs.size() == ys.size());
    if (x <= xs.front()) return ys.front();
    if (x >= xs.back()) return ys.back();
    std::size_t i = 1;
    while (xs[i] < x)
        ++i;
    const double x0 = xs[i - 1], x1 = xs[i], y0 = ys[i - 1], y1 = ys[i];
    return y0 + (y1 - y0) * (x - x0) / (x1 - x0);
}

template <typename T, std::size_t N>
double interpolateClamped(const T (&xs)[N], const T (&ys)[N], double x) {
    return interpolateClamped(std::span<const T>(xs), std::span<const T>(ys), x);
}

} // namespace quvex::methods
