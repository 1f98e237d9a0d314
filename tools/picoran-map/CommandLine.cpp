#include "CommandLine.h"

bool ParseCommandLine(const std::vector<std::string>& args, const std::set<std::string>& flags,
                      const std::set<std::string>& valued, CommandLine& parsed, std::string& error) {
    parsed = CommandLine{};
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            parsed.operands.push_back(arg);  // "-" alone is an operand too
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (flags.count(name) != 0 && equals == std::string::npos) {
            parsed.flags.insert(name);
        } else if (valued.count(name) != 0) {
            if (equals != std::string::npos) {
                parsed.values[name] = arg.substr(equals + 1);
            } else if (i + 1 < args.size()) {
                parsed.values[name] = args[++i];
            } else {
                error = "option " + name + " needs a value";
                return false;
            }
        } else {
            error = "unknown option " + arg;
            return false;
        }
    }
    return true;
}

bool ParseCommandOperands(const std::vector<std::string>& args, const char* command,
                          size_t operands, const char* wanted, const std::set<std::string>& flags,
                          const std::set<std::string>& valued, CommandLine& parsed,
                          std::ostream& err) {
    std::string error;
    const bool parsedOk = ParseCommandLine(args, flags, valued, parsed, error);
    const bool countOk = operands == 0 ? !parsed.operands.empty() : parsed.operands.size() == operands;
    if (parsedOk && countOk) return true;
    err << "picoran-map " << command << ": " << (error.empty() ? wanted : error) << "\n";
    return false;
}
