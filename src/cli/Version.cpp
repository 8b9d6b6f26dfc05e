// The command-line companion's pieces live beside main.cpp; this file keeps
// the library non-empty while they are written.
namespace sonara::cli {
const char* version() { return "1.0"; }
}  // namespace sonara::cli
