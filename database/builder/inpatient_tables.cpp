// Hospital tables: beds and patients (1), operations (2), paid services (3),
// the year's bed use derived from table 1 (360) and the archive of bed
// provision (420). Totals are the sums of their rows and every computed column
// holds the value of its formula, so that the demo conditions hold except for
// the deliberate errors.

#include "demo_prng.h"
#include "demo_tables.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vexo::demo::detail {

namespace {

const char* const kQuarters[] = {"I", "II", "III", "IV"};

// Per bed profile: admissions per bed and year, share of deaths among admissions.
constexpr std::array<double, BedProfileCount> kTurnover = {30, 38, 40, 55, 28, 15};
constexpr std::array<double, BedProfileCount> kDeathRate = {0.025, 0.012, 0.002, 0.0005, 0.008, 0.03};

double childShare(const Institution& in, int profile) {
    if (in.childrenOnly) return 1.0;
    switch (profile) {
        case Paediatric: return 1.0;
        case Surgery: return 0.06;
        case Infectious: return 0.35;
        default: return 0.0;
    }
}

long long share(long long n, double part) { return std::llround(static_cast<double>(n) * part); }

// One bed profile in one quarter, in whole units except the average.
struct ProfileQuarter {
    long long beg = 0, end = 0, childEnd = 0;
    std::int64_t avg = 0;  // hundredths: (beg + end) / 2
    long long admitted = 0, admittedChildren = 0, discharged = 0, dischargedChildren = 0;
    long long died = 0, diedChildren = 0, bedDays = 0;
};

using Quarter = std::array<ProfileQuarter, BedProfileCount>;
using Year = std::array<Quarter, 4>;

std::array<Year, kLastYear - kFirstYear + 1> simulateBeds(const Institution& in) {
    DemoPrng g = DemoPrng::forKey("beds/" + in.code);
    std::array<Year, kLastYear - kFirstYear + 1> years{};
    std::array<long long, BedProfileCount> beds{};
    for (int p = 0; p < BedProfileCount; ++p) beds[p] = in.beds[p];
    for (auto& year : years) {
        for (Quarter& quarter : year) {
            for (int p = 0; p < BedProfileCount; ++p) {
                ProfileQuarter& q = quarter[p];
                q.beg = beds[p];
                q.end = q.beg;
                if (q.beg > 0 && g.chance(0.3)) {
                    const long long step = std::max<long long>(1, q.beg / 40);
                    q.end = std::max<long long>(0, q.beg + g.between(-step, step));
                }
                beds[p] = q.end;
                const double part = childShare(in, p);
                q.childEnd = share(q.end, part);
                q.avg = (q.beg + q.end) * 50;
                const double avgBeds = static_cast<double>(q.avg) / 100.0;
                if (avgBeds <= 0) continue;
                q.admitted = std::llround(avgBeds * kTurnover[p] / 4.0 * g.real(0.9, 1.1));
                q.admittedChildren = share(q.admitted, part);
                q.died = std::llround(static_cast<double>(q.admitted) * kDeathRate[p] * g.real(0.7, 1.3));
                const long long staying = g.between(0, std::max<long long>(1, q.admitted / 50));
                q.discharged = std::max<long long>(0, q.admitted - q.died - staying);
                q.dischargedChildren = share(q.discharged, part);
                q.diedChildren = share(q.died, part);
                q.bedDays = std::llround(avgBeds * 91.0 * g.real(0.82, 0.95));
            }
        }
    }
    return years;
}

std::int64_t ratio(double numerator, double denominator) {
    return denominator > 0 ? ratioHundredths(numerator / denominator) : 0;
}

void putBedRow(DataRow& row, const ProfileQuarter& q) {
    put(row, "n3", units(q.beg));
    put(row, "n4", units(q.end));
    put(row, "n5", units(q.childEnd));
    put(row, "n6", q.avg);
    put(row, "n7", units(q.admitted));
    put(row, "n8", units(q.admittedChildren));
    put(row, "n9", units(q.discharged));
    put(row, "n10", units(q.dischargedChildren));
    put(row, "n11", units(q.died));
    put(row, "n12", units(q.diedChildren));
    put(row, "n13", units(q.bedDays));
    put(row, "n14", ratio(static_cast<double>(q.bedDays) * 100.0, static_cast<double>(q.avg)));
    put(row, "n15", ratio(static_cast<double>(q.died) * 100.0, static_cast<double>(q.discharged + q.died)));
}

ProfileQuarter sum(const Quarter& quarter) {
    ProfileQuarter t;
    for (const ProfileQuarter& q : quarter) {
        t.beg += q.beg;
        t.end += q.end;
        t.childEnd += q.childEnd;
        t.avg += q.avg;
        t.admitted += q.admitted;
        t.admittedChildren += q.admittedChildren;
        t.discharged += q.discharged;
        t.dischargedChildren += q.dischargedChildren;
        t.died += q.died;
        t.diedChildren += q.diedChildren;
        t.bedDays += q.bedDays;
    }
    return t;
}

void addBedTable(DemoData& data, const Institution& in, int year, int quarter, const Quarter& q) {
    putBedRow(data.add(1, in.code, kQuarters[quarter], year, rowCode(1)), sum(q));
    for (int p = 0; p < BedProfileCount; ++p)
        putBedRow(data.add(1, in.code, kQuarters[quarter], year, rowCode(p + 2)), q[p]);
}

// Operations follow the surgical admissions; deaths after operations never
// exceed the deaths on surgical beds nor 5 % of the operations.
void addOperationsTable(DemoData& data, const Institution& in, int year, int quarter, const ProfileQuarter& surgery,
                        DemoPrng& g) {
    constexpr std::array<double, 4> kShare = {0.35, 0.08, 0.27, 0.07};  // rows 02-05; the rest is row 06
    constexpr std::array<double, 5> kEndoscopic = {0.4, 0.25, 0.1, 0.15, 0.1};
    const long long operations = std::llround(static_cast<double>(surgery.admitted) * g.real(0.55, 0.7));
    std::array<long long, 5> ops{};
    long long rest = operations;
    for (size_t i = 0; i < kShare.size(); ++i) {
        ops[i] = static_cast<long long>(std::floor(static_cast<double>(operations) * kShare[i]));
        rest -= ops[i];
    }
    ops[4] = rest;

    long long deaths = std::min({std::llround(static_cast<double>(operations) * g.real(0.005, 0.015)), surgery.died,
                                 operations * 5 / 100});
    std::array<long long, 5> died{};
    died[0] = std::min(ops[0], (deaths + 1) / 2);
    died[3] = std::min(ops[3], deaths - died[0]);
    died[4] = std::min(ops[4], deaths - died[0] - died[3]);

    long long totals[4] = {0, 0, 0, 0};
    DataRow& total = data.add(2, in.code, kQuarters[quarter], year, rowCode(1));
    for (size_t i = 0; i < ops.size(); ++i) {
        DataRow& row = data.add(2, in.code, kQuarters[quarter], year, rowCode(static_cast<int>(i) + 2));
        const long long children = in.childrenOnly ? ops[i] : share(ops[i], 0.05);
        const long long endoscopic = share(ops[i], kEndoscopic[i]);
        put(row, "n3", units(ops[i]));
        put(row, "n4", units(children));
        put(row, "n5", units(endoscopic));
        put(row, "n6", units(died[i]));
        put(row, "n7", ratio(static_cast<double>(died[i]) * 100.0, static_cast<double>(ops[i])));
        totals[0] += ops[i];
        totals[1] += children;
        totals[2] += endoscopic;
        totals[3] += died[i];
    }
    put(total, "n3", units(totals[0]));
    put(total, "n4", units(totals[1]));
    put(total, "n5", units(totals[2]));
    put(total, "n6", units(totals[3]));
    put(total, "n7", ratio(static_cast<double>(totals[3]) * 100.0, static_cast<double>(totals[0])));
}

void addPaidServicesTable(DemoData& data, const Institution& in, int year, int quarter, const ProfileQuarter& total,
                          DemoPrng& g) {
    static const char* const kNotes[] = {"Открыт кабинет платных услуг", "Договоры ДМС с двумя страховыми компаниями",
                                         "Учтены услуги дневного стационара"};
    DataRow& row = data.add(3, in.code, kQuarters[quarter], year, rowCode(1));
    const long long paying = share(total.discharged, g.real(0.02, 0.06));
    const std::int64_t income = std::llround(static_cast<double>(paying) * g.real(10.0, 25.0) * 100.0);
    const std::int64_t insured = std::llround(static_cast<double>(income) * g.real(0.05, 0.3));
    put(row, "n1", units(paying));
    put(row, "n2", income);
    put(row, "n3", insured);
    put(row, "n4", units(total.end));
    if (g.chance(0.15)) row.cells["c1"] = std::string(kNotes[g.between(0, 2)]);
}

// Table 360 groups the profiles of table 1 into four rows.
constexpr std::array<std::array<bool, BedProfileCount>, 4> kYearRows = {{
    {true, false, false, false, false, false},  // 002 therapy
    {false, true, false, false, false, false},  // 003 surgery
    {false, false, true, false, false, false},  // 004 paediatric
    {false, false, false, true, true, true},    // 005 other
}};

struct YearFigures {
    std::int64_t avg = 0;  // hundredths
    long long bedDays = 0, discharged = 0, died = 0;
};

void putYearRow(DataRow& row, const YearFigures& f, bool withTurnover, bool withLethality) {
    put(row, "n3", f.avg);
    put(row, "n4", units(f.bedDays));
    put(row, "n5", ratio(static_cast<double>(f.bedDays) * 100.0, static_cast<double>(f.avg)));
    put(row, "n6", ratio(static_cast<double>(f.bedDays), static_cast<double>(f.discharged)));
    if (withTurnover)
        put(row, "n7", ratio(static_cast<double>(f.discharged + f.died) * 100.0, static_cast<double>(f.avg)));
    if (withLethality)
        put(row, "n8", ratio(static_cast<double>(f.died) * 100.0, static_cast<double>(f.discharged + f.died)));
}

void addYearTable(DemoData& data, const Institution& in, int year, const Year& quarters, DemoPrng& g) {
    YearFigures total;
    std::array<YearFigures, 4> rows{};
    for (size_t r = 0; r < rows.size(); ++r) {
        std::int64_t avgSum = 0;
        for (const Quarter& q : quarters)
            for (int p = 0; p < BedProfileCount; ++p) {
                if (!kYearRows[r][p]) continue;
                avgSum += q[p].avg;
                rows[r].bedDays += q[p].bedDays;
                rows[r].discharged += q[p].discharged;
                rows[r].died += q[p].died;
            }
        rows[r].avg = std::llround(static_cast<double>(avgSum) / 4.0);
        total.avg += rows[r].avg;
        total.bedDays += rows[r].bedDays;
        total.discharged += rows[r].discharged;
        total.died += rows[r].died;
    }
    putYearRow(data.add(360, in.code, "год", year, rowCode(1)), total, true, true);
    for (size_t r = 0; r < rows.size(); ++r)
        putYearRow(data.add(360, in.code, "год", year, rowCode(static_cast<int>(r) + 2)), rows[r], true, true);
    // Day-stay places are shown for reference and are not part of the total.
    const long long places = in.kind == InstitutionKind::RestOfCountry ? share(total.avg / 100, g.real(0.12, 0.18))
                                                                       : g.between(5, 30);
    put(data.add(360, in.code, "год", year, rowCode(6)), "n3", units(places));
}

// 2015, described by the 2015 version of table 360: more beds then, and no
// turnover or lethality columns yet.
void addEarlierYearTable(DemoData& data, const Institution& in, DemoPrng& g) {
    constexpr int year = 2015;
    YearFigures total;
    std::array<YearFigures, 4> rows{};
    for (size_t r = 0; r < rows.size(); ++r) {
        long long beds = 0;
        double turnover = 0;
        for (int p = 0; p < BedProfileCount; ++p)
            if (kYearRows[r][p]) {
                beds += in.beds[p];
                turnover = std::max(turnover, kTurnover[p]);
            }
        const double avg = static_cast<double>(beds) * 1.12;
        rows[r].avg = std::llround(avg * 10.0) * 10;
        rows[r].bedDays = std::llround(avg * g.real(300.0, 330.0));
        rows[r].discharged = std::llround(avg * turnover * 0.95);
        total.avg += rows[r].avg;
        total.bedDays += rows[r].bedDays;
        total.discharged += rows[r].discharged;
    }
    putYearRow(data.add(360, in.code, "год", year, rowCode(1)), total, false, false);
    for (size_t r = 0; r < rows.size(); ++r)
        putYearRow(data.add(360, in.code, "год", year, rowCode(static_cast<int>(r) + 2)), rows[r], false, false);
}

// Table 420, years 2007, 2010 and 2012, each year in the layout of its own
// description: 2010 adds day-stay beds, 2012 the provision with them and the
// rural population row.
void addArchiveTable(DemoData& data, const Institution& in) {
    DemoPrng g = DemoPrng::forKey("420/" + in.code);
    long long allBeds = 0;
    for (int b : in.beds) allBeds += b;
    const bool city = in.urban;
    const double adultsBase = city ? 420.0 : g.real(28.0, 45.0);
    for (const auto& [year, factor] : {std::pair{2007, 1.30}, std::pair{2010, 1.20}, std::pair{2012, 1.15}}) {
        const double shrink = 1.0 - 0.01 * (year - 2007);
        const long long adultBeds = std::llround(static_cast<double>(allBeds) * 0.85 * factor);
        const long long childBeds = std::llround(static_cast<double>(allBeds) * 0.15 * factor);
        const std::int64_t adults = std::llround(adultsBase * shrink * 10.0) * 10;  // thousands, one decimal
        const std::int64_t children = std::llround(adultsBase * 0.22 * shrink * 10.0) * 10;
        const long long adultDay = year >= 2010 ? g.between(5, 20) : 0;
        const long long childDay = year >= 2010 ? g.between(2, 8) : 0;

        auto fill = [&](DataRow& row, long long beds, std::int64_t population, long long dayBeds) {
            const double people = static_cast<double>(population) / 100.0;
            put(row, "n3", units(beds));
            put(row, "n4", population);
            put(row, "n5", ratio(static_cast<double>(beds) * 10.0, people));
            if (year >= 2010) put(row, "n6", units(dayBeds));
            if (year == 2012) put(row, "n7", ratio(static_cast<double>(beds + dayBeds) * 10.0, people));
        };
        fill(data.add(420, in.code, "год", year, rowCode(1)), adultBeds + childBeds, adults + children,
             adultDay + childDay);
        fill(data.add(420, in.code, "год", year, rowCode(2)), adultBeds, adults, adultDay);
        fill(data.add(420, in.code, "год", year, rowCode(3)), childBeds, children, childDay);
        if (year == 2012) {
            DataRow& rural = data.add(420, in.code, "год", year, rowCode(4));
            if (!city)
                fill(rural, std::llround(static_cast<double>(adultBeds + childBeds) * 0.35),
                     std::llround(static_cast<double>(adults + children) * 0.06) * 10, g.between(2, 8));
        }
    }
}

}  // namespace

void addInpatientTables(DemoData& data, const Institution& in) {
    if (in.kind != InstitutionKind::Hospital && in.kind != InstitutionKind::RestOfCountry) return;
    const auto years = simulateBeds(in);
    DemoPrng g = DemoPrng::forKey("inpatient/" + in.code);
    const bool ownFigures = in.kind == InstitutionKind::Hospital;
    for (int y = kFirstYear; y <= kLastYear; ++y) {
        const Year& quarters = years[static_cast<size_t>(y - kFirstYear)];
        for (int q = 0; q < 4; ++q) {
            addBedTable(data, in, y, q, quarters[q]);
            if (!ownFigures) continue;
            if (in.beds[Surgery] > 0) addOperationsTable(data, in, y, q, quarters[q][Surgery], g);
            addPaidServicesTable(data, in, y, q, sum(quarters[q]), g);
        }
        addYearTable(data, in, y, quarters, g);
    }
    addEarlierYearTable(data, in, g);
    if (in.districtCentre) addArchiveTable(data, in);
}

}  // namespace vexo::demo::detail
