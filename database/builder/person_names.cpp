#include "person_names.h"

#include <iterator>

namespace vexo::demo::detail {

namespace {

// Surnames in the masculine form; the feminine one adds "а".
const char* const kSurnames[] = {"Иванов",  "Петров",   "Смирнов",   "Кузнецов", "Соколов", "Попов",   "Лебедев",
                                 "Козлов",  "Новиков",  "Морозов",   "Волков",   "Соловьёв", "Васильев", "Зайцев",
                                 "Павлов",  "Семёнов",  "Голубев",   "Виноградов", "Богданов", "Воробьёв"};
const char* const kMaleNames[] = {"Александр", "Сергей", "Андрей", "Дмитрий", "Алексей",
                                  "Михаил",    "Игорь",  "Николай", "Владимир", "Павел"};
const char* const kFemaleNames[] = {"Елена",    "Ольга", "Наталья", "Татьяна", "Ирина",
                                    "Светлана", "Марина", "Анна",   "Юлия",    "Екатерина"};
// Father's names as masculine and feminine patronymics.
const char* const kPatronymics[][2] = {{"Александрович", "Александровна"}, {"Сергеевич", "Сергеевна"},
                                       {"Андреевич", "Андреевна"},         {"Дмитриевич", "Дмитриевна"},
                                       {"Алексеевич", "Алексеевна"},       {"Михайлович", "Михайловна"},
                                       {"Игоревич", "Игоревна"},           {"Николаевич", "Николаевна"},
                                       {"Владимирович", "Владимировна"},   {"Павлович", "Павловна"}};

template <class T, size_t N>
const T& pick(DemoPrng& g, const T (&items)[N]) {
    return items[g.between(0, static_cast<long long>(N) - 1)];
}

}  // namespace

std::string personName(DemoPrng& g, bool male) {
    std::string name = pick(g, kSurnames);
    if (!male) name += "а";
    name += ' ';
    name += male ? pick(g, kMaleNames) : pick(g, kFemaleNames);
    name += ' ';
    name += pick(g, kPatronymics)[male ? 0 : 1];
    return name;
}

}  // namespace vexo::demo::detail
