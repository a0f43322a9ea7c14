# One interface target carries the language level and the warnings for every target.
add_library(birch_options INTERFACE)
target_compile_features(birch_options INTERFACE cxx_std_20)
target_compile_options(birch_options INTERFACE -Wall -Wextra -Wpedantic)
if(BIRCH_WERROR)
  # GCC 12 reports false positives from its own headers under -Wrestrict.
  target_compile_options(birch_options INTERFACE -Werror -Wno-restrict)
endif()
set(CMAKE_CXX_EXTENSIONS OFF)
