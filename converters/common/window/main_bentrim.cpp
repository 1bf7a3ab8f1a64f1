// Bentrim: the SIMA to G-XML converter window.
#include "common/window/converter_window.hpp"
#include "common/window/programs.hpp"

int main(int argc, char** argv) { return conv::window::run_window(argc, argv, conv::window::kBentrim); }
