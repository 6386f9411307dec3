// Outpatient tables: visits of urban (table 4) or rural (table 6) residents
// per half-year, and the list of doctors by speciality (table 5).

#include "demo_prng.h"
#include "demo_tables.h"

#include <cmath>
#include <vector>

namespace vexo::demo::detail {

namespace {

const char* const kHalves[] = {"Iп", "IIп"};

long long share(long long n, double part) { return std::llround(static_cast<double>(n) * part); }

void putVisits(DataRow& row, long long all, long long children, long long elderly) {
    put(row, "n3", units(all));
    put(row, "n4", units(children));
    put(row, "n5", units(elderly));
    if (all > 0) put(row, "n6", ratioHundredths(static_cast<double>(children) * 100.0 / static_cast<double>(all)));
}

// Rows: 01 all visits = 02 (illness) + 03 (prevention); 04 home visits, part of 01.
void addVisitsTable(DemoData& data, const Institution& in, int year, int half, DemoPrng& g) {
    const int table = in.urban ? 4 : 6;
    const double season = half == 0 ? 1.0 : 0.95;
    const long long all = std::llround(in.visits * season * g.real(0.92, 1.08));
    const long long illness = share(all, g.real(0.6, 0.7));
    const long long prevention = all - illness;
    const long long home = share(all, g.real(0.02, 0.06));
    const double childPart = in.childrenOnly ? 1.0 : g.real(0.12, 0.22);
    const double elderlyPart = in.childrenOnly ? 0.0 : g.real(0.2, 0.35);

    const long long illnessChildren = share(illness, childPart), illnessElderly = share(illness, elderlyPart);
    const long long preventionChildren = share(prevention, childPart),
                    preventionElderly = share(prevention, elderlyPart);
    const char* period = kHalves[half];
    putVisits(data.add(table, in.code, period, year, rowCode(1)), all, illnessChildren + preventionChildren,
              illnessElderly + preventionElderly);
    putVisits(data.add(table, in.code, period, year, rowCode(2)), illness, illnessChildren, illnessElderly);
    putVisits(data.add(table, in.code, period, year, rowCode(3)), prevention, preventionChildren, preventionElderly);
    putVisits(data.add(table, in.code, period, year, rowCode(4)), home, share(home, childPart),
              share(home, elderlyPart));
}

// Specialities (SPEC codes) a polyclinic lists in table 5.
std::vector<std::string> specialityCodes(const Institution& in, DemoPrng& g) {
    if (in.code == "010110" || in.code == "010207") return {"009"};  // dental clinics
    if (in.childrenOnly) return {"002", "005", "006", "007"};
    std::vector<std::string> pool = {"001", "003", "004", "005", "006", "007", "008", "010"};
    std::vector<std::string> chosen;
    while (chosen.size() < 4) {
        const auto i = static_cast<size_t>(g.between(0, static_cast<long long>(pool.size()) - 1));
        chosen.push_back(pool[i]);
        pool.erase(pool.begin() + static_cast<long>(i));
    }
    return chosen;
}

void addSpecialityList(DemoData& data, const Institution& in, DemoPrng& g) {
    const std::vector<std::string> codes = specialityCodes(in, g);
    std::vector<long long> doctors;
    for (size_t i = 0; i < codes.size(); ++i) doctors.push_back(codes.size() == 1 ? g.between(6, 12) : g.between(1, 8));
    for (int year = kFirstYear; year <= kLastYear; ++year)
        for (const char* half : kHalves)
            for (size_t i = 0; i < codes.size(); ++i) {
                DataRow& row = data.add(5, in.code, half, year, rowCode(1));
                row.listRow = true;
                const long long visits = doctors[i] * g.between(1800, 2600);
                row.cells["s1"] = codes[i];
                row.cells["s2"] = std::string(in.urban ? "1" : "2");
                put(row, "n1", units(doctors[i]));
                put(row, "n2", units(visits));
                put(row, "n3", ratioHundredths(static_cast<double>(visits) / static_cast<double>(doctors[i])));
                if (g.chance(0.1)) row.cells["c1"] = std::string("С учётом совместителей");
            }
}

}  // namespace

void addOutpatientTables(DemoData& data, const Institution& in) {
    const bool outpatient = in.visits > 0 && (in.kind == InstitutionKind::Hospital ||
                                              in.kind == InstitutionKind::Polyclinic ||
                                              in.kind == InstitutionKind::Territory);
    if (!outpatient) return;
    DemoPrng g = DemoPrng::forKey("outpatient/" + in.code);
    for (int year = kFirstYear; year <= kLastYear; ++year)
        for (int half = 0; half < 2; ++half) addVisitsTable(data, in, year, half, g);
    if (in.kind == InstitutionKind::Polyclinic) addSpecialityList(data, in, g);
}

}  // namespace vexo::demo::detail
