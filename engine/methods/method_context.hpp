// What a capacity method is handed besides the profile and the input.
#pragma once

#include "method_result.hpp"
#include "profile.hpp"

#include "../io/fixed_format.hpp"
#include "../io/input_data.hpp"

#include <vector>

namespace quvex::methods {

struct MethodContext {
    int lastDepthPoint = 0;          // n: depth points 0 .. n
    double embeddedLength = 0.0;     // pile length below the ground
    io::TextOut* messages = nullptr; // the method's report messages, printed before its table
};

// Unit side friction, load-transfer pairs, friction table and unit end bearing
// of one method. The result keeps the plug states of its last assembly.
using MethodRun = void (*)(MethodResult& r, Profile& p, const io::InputData& d,
                           MethodContext& context);

// Unit end bearing at the stress points 1 .. 2·ns + 1 that the capacity
// assembly of a method starts from.
using EndBearingRule = std::vector<double> (*)(const Profile& p, const io::InputData& d);

} // namespace quvex::methods
