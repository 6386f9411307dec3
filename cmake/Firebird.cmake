# Firebird 3 client, UDF support library and the engine files the embedded mode needs.
# firebird-dev ships neither pkg-config nor a CMake package.
find_path(FIREBIRD_INCLUDE_DIR ibase.h REQUIRED)
find_library(FIREBIRD_CLIENT_LIBRARY fbclient REQUIRED)
find_library(FIREBIRD_IB_UTIL_LIBRARY ib_util REQUIRED)
find_file(FIREBIRD_INTL_MODULE libfbintl.so
  PATHS /usr/lib/x86_64-linux-gnu/firebird/3.0/intl /usr/lib/firebird/3.0/intl
  NO_DEFAULT_PATH REQUIRED)

add_library(Firebird::fbclient UNKNOWN IMPORTED)
set_target_properties(Firebird::fbclient PROPERTIES
  IMPORTED_LOCATION "${FIREBIRD_CLIENT_LIBRARY}"
  INTERFACE_INCLUDE_DIRECTORIES "${FIREBIRD_INCLUDE_DIR}")

add_library(Firebird::ib_util UNKNOWN IMPORTED)
set_target_properties(Firebird::ib_util PROPERTIES
  IMPORTED_LOCATION "${FIREBIRD_IB_UTIL_LIBRARY}"
  INTERFACE_INCLUDE_DIRECTORIES "${FIREBIRD_INCLUDE_DIR}")
