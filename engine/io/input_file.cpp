#include "input_file.hpp"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace quvex::io {
namespace {

std::string fmtValue(double v) {
    std::ostringstream os;
    os << v;
    return os.str();
}

// Codes that select a table row or a branch must be within their range.
int readCode(RecordReader& r, std::string_view name, long long lo, long long hi) {
    const long long v = r.readInteger(name);
    if (v < lo || v > hi)
        r.fail(std::string(name) + " must be " + std::to_string(lo) + " to " + std::to_string(hi) +
               ", found " + std::to_string(v));
    return static_cast<int>(v);
}

// Counts of repeated records: not negative, and small enough to be a real count.
std::size_t readCount(RecordReader& r, std::string_view name) {
    const long long v = r.readInteger(name);
    if (v < 0) r.fail(std::string(name) + " must not be negative, found " + std::to_string(v));
    if (v > 10'000'000) r.fail(std::string(name) + " " + std::to_string(v) + " is too large");
    return static_cast<std::size_t>(v);
}

// A flag or option read as an integer that is only compared with 1.
long long readFlag(RecordReader& r, std::string_view name) {
    return r.readInteger(name);
}

void requirePositive(RecordReader& r, std::string_view name, double v) {
    if (!(v > 0.0)) r.fail(std::string(name) + " must be greater than 0, found " + fmtValue(v));
}

void readSoilPoint(RecordReader& r, InputData& d, std::size_t index) {
    const std::string where = "record 10, soil point " + std::to_string(index + 1);
    SoilPoint p;
    r.beginRecord(where + ", record A");
    p.depth = r.readReal("depth");
    if (!d.points.empty() && p.depth < d.points.back().depth)
        r.fail("depth " + fmtValue(p.depth) + " is above the depth " +
               fmtValue(d.points.back().depth) + " of the point before it");
    p.typeValue = r.readReal("soil type");
    if (p.typeValue != 1.0 && p.typeValue != 2.0 && p.typeValue != 3.0)
        r.fail("soil type must be 1 (sand), 2 (clay) or 3 (silt), found " + fmtValue(p.typeValue));
    p.type = static_cast<int>(p.typeValue);
    p.ko = r.readReal("Ko");
    p.unitWeight = r.readReal("effective unit weight");
    p.frictionAngle = r.readReal("friction angle");
    p.nq = r.readReal("Nq");

    r.beginRecord(where + ", record B");
    p.maxFriction = r.readReal("maximum unit side friction");
    p.maxEndBearing = r.readReal("maximum unit end bearing");
    p.su = r.readReal("undrained shear strength");
    p.b4 = r.readReal("remolded shear strength or blow count");
    p.b5 = r.readReal("yield stress ratio");
    p.plasticityIndex = r.readReal("plasticity index");
    p.qc = r.readReal("cone tip resistance");
    p.userFriction = r.readReal("user unit side friction");
    p.userEndBearing = r.readReal("user unit end bearing");
    p.lrfdFriction = r.readReal("LRFD factor on unit side friction");
    p.lrfdEndBearing = r.readReal("LRFD factor on unit end bearing");

    // Sand and silt carry the blow count in B4; it belongs in B5.
    if (p.type == 1 || p.type == 3) {
        p.b5 = p.b4;
        p.b4 = 0.0;
    }
    if (d.submergenceDepth >= kNoSubmergence) {
        const double limit = d.english() ? 75.0 : 12.0;
        if (p.unitWeight < limit) d.submergenceDepth = p.depth;
    }
    if (d.english()) {
        p.maxFriction /= 1000.0;
        p.maxEndBearing /= 1000.0;
        p.su /= 1000.0;
        p.b4 /= 1000.0;
    }
    if (p.maxFriction < 1.0E-10f) {
        p.maxFriction = kNoLimit;
        p.unlimitedFriction = true;
    }
    if (p.maxEndBearing < 1.0E-10f) {
        p.maxEndBearing = kNoLimit;
        p.unlimitedBearing = true;
    }
    d.points.push_back(p);
}

} // namespace

void readDataFile(std::string_view text, const std::string& fileName, InputData& d) {
    RecordReader r(text, fileName);
    d.title = r.readLine("record 1 (title)", 72);
    d.designer = r.readLine("record 2 (designer)", 72);
    d.jobNumber = r.readLine("record 3 (job number)", 72);

    r.beginRecord("record 4");
    d.unitSystemValue = static_cast<int>(std::clamp(r.readInteger("UnitSystem"), -9LL, 9LL));
    d.units = d.unitSystemValue == 1 ? UnitSystem::English : UnitSystem::SI;
    d.printInterval = r.readInteger("PrintInterval");
    if (d.printInterval <= 0)
        r.fail("PrintInterval must be 1 or more, found " + std::to_string(d.printInterval));
    const std::size_t pointCount = readCount(r, "soil point count");
    if (pointCount < 2)
        r.fail("the soil profile needs at least one layer (two soil points), found " +
               std::to_string(pointCount) + " point(s)");
    d.closedEnd = readFlag(r, "ClosedEnd") == 1;

    r.beginRecord("record 5");
    d.perimeter = r.readReal("Perimeter");
    d.tipAreaAsRead = r.readReal("TipArea");
    d.outerDiameterAsRead = r.readReal("OuterDiameter");
    d.innerDiameterAsRead = r.readReal("InnerDiameter");
    d.elasticModulus = r.readReal("ElasticModulus");
    d.totalLength = r.readReal("TotalLength");
    d.stickupLength = r.readReal("StickupLength");
    d.tipArea = d.english() ? d.tipAreaAsRead / 144.0 : d.tipAreaAsRead;
    d.outerDiameter = d.outerDiameterAsRead;
    d.innerDiameter = d.innerDiameterAsRead;
    if (d.perimeter > 1.0E-10f) {
        d.innerDiameter = 0.0;
        d.outerDiameter = d.perimeter * 1.0 / 3.1416f;
    } else if (!(d.outerDiameter > 0.0)) {
        r.fail("OuterDiameter of a circular pile must be greater than 0, found " +
               fmtValue(d.outerDiameter));
    }
    requirePositive(r, "ElasticModulus", d.elasticModulus);
    requirePositive(r, "TotalLength", d.totalLength);
    if (d.stickupLength < 0.0)
        r.fail("StickupLength must not be negative, found " + fmtValue(d.stickupLength));
    if (d.stickupLength > d.totalLength)
        r.fail("StickupLength " + fmtValue(d.stickupLength) + " is longer than TotalLength " +
               fmtValue(d.totalLength));

    r.beginRecord("record 6");
    d.endSectionLength = r.readReal("EndSectionLength");
    d.endSectionInnerDiameter = r.readReal("EndSectionInnerDiameter");
    d.hasEndSection = d.endSectionLength >= 1.0E-5f;
    if (!d.hasEndSection) {
        d.endSectionInnerDiameter = d.innerDiameter;
        d.endSectionLength = d.totalLength - 1.0E-7f;
    }

    r.beginRecord("record 7");
    d.zeroFrictionLength = r.readReal("ZeroFrictionLength");
    d.increment = r.readReal("Increment");
    requirePositive(r, "Increment", d.increment);
    d.materialType = readCode(r, "MaterialType", 1, 7);
    d.taperAngle = r.readReal("TaperAngle");
    if (d.taperAngle > 0.0 && d.tipArea <= 1.0E-4f) {
        // The taper must leave a tip: OD less twice the embedded length times tan ω.
        const double od = d.outerDiameter / (d.english() ? 12.0 : 1000.0);
        const double embedded = d.totalLength - d.stickupLength;
        if (od - 2.0 * embedded * std::tan(d.taperAngle * 0.01745f) <= 0.0)
            r.fail("TaperAngle " + fmtValue(d.taperAngle) +
                   " narrows the pile to nothing above its tip");
    }
    d.method = readCode(r, "Method", 1, kMethodCount);
    d.reserved = r.readInteger("reserved value");
    d.reducedResistance = readFlag(r, "ReducedResistance") == 1;

    r.beginRecord("record 8");
    for (int m = 1; m <= kMethodCount; ++m)
        d.methodSelected[m] = readCode(r, "MethodSelected " + std::to_string(m), 0, 1) == 1;

    r.beginRecord("record 9");
    d.profileBottom = r.readReal("profile bottom depth");
    d.constantArea = r.readReal("ConstantArea");

    d.points.reserve(pointCount);
    for (std::size_t i = 0; i < pointCount; ++i)
        readSoilPoint(r, d, i);

    r.beginRecord("record 11");
    d.extraTzCurves = readFlag(r, "ExtraTzCurves") == 1;
    if (d.extraTzCurves) {
        r.beginRecord("record 11a");
        const std::size_t k = readCount(r, "depth count");
        d.extraTzDepths.reserve(k);
        for (std::size_t i = 0; i < k; ++i) {
            r.beginRecord("record 11b, depth " + std::to_string(i + 1));
            d.extraTzDepths.push_back(r.readReal("depth"));
        }
    }

    r.beginRecord("record 12");
    d.loadDirectionValue = r.readInteger("LoadDirection");
    d.tension = d.loadDirectionValue == 1;
    d.tensionReductionFactor = r.readReal("TensionReductionFactor");

    r.beginRecord("record 13");
    d.clayDrained = readFlag(r, "ClayDrained") == 1;
    d.plugCondition = readCode(r, "PlugCondition", 0, 2);

    r.beginRecord("record 14");
    const std::size_t rows = readCount(r, "row count");
    d.areaOption = readCode(r, "AreaOption", 0, 2);
    if (rows > 1) {
        d.areaRows.reserve(rows);
        for (std::size_t i = 0; i < rows; ++i) {
            r.beginRecord("record 14a, row " + std::to_string(i + 1));
            AreaRow row;
            row.distance = r.readReal("distance");
            row.area = r.readReal("area");
            d.areaRows.push_back(row);
        }
    }
    if (d.areaOption == 2 && d.areaRows.empty())
        r.fail("AreaOption 2 needs a cross-section table of at least two rows");

    r.beginRecord("record 15");
    d.criticalDepthOption = readCode(r, "CriticalDepthOption", 0, 2);
    d.criticalDepth = r.readReal("CriticalDepth");
    if (d.criticalDepthOption == 2 && d.criticalDepth < 0.0)
        r.fail("CriticalDepth must not be negative, found " + fmtValue(d.criticalDepth));
}

void readCptFile(std::string_view text, const std::string& fileName, InputData& d) {
    RecordReader r(text, fileName);
    r.beginRecord("record 1");
    r.readInteger("unit flag");
    const std::size_t count = readCount(r, "CPT point count");
    d.cpt.clear();
    d.cpt.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        r.beginRecord("CPT point " + std::to_string(i + 1));
        CptPoint p;
        p.depth = r.readReal("depth");
        p.qc = r.readReal("qc");
        if (!d.cpt.empty() && p.depth < d.cpt.back().depth)
            r.fail("depth " + fmtValue(p.depth) + " is above the depth " +
                   fmtValue(d.cpt.back().depth) + " of the point before it");
        d.cpt.push_back(p);
    }
}

std::string readWholeFile(const std::string& path, std::string_view role) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        throw InputError(path, 0, "the " + std::string(role) + " is a folder, not a file");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw InputError(path, 0, "the " + std::string(role) + " cannot be opened");
    std::ostringstream ss;
    ss << in.rdbuf();
    if (in.bad()) throw InputError(path, 0, "the " + std::string(role) + " cannot be read");
    return ss.str();
}

} // namespace quvex::io
