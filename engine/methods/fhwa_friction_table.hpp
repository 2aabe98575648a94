// The friction table of the FHWA and USACE methods. It differs from the API
// table: the maximum unit friction is the segment's own (no default), the
// friction at the surface is not reduced in tension, each depth point's unit
// friction is limited before the next increment averages it, and the
// perimeter may change with depth (tapered piles).
#pragma once

#include "method_result.hpp"
#include "profile.hpp"

#include "../io/input_data.hpp"

#include <functional>

namespace quvex::methods {

// Perimeter (ft or m) of the increment that ends at depth point k.
using IncrementPerimeter = std::function<double(int k)>;

// Fills `r.friction` over depth points 0 .. n from the segment pairs
// frictionTop/frictionBottom.
void accumulateLimitedFriction(MethodResult& r, const Profile& p, const io::InputData& d, int n,
                               const IncrementPerimeter& perimeterAt);

} // namespace quvex::methods
