#pragma once

#include <string>
#include <vector>

struct ProcessResult {
  std::string out;
  std::string err;
  int status = -1;  // the exit status, or -1 if the process did not exit normally
};

// Runs a program with the arguments, feeds it the input on standard input and collects both of
// its outputs until it ends.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& input = "");
