#pragma once

#include "demo_data.h"

#include <cstddef>
#include <functional>

namespace vexo::fb {
class Attachment;
}

namespace vexo::demo {

// Called now and then while rows are written: rows done, rows in all.
using WriteProgress = std::function<void(std::size_t done, std::size_t total)>;

// Enters the rows into TBL in one transaction. Period codes are stored padded
// with blanks to three characters, as the client stores them; a list row gets
// a fresh TIPSVODA from GEN_COLUMNS_ID. Returns the number of rows written.
std::size_t writeDemoData(fb::Attachment& attachment, const DemoData& data, const WriteProgress& progress = {});

}  // namespace vexo::demo
