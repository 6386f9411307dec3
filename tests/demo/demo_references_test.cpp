// The demo reference lists, codifier, settings and users.

#include "demo_database.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace vexo;
using namespace vexo::test;

namespace {

std::set<std::string> textSet(fb::Attachment& db, const std::string& sql) {
    std::set<std::string> out;
    for (const auto& r : queryRows(db, sql)) out.insert(textOf(r[0]));
    return out;
}

const std::vector<std::string> kSprdateGroups = {
    "pv2",    "personal", "medses",  "uvol",     "dprik_sr", "dprik_vr", "gorselo",  "kateg",
    "harakter", "stepen", "kal2006", "3",        "4",        "5",        "kvartal",  "IstFin",
    "OS",     "YesNo",    "diskovod", "memory",  "proces",   "takt",     "TipObraz", "HarObraz",
    "TipDolgn", "NazDolgn", "stavka", "AfterVuz", "mes",     "god10_12", "organ",    "fakultet"};

struct Member {
    std::string a, name, composition, raion;
};

std::map<std::string, Member> codifierByMemberCode(fb::Attachment& db) {
    std::map<std::string, Member> out;
    for (const auto& r : queryRows(db, "select C, A, B, A3, RAION from KODIF"))
        out[textOf(r[0])] = {textOf(r[1]), textOf(r[2]), textOf(r[3]), textOf(r[4])};
    return out;
}

// The institutions and plain territories a consolidation covers, nesting resolved.
void expand(const std::map<std::string, Member>& codifier, const std::string& code, std::set<std::string>& out,
            int depth = 0) {
    ASSERT_LT(depth, 10) << "compositions run in a circle at " << code;
    const Member& m = codifier.at(code);
    if (m.composition.empty()) {
        out.insert(code);
        return;
    }
    for (size_t i = 0; i < m.composition.size(); i += 4) expand(codifier, m.composition.substr(i, 4), out, depth + 1);
}

}  // namespace

TEST(DemoReferences, PeriodsInTheOrderThePeriodListReadsThem) {
    fb::Attachment db = DemoDatabase::attach();
    std::vector<std::string> codes, names;
    for (const auto& r : queryRows(db, "select A, B from PERIOD")) {
        codes.push_back(textOf(r[0]));
        names.push_back(textOf(r[1]));
    }
    const std::vector<std::string> expected = {"I",  "II", "III", "IV", "Iп",  "IIп", "год", "01",  "02",
                                               "03", "04", "05",  "06", "07",  "08",  "09",  "10",  "11",
                                               "12", "102", "104", "105", "107", "108", "110", "111", "1-3"};
    ASSERT_EQ(codes, expected);
    EXPECT_EQ(names[0], "I квартал");
    EXPECT_EQ(names[6], "Весь год");
    EXPECT_EQ(names[7], "Январь");
    EXPECT_EQ(names[19], "Январь - Февраль");
    // The workspace finds a period by the first name that begins with the
    // chosen one: no name may be preceded by a longer name starting with it.
    for (size_t i = 0; i < names.size(); ++i)
        for (size_t j = 0; j < i; ++j)
            EXPECT_NE(names[j].rfind(names[i], 0), 0u) << names[j] << " hides " << names[i];
}

TEST(DemoReferences, EverySmallReferenceGroupIsFilled) {
    fb::Attachment db = DemoDatabase::attach();
    std::map<std::string, long long> counts;
    for (const auto& r : queryRows(db, "select GR, count(*) from SPRDATE group by GR"))
        counts[textOf(r[0])] = r[1].toInt64();
    EXPECT_EQ(counts.size(), kSprdateGroups.size()) << "no groups beyond the known ones";
    for (const std::string& g : kSprdateGroups) EXPECT_GE(counts[g], 2) << g;
    EXPECT_EQ(queryValue(db, "select count(*) from SPRDATE where B is null or B = ''").toInt64(), 0);
    // A code shared by two groups: the client addresses SPRDATE rows by code alone.
    EXPECT_GT(queryValue(db, "select count(*) from (select A from SPRDATE where GR in ('mes', 'kal2006') "
                             "group by A having count(*) = 2)").toInt64(), 0);
}

TEST(DemoReferences, ReferenceColumnsNameKnownDatasets) {
    fb::Attachment db = DemoDatabase::attach();
    std::set<std::string> known(kSprdateGroups.begin(), kSprdateGroups.end());
    known.insert({"lpu", "period", "DOLGN", "spec", "rows"});
    for (const std::string& spr : textSet(db, "select distinct SPR from COLUMNS where SPR is not null and SPR <> ''"))
        EXPECT_TRUE(known.count(spr)) << spr;
    for (const std::string& spr : textSet(db, "select distinct SPR_B from COLUMNS where SPR_B is not null"))
        EXPECT_TRUE(known.count(spr)) << spr;
}

TEST(DemoReferences, PositionsAndSpecialities) {
    fb::Attachment db = DemoDatabase::attach();
    EXPECT_GE(queryValue(db, "select count(*) from DOLGN").toInt64(), 10);
    EXPECT_EQ(queryValue(db, "select count(*) from DOLGN d where not exists "
                             "(select 1 from SPRDATE s where s.GR = 'personal' and s.A = d.PERS)").toInt64(), 0);
    EXPECT_GE(queryValue(db, "select count(*) from SPEC").toInt64(), 5);
    EXPECT_GE(queryValue(db, "select count(*) from AHH").toInt64(), 2);
}

TEST(DemoCodifier, CodesFollowTheMemberCodeScheme) {
    fb::Attachment db = DemoDatabase::attach();
    EXPECT_EQ(queryValue(db, "select count(*) from (select C from KODIF group by C having count(*) > 1)").toInt64(), 0);
    for (const auto& [c, m] : codifierByMemberCode(db)) {
        SCOPED_TRACE(m.a);
        ASSERT_EQ(c.size(), 4u);
        EXPECT_EQ(c.find_first_not_of("0123456789"), std::string::npos);
        EXPECT_EQ(m.a, "01" + c);
        EXPECT_EQ(m.raion, c.substr(0, 2)) << "district is the first half of the member code";
        EXPECT_FALSE(m.name.empty());
        EXPECT_EQ(m.composition.size() % 4, 0u);
        EXPECT_LE(m.composition.size(), 222u);
    }
}

TEST(DemoCodifier, ConsolidationsResolveToTheirInstitutions) {
    fb::Attachment db = DemoDatabase::attach();
    const auto codifier = codifierByMemberCode(db);
    std::set<std::string> institutions;
    for (const auto& [c, m] : codifier) {
        for (size_t i = 0; i < m.composition.size(); i += 4)
            EXPECT_TRUE(codifier.count(m.composition.substr(i, 4))) << m.a << " lists a missing member";
        if (m.composition.empty() && c.substr(0, 2) != "99") institutions.insert(c);
    }
    EXPECT_GE(institutions.size(), 36u);

    // Districts 01-05: the district consolidation "01dd00" covers exactly the district.
    for (const std::string district : {"01", "02", "03", "04", "05"}) {
        std::set<std::string> covered, own;
        expand(codifier, district + "00", covered);
        for (const std::string& c : institutions)
            if (c.substr(0, 2) == district) own.insert(c);
        EXPECT_EQ(covered, own) << "district " << district;
        EXPECT_GE(own.size(), 7u);
    }
    // The region covers every district through two levels of consolidations.
    ASSERT_TRUE(codifier.count("1166"));
    EXPECT_EQ(codifier.at("1166").a, "011166");
    std::set<std::string> region;
    expand(codifier, "1166", region);
    EXPECT_EQ(region, institutions);
    bool nested = false;
    for (size_t i = 0; i < codifier.at("1166").composition.size(); i += 4)
        nested = nested || !codifier.at(codifier.at("1166").composition.substr(i, 4)).composition.empty();
    EXPECT_TRUE(nested);
    // The country: the region and the rest of the country.
    ASSERT_TRUE(codifier.count("9988"));
    EXPECT_EQ(codifier.at("9988").a, "019988");
    std::set<std::string> country;
    expand(codifier, "9988", country);
    EXPECT_EQ(country.size(), institutions.size() + 1);
}

TEST(DemoSettings, AFreshInstallationIsReadyToUse) {
    fb::Attachment db = DemoDatabase::attach();
    EXPECT_EQ(queryValue(db, "select count(*) from (select A from NASTR group by A having count(*) > 1)").toInt64(), 0);
    std::map<std::string, std::string> settings;
    for (const auto& r : queryRows(db, "select A, B from NASTR")) settings[textOf(r[0])] = textOf(r[1]);
    EXPECT_EQ(settings["Version"], "3.78");
    EXPECT_EQ(settings["KodZelmObl"], "011166");
    EXPECT_EQ(settings["KodRF"], "019988");
    EXPECT_FALSE(settings.count("ZdravVer")) << "its mere presence restricts cell colouring";
    // The default territory is an institution the data module can select.
    ASSERT_TRUE(settings.count("LPUDefa"));
    const fb::Value lpu = settings["LPUDefa"];
    EXPECT_EQ(textOf(queryValue(db, "select coalesce(A3, '') || '|' || A from KODIF where A = ?", {lpu})),
              "|" + settings["LPUDefa"]);
    EXPECT_GT(queryValue(db, "select count(*) from TBL where LPU = ?", {lpu}).toInt64(), 0);
}

TEST(DemoSettings, UsersAndTheirDocumentedPasswords) {
    fb::Attachment db = DemoDatabase::attach();
    // Character i of the password (from 0) is stored as its code minus i plus 25.
    auto scramble = [](const std::string& password) {
        std::string out;
        for (size_t i = 0; i < password.size(); ++i)
            out += static_cast<char>((static_cast<unsigned char>(password[i]) - static_cast<int>(i) + 25 + 256) % 256);
        return out;
    };
    struct Case {
        const char* user;
        const char* password;
        const char* administrator;
    } cases[] = {{"sa", "1234", "T"}, {"oper", "1111", "F"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.user);
        const auto rows = queryRows(db, "select B, C from UST3 where A = ?", {c.user});
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(textOf(rows[0][0]), scramble(c.password));
        EXPECT_EQ(textOf(rows[0][1]), c.administrator);
    }
    // The password system stays off until an administrator switches it on.
    EXPECT_NE(textOf(queryValue(db, "select B from NASTR where A = 'Ust3'")), "1");
}
