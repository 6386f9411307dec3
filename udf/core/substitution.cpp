#include "core/evaluator.h"

#include "core/text.h"

namespace vexo::udf {
namespace {

// Walks the items of a "$"-terminated list in order; past the last item it yields empty items.
class ListCursor {
public:
    explicit ListCursor(std::string_view list) : list_(list) {}

    std::string_view next() {
        const std::size_t end = list_.find('$', start_);
        if (end == std::string_view::npos) {
            start_ = list_.size();
            return {};
        }
        const std::string_view item = list_.substr(start_, end - start_);
        start_ = end + 1;
        return item;
    }

private:
    std::string_view list_;
    std::size_t start_ = 0;
};

}  // namespace

std::string calc_expression(std::string_view expression, std::string_view names, std::string_view values) {
    std::string text(expression);
    const std::int64_t name_count = count_from("$", names, 1);
    ListCursor name_items(names);
    ListCursor value_items(values);
    std::int64_t from = 1;
    for (std::int64_t i = 1; i <= name_count; ++i) {
        const std::string_view name = name_items.next();
        const std::string_view value = value_items.next();
        const std::int64_t a = find_from(name, text, from);
        if (a == 0) continue;
        // A value never takes part in a later match: the search resumes after it.
        text.replace(static_cast<std::size_t>(a - 1), name.size(), value);
        from = a + length(value);
    }
    return text;
}

}  // namespace vexo::udf
