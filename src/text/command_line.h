// The program's arguments and console output in the program's own terms:
// arguments as UTF-8 (as on POSIX) and UTF-8 text that the console shows.
// Windows hands a program its arguments in the ANSI code page, which is not
// UTF-8; the wide command line is read and converted instead.
#pragma once

#include <string>
#include <vector>

namespace tw {

// The arguments after the program name, UTF-8.
std::vector<std::string> CommandLineArguments(int argc, char** argv);

// Makes the console show the UTF-8 text the program writes, and standard
// output and error carry the same bytes as on other systems: on Windows the
// console's code page becomes UTF-8 and both streams binary (no CR added
// before a line end). Elsewhere nothing to do.
void SetUpConsole();

}  // namespace tw
