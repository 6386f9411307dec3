#include "demo_roster.h"

#include <stdexcept>

namespace vexo::demo {

namespace {

using K = InstitutionKind;

// Beds: therapy, surgery, paediatric, obstetric, infectious, other.
std::vector<Institution> buildRoster() {
    std::vector<Institution> r;
    auto hospital = [&](const char* code, bool urban, std::array<int, BedProfileCount> beds, int visits, int staff,
                        bool centre = false, bool children = false) {
        r.push_back({code, K::Hospital, urban, beds, children, visits, staff, centre});
    };
    auto polyclinic = [&](const char* code, bool urban, int visits, int staff, bool children = false) {
        r.push_back({code, K::Polyclinic, urban, {}, children, visits, staff, false});
    };

    // г. Зелмск
    hospital("010101", true, {180, 160, 0, 0, 0, 140}, 60000, 1450, true);
    hospital("010102", true, {120, 90, 0, 0, 0, 30}, 45000, 620);
    hospital("010103", true, {100, 60, 0, 40, 0, 20}, 40000, 540);
    hospital("010104", true, {0, 40, 150, 0, 30, 20}, 30000, 610, false, true);
    hospital("010105", true, {0, 0, 40, 180, 0, 0}, 20000, 480);
    hospital("010106", true, {0, 0, 0, 0, 150, 0}, 5000, 300);
    polyclinic("010107", true, 180000, 320);
    polyclinic("010108", true, 150000, 280);
    polyclinic("010109", true, 140000, 250, true);
    polyclinic("010110", true, 60000, 120);
    // Березовский район
    hospital("010201", false, {60, 40, 20, 20, 10, 10}, 90000, 420, true);
    hospital("010202", false, {25, 0, 0, 0, 0, 5}, 12000, 60);
    hospital("010203", false, {20, 0, 0, 0, 0, 5}, 10000, 55);
    polyclinic("010204", false, 70000, 110);
    polyclinic("010205", false, 15000, 20);
    polyclinic("010206", false, 12000, 18);
    polyclinic("010207", false, 20000, 30);
    hospital("010208", false, {0, 0, 0, 0, 0, 60}, 8000, 90);
    r.push_back({"010290", K::Territory, false, {}, false, 25000, 45, false});
    // Озёрский район
    hospital("010301", false, {55, 35, 20, 0, 10, 10}, 80000, 380, true);
    hospital("010302", false, {20, 0, 0, 0, 0, 5}, 9000, 50);
    polyclinic("010303", false, 60000, 95);
    polyclinic("010304", false, 12000, 17);
    polyclinic("010305", false, 9000, 14);
    hospital("010306", false, {0, 0, 10, 45, 0, 0}, 6000, 120);
    polyclinic("010307", false, 35000, 60, true);
    // Каменский район; Горнозаводск is a town
    hospital("010401", false, {65, 45, 25, 25, 10, 15}, 95000, 460, true);
    hospital("010402", true, {50, 30, 0, 15, 0, 10}, 40000, 260);
    polyclinic("010403", false, 55000, 90);
    polyclinic("010404", true, 45000, 70);
    polyclinic("010405", false, 10000, 15);
    hospital("010406", false, {0, 0, 0, 0, 0, 80}, 7000, 110);
    r.push_back({"010407", K::Ambulance, false, {}, false, 0, 150, false});
    // Луговской район
    hospital("010501", false, {50, 35, 20, 20, 10, 10}, 75000, 360, true);
    hospital("010502", false, {20, 0, 0, 0, 0, 5}, 9000, 48);
    polyclinic("010503", false, 50000, 85);
    polyclinic("010504", false, 10000, 16);
    polyclinic("010505", false, 8000, 13);
    hospital("010506", false, {0, 0, 0, 0, 0, 40}, 0, 60);
    r.push_back({"010507", K::Ambulance, false, {}, false, 0, 120, false});
    // The rest of the country, so that the country consolidation has figures of its own.
    r.push_back({"019990", K::RestOfCountry, false, {250000, 180000, 90000, 70000, 40000, 170000}, false, 0, 0, false});
    return r;
}

}  // namespace

const std::vector<Institution>& demoRoster() {
    static const std::vector<Institution> roster = buildRoster();
    return roster;
}

const Institution& rosterEntry(const std::string& code) {
    for (const Institution& i : demoRoster())
        if (i.code == code) return i;
    throw std::out_of_range("no demo institution " + code);
}

}  // namespace vexo::demo
