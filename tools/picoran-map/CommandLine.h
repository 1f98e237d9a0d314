// Splitting a sub-command's arguments into options and operands.
#pragma once
#include <cstddef>
#include <map>
#include <ostream>
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

// ParseCommandLine for one command that takes exactly `operands` operands (0: one or more).
// On a usage error writes "picoran-map COMMAND: WHAT" to err (`wanted` when the options were
// fine but the operands were not) and returns false.
bool ParseCommandOperands(const std::vector<std::string>& args, const char* command,
                          size_t operands, const char* wanted, const std::set<std::string>& flags,
                          const std::set<std::string>& valued, CommandLine& parsed,
                          std::ostream& err);
