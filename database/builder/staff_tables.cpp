// Staff tables: staff by groups of personnel (table 200, yearly) and the list
// of employees of the central hospitals (table 10).

#include "demo_prng.h"
#include "demo_tables.h"
#include "person_names.h"

#include <array>
#include <cmath>
#include <vector>

namespace vexo::demo::detail {

namespace {

// Share of doctors, nurses, junior staff and others (rows 02-05).
std::array<double, 4> staffShares(InstitutionKind kind) {
    switch (kind) {
        case InstitutionKind::Polyclinic: return {0.30, 0.45, 0.08, 0.17};
        case InstitutionKind::Ambulance: return {0.08, 0.60, 0.05, 0.27};
        case InstitutionKind::Territory: return {0.00, 0.85, 0.05, 0.10};
        default: return {0.17, 0.43, 0.22, 0.18};
    }
}

// Posts are counted in quarters of a full-time post.
std::int64_t quarterPosts(double posts) { return std::llround(posts * 4.0) * 25; }

// Each year starts with the staff the previous year ended with; a group
// changes by at most a tenth of itself (plus one), so the inter-year check
// (at least 80 % of last year's staff) holds.
void addStaffTable(DemoData& data, const Institution& in, DemoPrng& g) {
    const auto shares = staffShares(in.kind);
    std::array<long long, 4> persons{};
    for (size_t i = 0; i < persons.size(); ++i)
        persons[i] = std::llround(static_cast<double>(in.staff) * shares[i]);
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        std::array<std::int64_t, 4> total{};
        std::array<DataRow*, 5> rows{};
        for (int r = 0; r < 5; ++r) rows[static_cast<size_t>(r)] = &data.add(200, in.code, "год", year, rowCode(r + 1));
        for (size_t i = 0; i < persons.size(); ++i) {
            const long long begin = persons[i];
            const long long end = begin == 0 ? 0 : begin + g.between(-(begin / 10), begin / 10 + 1);
            persons[i] = end;
            const std::int64_t established = end == 0 ? 0 : quarterPosts(static_cast<double>(end) * g.real(1.1, 1.35));
            const std::int64_t occupied =
                quarterPosts(static_cast<double>(established) / 100.0 * g.real(0.85, 0.98));
            DataRow& row = *rows[i + 1];
            put(row, "n3", established);
            put(row, "n4", occupied);
            put(row, "n5", units(begin));
            put(row, "n6", units(end));
            if (established > 0)
                put(row, "n7", ratioHundredths(static_cast<double>(occupied) * 100.0 / static_cast<double>(established)));
            total[0] += established;
            total[1] += occupied;
            total[2] += units(begin);
            total[3] += units(end);
        }
        DataRow& all = *rows[0];
        put(all, "n3", total[0]);
        put(all, "n4", total[1]);
        put(all, "n5", total[2]);
        put(all, "n6", total[3]);
        if (total[0] > 0)
            put(all, "n7", ratioHundredths(static_cast<double>(total[1]) * 100.0 / static_cast<double>(total[0])));
    }
}

struct Employee {
    std::string name;
    std::string position;  // DOLGN.A
    char group;            // SPRDATE "personal": '1' doctors ... '4' others
    int hiredYear, hiredMonth, hiredDay;
    long long rateQuarters;  // 4 = one full post
    std::string category;    // SPRDATE "kateg"
    int experienceAtHire;
};

struct Position {
    const char* code;
    char group;
};
const Position kPositions[] = {{"001", '1'}, {"002", '1'}, {"010", '1'}, {"011", '1'}, {"012", '1'},
                               {"013", '1'}, {"015", '1'}, {"020", '2'}, {"021", '2'}, {"022", '2'},
                               {"023", '2'}, {"024", '2'}, {"030", '3'}, {"031", '3'}, {"040", '4'},
                               {"041", '4'}};

Employee hire(DemoPrng& g, int fromYear, int toYear, const char* position = nullptr) {
    Employee e;
    const Position* p = nullptr;
    if (position) {
        for (const Position& candidate : kPositions)
            if (std::string(candidate.code) == position) p = &candidate;
    } else {
        p = &kPositions[g.between(2, static_cast<long long>(std::size(kPositions)) - 1)];
    }
    e.position = p->code;
    e.group = p->group;
    e.name = personName(g, p->group == '1' ? g.chance(0.5) : g.chance(0.2));
    e.hiredYear = static_cast<int>(g.between(fromYear, toYear));
    e.hiredMonth = static_cast<int>(g.between(1, 12));
    e.hiredDay = static_cast<int>(g.between(1, 28));
    static const long long kRates[] = {4, 4, 4, 3, 2, 1};
    e.rateQuarters = kRates[g.between(0, 5)];
    e.category = e.group <= '2' ? std::to_string(g.between(1, 4)) : "4";
    e.experienceAtHire = static_cast<int>(g.between(0, 8));
    return e;
}

void putEmployee(DataRow& row, const Employee& e, int year) {
    static const char* const kEducation[] = {"Высшее", "Среднее профессиональное", "Без медицинского образования"};
    row.listRow = true;
    row.cells["c1"] = e.name;
    row.cells["s1"] = e.position;
    row.cells["s2"] = e.category;
    row.cells["c2"] = std::string(kEducation[e.group == '1' ? 0 : e.group == '2' ? 1 : 2]);
    row.cells["s3"] = std::string(e.group <= '2' ? "1" : "2");
    row.cells["d1"] = fb::Date{e.hiredYear, e.hiredMonth, e.hiredDay};
    put(row, "n1", e.rateQuarters * 25);
    put(row, "n2", units(e.experienceAtHire + (year - e.hiredYear)));
}

// The same people both years: one leaves after the first year, one comes.
void addEmployeeList(DemoData& data, const Institution& in, DemoPrng& g) {
    std::vector<Employee> staff;
    staff.push_back(hire(g, 1995, 2015, "001"));
    const long long count = g.between(7, 10);
    for (long long i = 0; i < count; ++i) staff.push_back(hire(g, 1990, 2022));
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        if (year > kFirstYear) {
            staff.erase(staff.begin() + static_cast<long>(g.between(1, static_cast<long long>(staff.size()) - 1)));
            staff.push_back(hire(g, year, year));
        }
        for (const Employee& e : staff) putEmployee(data.add(10, in.code, "год", year, rowCode(1)), e, year);
    }
}

}  // namespace

void addStaffTables(DemoData& data, const Institution& in) {
    if (in.kind == InstitutionKind::RestOfCountry) return;
    DemoPrng g = DemoPrng::forKey("staff/" + in.code);
    addStaffTable(data, in, g);
    if (in.districtCentre) addEmployeeList(data, in, g);
}

}  // namespace vexo::demo::detail
