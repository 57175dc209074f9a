// Names of the JV-Data course codes (競馬場コード). Shift-JIS.
#pragma once

#include <string>
#include <vector>

namespace tw {

// The 4-byte name of a two-character course code; 4 spaces when unknown.
std::string CourseName(const std::string& code);

// True when the code is one of the course table's.
bool IsKnownCourse(const std::string& code);

// The codes whose name is `name` (4 bytes, as CourseName gives it), in table
// order; none for a blank name. A name can stand for more than one code.
std::vector<std::string> CourseCodesNamed(const std::string& name);

// The 6-byte course group ("東京  ", "地方  ", "海外  "); 6 spaces when unknown.
std::string CourseGroupName(const std::string& code);

}  // namespace tw
