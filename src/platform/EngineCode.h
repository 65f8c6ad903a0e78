#pragma once

#include "platform/Database.h"

namespace platform {

// What kind of trouble one of the engine's result codes is.
EngineError::Trouble troubleOf(int engineCode);

// Every table and its columns, as the rows (tbl, col).
inline constexpr char tableColumnsQuery[] =
    "SELECT m.name AS tbl, p.name AS col FROM sqlite_master AS m, pragma_table_info(m.name) AS p "
    "WHERE m.type = 'table' ORDER BY m.name, p.cid";

} // namespace platform
