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

// Makes the console show the UTF-8 text the program writes (on Windows the
// console's output code page becomes UTF-8; elsewhere nothing to do).
void UseUtf8Console();

}  // namespace tw
