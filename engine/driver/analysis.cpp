#include "analysis.hpp"

#include "../io/capacity_report.hpp"
#include "../methods/api.hpp"
#include "../methods/capacity_assembly.hpp"
#include "../methods/friction_table.hpp"
#include "../methods/user_specified.hpp"

namespace quvex {
namespace {

using io::ReportMethod;
using methods::MethodResult;

struct MethodInfo {
    int number;          // method number of the input file
    int code;            // method code of the assembly
    ReportMethod report; // its table
    const char* name;
    bool available;      // computed by this engine
};

// In the order of the report and the plot data file.
constexpr MethodInfo kMethods[] = {
    {io::kUserSpecified, methods::kCodeUser, ReportMethod::General, "User-specified", true},
    {io::kFhwa, methods::kCodeFhwa, ReportMethod::Fhwa, "FHWA", false},
    {io::kUsace, methods::kCodeUsace, ReportMethod::Usace, "USACE", false},
    {io::kLambda, methods::kCodeLambda, ReportMethod::Lambda, "Revised Lambda", false},
    {io::kApi, methods::kCodeApi, ReportMethod::Api, "API RP-2A", true},
    {io::kNgi, methods::kCodeNgi, ReportMethod::Ngi, "NGI", false},
    {io::kIcp, methods::kCodeIcp, ReportMethod::Icp, "ICP/MTD", false},
    {io::kFugro, methods::kCodeFugro, ReportMethod::Fugro, "Fugro", false},
    {io::kUwa, methods::kCodeUwa, ReportMethod::Uwa, "UWA", false},
};

const MethodInfo& infoFor(int number) {
    for (const MethodInfo& m : kMethods)
        if (m.number == number) return m;
    return kMethods[0];
}

// Method blocks the plot data file will hold.
int plotBlockCount(const io::InputData& d) {
    int count = 0;
    for (const MethodInfo& m : kMethods) count += m.available && d.methodSelected[m.number];
    return count;
}

// The unit end bearing a method's assembly starts from.
std::vector<double> endBearingFor(int code, const methods::Profile& p) {
    switch (code) {
    case methods::kCodeLambda:
    case methods::kCodeApi: return methods::apiUnitEndBearing(p);
    default: return methods::clayEndBearing(p);
    }
}

class Passes {
public:
    explicit Passes(RunState& run)
        : run_(run), d_(run.input),
          geometry_{run.embeddedLength, methods::lastDepthPoint(run.embeddedLength, d_.increment)},
          layout_{run.incrementCount, d_.printInterval, d_.increment, d_.tension} {}

    void pass(int number) {
        run_.profile = methods::buildProfile(d_, d_.points, run_.segmentCount);
        methods::computeStresses(run_.profile, d_);
        for (int code : {methods::kCodeFhwa, methods::kCodeUsace, methods::kCodeLambda})
            assemble(code);
        if (number == 1) {
            io::writePlotHeader(run_.plot, plotBlockCount(d_),
                                io::plotRowsPerBlock(run_.incrementCount, d_.printInterval),
                                d_.unitSystemValue, d_.method);
            userSpecified();
        }
        // The three onshore methods are combined increment by increment.
        for (int code : {methods::kCodeFhwa, methods::kCodeUsace, methods::kCodeLambda})
            methods::formUltimate(code, result(code), run_.profile, geometry_.lastDepthPoint);
        if (number == 2) api();
    }

private:
    MethodResult& result(int code) { return run_.methods[static_cast<std::size_t>(code)]; }

    void assemble(int code) {
        methods::assembleCapacity(code, result(code), endBearingFor(code, run_.profile),
                                  run_.profile, d_, geometry_);
    }

    void userSpecified() {
        MethodResult& r = result(methods::kCodeUser);
        const bool any = methods::hasUserValues(run_.profile);
        if (any) {
            methods::runUserSpecified(r, run_.profile, d_, geometry_.lastDepthPoint);
            if (d_.tension) {
                assemble(methods::kCodeUser);
                methods::formUltimate(methods::kCodeUser, r, run_.profile, geometry_.lastDepthPoint);
            }
        }
        if (!d_.methodSelected[io::kUserSpecified]) return;
        // Without any user value the block still stands, with zeros.
        report(infoFor(io::kUserSpecified), any ? &r : nullptr, any);
    }

    void api() {
        if (!d_.methodSelected[io::kApi] && d_.method != io::kApi) return;
        MethodResult& r = result(methods::kCodeApi);
        methods::runApi(r, run_.profile, d_, geometry_.lastDepthPoint);
        assemble(methods::kCodeApi);
        methods::formUltimate(methods::kCodeApi, r, run_.profile, geometry_.lastDepthPoint);
        if (d_.methodSelected[io::kApi]) report(infoFor(io::kApi), &r, true);
    }

    void report(const MethodInfo& m, const MethodResult* r, bool table) {
        io::CapacityColumns c;
        if (r) c = {&r->friction.cumulative, &r->tip, &r->ultimate, &r->plug,
                    &r->friction.limitedFriction};
        if (table) io::writeCapacityTable(run_.report, m.report, c, layout_, run_.labels);
        io::writePlotBlock(run_.plot, c, layout_);
        if (r) summarise(m, *r);
    }

    void summarise(const MethodInfo& m, const MethodResult& r) {
        MethodCapacity capacity{m.number, m.name, {}};
        for (int k = 0; k <= geometry_.lastDepthPoint; ++k)
            capacity.rows.push_back({k * d_.increment, r.friction.cumulative[k], r.tip[k],
                                     r.ultimate[k], r.plug[k] == 2 && m.number != io::kUserSpecified});
        run_.result.methods.push_back(std::move(capacity));
    }

    RunState& run_;
    const io::InputData& d_;
    methods::PileGeometry geometry_;
    io::TableLayout layout_;
};

} // namespace

void runCapacityPasses(RunState& run) {
    run.result.tension = run.input.tension;
    run.result.lengthUnit = run.input.english() ? "ft" : "m";
    run.result.forceUnit = run.input.english() ? "kips" : "kN";
    Passes passes(run);
    passes.pass(1);
    passes.pass(2);
}

} // namespace quvex
