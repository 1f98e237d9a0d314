// Splitting a sub-command's arguments into options and operands.
#pragma once
#include <map>
#include <set>
#include <string>
#include <vector>

struct CommandLine {
    std::vector<std::string> operands;
    std::set<std::string> flags;                 // options given without a value
    std::map<std::string, std::string> values;   // options given with a value
};

// Options are `--name`; one in `valued` takes the next argument or `--name=VALUE` as its
// value. "--" ends the options, so a file whose name starts with "-" can be named. False,
// with `error` set, for an unknown option or a missing value.
bool ParseCommandLine(const std::vector<std::string>& args, const std::set<std::string>& flags,
                      const std::set<std::string>& valued, CommandLine& parsed, std::string& error);
