#pragma once

#include <array>
#include <string>
#include <vector>

namespace vexo::demo {

// Bed profiles of table 1 in the order of its rows 002-007.
enum BedProfile { Therapy, Surgery, Paediatric, Obstetric, Infectious, OtherBeds, BedProfileCount };

enum class InstitutionKind {
    Hospital,     // beds: tables 1, 2, 3, 360; outpatient work when it has visits
    Polyclinic,   // outpatient tables 4/6 and 5
    Ambulance,    // staff only
    Territory,    // a plain territory of feldsher posts: outpatient and infections
    RestOfCountry // the rest of the country: beds only, in large figures
};

// What the data generator knows about a member of the codifier. The names
// live in the codifier script; this is the size and shape of each one.
struct Institution {
    std::string code;  // KODIF.A
    InstitutionKind kind;
    bool urban;                               // urban residents: tables 4 and 7, else 6 and 9
    std::array<int, BedProfileCount> beds{};  // beds at the start of the first demo year
    bool childrenOnly = false;
    int visits = 0;      // outpatient visits per half-year
    int staff = 0;       // employees (physical persons)
    bool districtCentre = false;  // reports births and deaths, the archive table 420 and a staff list
};

const std::vector<Institution>& demoRoster();
const Institution& rosterEntry(const std::string& code);

// The years with entered data of the current tables.
inline constexpr int kFirstYear = 2023;
inline constexpr int kLastYear = 2024;

}  // namespace vexo::demo
