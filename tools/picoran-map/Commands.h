// The sub-commands of picoran-map. Each takes the arguments after its name, writes its report
// to `out` and its complaints to `err`, and returns the program's exit status, so the tests
// run them in-process and read what they print.
#pragma once
#include <iosfwd>
#include <string>
#include <vector>

using Arguments = std::vector<std::string>;

enum ExitStatus : int {
    kExitOk = 0,       // done; check: every file accepted; diff: the maps are equal
    kExitNo = 1,       // check, terrains check: a file refused (or, with --strict, warned about);
                       // diff: different
    kExitTrouble = 2,  // usage error, or a file that cannot be read, is refused, or cannot be written
};

int RunCheck(const Arguments& args, std::ostream& out, std::ostream& err);
int RunInfo(const Arguments& args, std::ostream& out, std::ostream& err);
int RunConvert(const Arguments& args, std::ostream& out, std::ostream& err);
int RunRender(const Arguments& args, std::ostream& out, std::ostream& err);
int RunDiff(const Arguments& args, std::ostream& out, std::ostream& err);
// merge: 0 merged cleanly, 1 conflicts (kept as ours), 2 trouble.
int RunMerge(const Arguments& args, std::ostream& out, std::ostream& err);
// replace and stats take many files; one that cannot be read or written makes the status 2.
int RunReplace(const Arguments& args, std::ostream& out, std::ostream& err);
int RunStats(const Arguments& args, std::ostream& out, std::ostream& err);
int RunDump(const Arguments& args, std::ostream& out, std::ostream& err);
int RunExport(const Arguments& args, std::ostream& out, std::ostream& err);
int RunImport(const Arguments& args, std::ostream& out, std::ostream& err);
int RunVersions(const Arguments& args, std::ostream& out, std::ostream& err);
// terrains check and terrains learn: args[0] is "check" or "learn".
int RunTerrains(const Arguments& args, std::ostream& out, std::ostream& err);
int RunAutotile(const Arguments& args, std::ostream& out, std::ostream& err);

// The whole program: picks the sub-command from args[0] (the program name is not in args).
int RunPicoranMap(const Arguments& args, std::ostream& out, std::ostream& err);
void PrintHelp(std::ostream& out);

// The folder render reads its pictures from without --sheets: a res/ folder beside the
// program when it holds them (as a copied or installed tool has), else the repository's res/
// folder the tool was built from.
std::string DefaultSheetsFolder();
