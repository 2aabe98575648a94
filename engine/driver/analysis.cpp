#include "analysis.hpp"

#include "../io/capacity_report.hpp"
#include "../methods/api.hpp"
#include "../methods/capacity_assembly.hpp"
#include "../methods/fhwa.hpp"
#include "../methods/friction_table.hpp"
#include "../methods/fugro.hpp"
#include "../methods/icp.hpp"
#include "../methods/method_context.hpp"
#include "../methods/ngi.hpp"
#include "../methods/revised_lambda.hpp"
#include "../methods/usace.hpp"
#include "../methods/user_method.hpp"
#include "../methods/uwa.hpp"
#include "../settlement/settlement_steps.hpp"

namespace quvex {
namespace {

using io::ReportMethod;
using methods::MethodResult;

struct MethodInfo {
    int number;          // method number of the input file
    int code;            // method code of the capacity assembly
    ReportMethod report; // its table
    const char* name;
    methods::MethodRun run; // nullptr: not computed by this engine
    methods::EndBearingRule endBearing;
};

// In the order of the report and the plot data file. The user-specified method
// has a run of its own (Passes::userSpecified).
const MethodInfo kMethods[] = {
    {io::kUserSpecified, methods::kCodeUser, ReportMethod::General, "User-specified", nullptr,
     methods::clayEndBearing},
    {io::kFhwa, methods::kCodeFhwa, ReportMethod::Fhwa, "FHWA", methods::runFhwa,
     methods::fhwaUnitEndBearing},
    {io::kUsace, methods::kCodeUsace, ReportMethod::Usace, "USACE", methods::runUsace,
     methods::usaceUnitEndBearing},
    {io::kLambda, methods::kCodeLambda, ReportMethod::Lambda, "Revised Lambda",
     methods::runRevisedLambda, methods::apiUnitEndBearing},
    {io::kApi, methods::kCodeApi, ReportMethod::Api, "API RP-2A", methods::runApi,
     methods::apiUnitEndBearing},
    {io::kNgi, methods::kCodeNgi, ReportMethod::Ngi, "NGI", methods::runNgi,
     methods::ngiUnitEndBearing},
    {io::kIcp, methods::kCodeIcp, ReportMethod::Icp, "ICP/MTD", methods::runIcp,
     methods::icpUnitEndBearing},
    {io::kFugro, methods::kCodeFugro, ReportMethod::Fugro, "Fugro", methods::runFugro,
     methods::fugroUnitEndBearing},
    {io::kUwa, methods::kCodeUwa, ReportMethod::Uwa, "UWA", methods::runUwa,
     methods::uwaUnitEndBearing},
};

const MethodInfo& infoFor(int number) {
    for (const MethodInfo& m : kMethods)
        if (m.number == number) return m;
    return kMethods[0];
}

const MethodInfo& infoForCode(int code) {
    for (const MethodInfo& m : kMethods)
        if (m.code == code) return m;
    return kMethods[0];
}

bool computable(const MethodInfo& m) {
    return m.number == io::kUserSpecified || m.run;
}

// Method blocks the plot data file will hold.
int plotBlockCount(const io::InputData& d) {
    int count = 0;
    for (const MethodInfo& m : kMethods)
        count += computable(m) && d.methodSelected[m.number];
    return count;
}

// Under the revised Lambda table, when its rows stopped short of the last
// increment: that increment for the FHWA, USACE and revised Lambda methods on
// one line.
void writeOnshoreLastIncrement(io::TextOut& report, const io::TableLayout& layout,
                               std::initializer_list<const MethodResult*> onshore) {
    const int n = layout.incrementCount;
    if (io::printedIncrements(n, layout.printInterval, false).back() == n) return;
    const std::size_t point = static_cast<std::size_t>(n - 1);
    auto value = [point](const std::vector<double>& column) {
        return point < column.size() ? column[point] : 0.0;
    };
    io::Line line;
    line.x(5).f(static_cast<double>(point) * layout.increment, 6, 1);
    for (const MethodResult* r : onshore) {
        const bool plugged = point < r->plug.size() && r->plug[point] == 2;
        line.f(value(r->friction.cumulative), 7, 1);
        if (plugged)
            line.f(value(r->tip), 7, 1).t("*");
        else
            line.f(value(r->tip), 8, 1);
        line.f(value(r->ultimate), 8, 1);
    }
    report.line(line);
}

class Passes {
public:
    explicit Passes(RunState& run)
        : run_(run),
          d_(run.input), geometry_{run.embeddedLength,
                                   methods::lastDepthPoint(run.embeddedLength, d_.increment)},
          layout_{run.incrementCount, d_.printInterval, d_.increment, d_.tension} {}

    void pass(int number) {
        run_.profile = methods::buildProfile(d_, d_.points, run_.segmentCount);
        methods::computeStresses(run_.profile, d_);
        for (int code : kOnshore)
            assemble(code);
        if (number == 1) {
            io::writePlotHeader(run_.plot, plotBlockCount(d_),
                                io::plotRowsPerBlock(run_.incrementCount, d_.printInterval),
                                d_.unitSystemValue, d_.method);
            userSpecified();
            // The onshore methods run whether or not they are reported: they
            // may carry the unit load transfers.
            for (int code : kOnshore)
                compute(infoForCode(code));
        }
        // ... and are combined increment by increment, in both passes.
        for (int code : kOnshore)
            methods::formUltimate(code, result(code), run_.profile, geometry_.lastDepthPoint);
        if (number == 1) {
            for (int code : kOnshore)
                report(infoForCode(code));
            return;
        }
        for (int code : kOffshore) {
            const MethodInfo& m = infoForCode(code);
            if (!m.run || (!d_.methodSelected[m.number] && d_.method != m.number)) continue;
            compute(m);
            methods::formUltimate(code, result(code), run_.profile, geometry_.lastDepthPoint);
            report(m);
        }
        settlement::runLoadSettlement(run_);
    }

private:
    static constexpr int kOnshore[] = {methods::kCodeFhwa, methods::kCodeUsace,
                                       methods::kCodeLambda};
    static constexpr int kOffshore[] = {methods::kCodeApi, methods::kCodeNgi, methods::kCodeIcp,
                                        methods::kCodeFugro, methods::kCodeUwa};

    MethodResult& result(int code) { return run_.methods[static_cast<std::size_t>(code)]; }
    io::TextOut& messages(int code) { return messages_[static_cast<std::size_t>(code)]; }

    void assemble(int code) {
        methods::assembleCapacity(code, result(code),
                                  infoForCode(code).endBearing(run_.profile, d_), run_.profile, d_,
                                  geometry_);
    }

    // The method's unit values and friction table, then its capacity assembly.
    void compute(const MethodInfo& m) {
        if (!m.run) return;
        messages(m.code).clear();
        methods::MethodContext context{geometry_.lastDepthPoint, geometry_.embeddedLength,
                                       &messages(m.code)};
        m.run(result(m.code), run_.profile, d_, context);
        result(m.code).computed = true;
        assemble(m.code);
    }

    void userSpecified() {
        MethodResult& r = result(methods::kCodeUser);
        const bool any = methods::hasUserValues(run_.profile);
        if (any) {
            methods::runUserSpecified(r, run_.profile, d_, geometry_.lastDepthPoint);
            if (d_.tension) {
                assemble(methods::kCodeUser);
                methods::formUltimate(methods::kCodeUser, r, run_.profile,
                                      geometry_.lastDepthPoint);
            }
        }
        if (!d_.methodSelected[io::kUserSpecified]) return;
        // Without any user value the plot block still stands, with zeros.
        write(infoFor(io::kUserSpecified), any ? &r : nullptr, any);
    }

    void report(const MethodInfo& m) {
        if (!m.run || !d_.methodSelected[m.number]) return;
        run_.report.text() += messages(m.code).text();
        write(m, &result(m.code), true);
        if (m.code == methods::kCodeLambda)
            writeOnshoreLastIncrement(run_.report, layout_,
                                      {&result(methods::kCodeFhwa), &result(methods::kCodeUsace),
                                       &result(methods::kCodeLambda)});
    }

    void write(const MethodInfo& m, const MethodResult* r, bool table) {
        io::CapacityColumns c;
        if (r)
            c = {&r->friction.cumulative, &r->tip, &r->ultimate, &r->plug,
                 &r->friction.limitedFriction};
        if (table) io::writeCapacityTable(run_.report, m.report, c, layout_, run_.labels);
        io::writePlotBlock(run_.plot, c, layout_);
        if (r) summarise(m, *r);
    }

    void summarise(const MethodInfo& m, const MethodResult& r) {
        MethodCapacity capacity{m.number, m.name, {}};
        for (int k = 0; k <= geometry_.lastDepthPoint; ++k)
            capacity.rows.push_back({k * d_.increment, r.friction.cumulative[k], r.tip[k],
                                     r.ultimate[k],
                                     r.plug[k] == 2 && m.number != io::kUserSpecified});
        run_.result.methods.push_back(std::move(capacity));
    }

    RunState& run_;
    const io::InputData& d_;
    methods::PileGeometry geometry_;
    io::TableLayout layout_;
    std::array<io::TextOut, methods::kMethodCodeCount + 1> messages_;
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
