#pragma once

#include <QString>

namespace vexo::data {

// The one way a value enters composed SQL text: a quoted literal with every
// apostrophe doubled, so a name like О'Брайен can neither break nor extend the
// statement. quote("O'B") gives 'O''B' (with the outer apostrophes).
QString sqlQuote(const QString& value);
// The same without the outer apostrophes, for texts spliced between quotes
// the statement already has ("where a='" + sqlEscape(code) + "'").
QString sqlEscape(const QString& value);

}  // namespace vexo::data
