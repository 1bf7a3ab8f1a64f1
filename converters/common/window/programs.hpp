// The three converter programs as the window knows them: texts, file patterns,
// sizes and the conversion that Command1 runs.
#ifndef CONVERTERS_COMMON_WINDOW_PROGRAMS_HPP
#define CONVERTERS_COMMON_WINDOW_PROGRAMS_HPP

#include <string_view>

#include "common/window/window_model.hpp"

namespace conv::window {

extern const Program kBentrim;  // SIMA
extern const Program kParlow;   // cadastral pnt/pol pair
extern const Program kQuorvel;  // shapefile with its dBASE table

// The program of an executable name ("bentrim"), or nullptr.
const Program* find_program(std::string_view command);

}  // namespace conv::window

#endif
