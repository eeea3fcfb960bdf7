// Compiled as a source of one layer's library would be, with the include
// PROBE_HEADER names; see CMakeLists.txt.
#include PROBE_HEADER
