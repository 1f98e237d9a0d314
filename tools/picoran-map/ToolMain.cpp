// The program's entry logic: the sub-command by name, and the help text.
#include <exception>
#include <ostream>

#include "Commands.h"

void PrintHelp(std::ostream& out) {
    out << "picoran-map: checks, inspects, converts, renders and compares the map files of\n"
           "the stage editor, checks its terrain file and fits a map's terrain, with the\n"
           "editor's own readers, writer, map view and terrain rules.\n"
           "\n"
           "usage: picoran-map COMMAND [OPTIONS] FILE...\n"
           "\n"
           "A file whose name ends in .txt (in any letter case) is a text map; any other is a\n"
           "map data file (.bin), as in the editor. Text maps get what a freshly started editor\n"
           "holds for what they lack: 640 x 480, start 320, 240; and, as in the editor, the\n"
           "fixed comment and the stage numbers 10, 300, 0, 0.\n"
           "\n"
           "commands:\n"
           "  check [--strict] FILE...\n"
           "      For each file, whether the editor opens it. Prints \"FILE: ok\", or\n"
           "      \"FILE: refused: offset N: REASON\" (\"line L, offset N\" for text maps), and\n"
           "      before \"ok\" a \"FILE: warning: ...\" line for each thing the editor accepts\n"
           "      but a designer should know: chips no palette holds, a start position outside\n"
           "      0..640 x 0..480, a size that is not whole cells, stage numbers outside\n"
           "      0..999, and fields the editor does not read that disagree with the map\n"
           "      (offset field, reserved block, bytes after the comment).\n"
           "      --strict  a warning fails the check too.\n"
           "  info FILE\n"
           "      Size, start position, stage numbers, the comment (as UTF-8) and, per layer,\n"
           "      how many cells hold each chip.\n"
           "  stats FILE...\n"
           "      The chips the files use, one a line by chip code: \"CODE: N cells in F\n"
           "      files\" (\"layer L chip ID\" for an id whose code would name another\n"
           "      layer; \"(in no chip table)\" after a chip the tables lack), then\n"
           "      \"unused: CODE\" for each chip of the built-in tables that no file uses.\n"
           "  convert IN OUT.bin\n"
           "      Writes the map data file the editor writes after opening IN and saving it.\n"
           "      OUT is replaced only once the new file is complete.\n"
           "  render [--grid | --scale N] [--sheets DIR] FILE OUT.png\n"
           "      The whole map as the editor's map view shows it, block of 16 x 12 cells by\n"
           "      block; cellsX * 40 by cellsY * 40 pixels.\n"
           "      --grid        green lines, 2 pixels wide, on the cell borders.\n"
           "      --scale N     N pixels a cell (1 to 40), from chip pictures scaled once, as\n"
           "                    the editor's overview draws the map: a picture of the\n"
           "                    overview's size has its pixels (without its view frame and\n"
           "                    start marker).\n"
           "      --sheets DIR  read small_sheet.bmp, large_sheet.bmp (both 512 x 512) and\n"
           "                    backdrop.bmp from DIR (24- or 32-bit BMP) instead of the\n"
           "                    folder res beside the program\n"
           "  diff A B\n"
           "      Every difference: size, start position, stage numbers, comment, then each\n"
           "      changed cell as \"layer L: column C, row R: OLD -> NEW\".\n"
           "  merge BASE OURS THEIRS -o OUT [--conflicts FILE]\n"
           "      The three-way merge of maps, as a git merge driver: what only one side\n"
           "      changed (a cell, the size, the start position, a stage number, the\n"
           "      comment) is taken; what both changed differently keeps ours and is a\n"
           "      conflict, listed as \"conflict: ...\" and recorded in OUT.conflicts.json\n"
           "      (or --conflicts FILE) for the editor. A clean merge removes that file.\n"
           "      Exit status 0 merged cleanly, 1 conflicts, 2 trouble.\n"
           "  dump FILE\n"
           "      Everything in the file as stable lines, one per map row and layer; made\n"
           "      for git's textconv.\n"
           "  export FILE OUT.json\n"
           "      The map as JSON for scripts: size, start (null when not specified), stage\n"
           "      numbers, the comment (as UTF-8, \\\\ for a backslash and \\xNN for a byte\n"
           "      that does not decode) and layers \"0\", \"1\", \"2\" as rows of chip ids,\n"
           "      one map row to a line. The form is described in docs/map-format.md.\n"
           "  import IN.json OUT.bin\n"
           "      The map data file the JSON describes, as the editor writes it; import of\n"
           "      export gives the same bytes for every file the editor saves. JSON that is\n"
           "      not such a map is refused, with the place named as a JSON Pointer\n"
           "      (\"IN.json: refused: /layers/2/3/5: ...\"), and OUT is left as it was.\n"
           "  replace --chip CODE --with CODE [--dry-run] FILE...\n"
           "      Every cell holding the chip --chip gets the chip --with, in each file in\n"
           "      place (codes as in the chip tables: chipId + 1000 x layer, 1002, 26, 2001;\n"
           "      --with 0, 1000 or 2000 removes the chip). Chips of another layer take the\n"
           "      old chip's cell in their own layer; small chips turned large are laid\n"
           "      without overlap. Prints \"FILE: N cells changed\" for each file and a\n"
           "      total. A file that does not change is not written; one that cannot be\n"
           "      read or written is reported and the others are still done.\n"
           "      --dry-run  only count (\"N cells would change\"); nothing is written.\n"
           "  versions [--folder DIR] FILE\n"
           "      The versions of FILE that the editor kept when Save replaced it, newest\n"
           "      first, one a line: the date and time it was replaced, its size in bytes\n"
           "      and its path. On Windows they are in the editor's folder,\n"
           "      %LOCALAPPDATA%\\picoran-editor\\versions; elsewhere --folder names it. FILE\n"
           "      is taken from the working folder; a Windows path (\"Z:\\home\\...\", as the\n"
           "      editor under Wine named the map) is taken as it is.\n"
           "      --folder DIR  the versions folder to look in\n"
           "  terrains check [FILE]\n"
           "      Whether the editor takes the terrain file the terrain brush paints from,\n"
           "      FILE or, when none is named, data/terrains.json in the working folder.\n"
           "      Prints \"FILE: refused: /terrains/0/chips/3/chip: REASON\", the place a\n"
           "      JSON Pointer, or a \"FILE: warning: SET: no chip for corners .#.# (drawn\n"
           "      with #.## instead)\" line for each combination of corners a set has no\n"
           "      chip for, then \"FILE: ok, ...\" with the counts of sets and chips.\n"
           "  terrains learn --at COLUMN,ROW --name NAME [--add FILE] MAP\n"
           "      The terrain set NAME whose chips are laid out in MAP in the 4 x 4\n"
           "      template block with its top-left cell at COLUMN,ROW (counted from 0),\n"
           "      in layer 0 or 1, as the JSON of one set of the terrain file's\n"
           "      \"terrains\" array. The block's cells, row by row, hold the chips with\n"
           "      the corners (top-left, top-right, bottom-right, bottom-left; # inside)\n"
           "        ....  .##.  #.##  ...#\n"
           "        ..##  .#.#  ##..  #.#.\n"
           "        ####  #..#  ..#.  .###\n"
           "        ##.#  #...  .#..  ###.\n"
           "      the top-left cell staying empty. Notes on the block go to the error\n"
           "      output.\n"
           "      --add FILE  add the set to the terrain file FILE instead, making the\n"
           "                  file when there is none; refused, leaving FILE as it was,\n"
           "                  when the file would then be refused (a name or a chip that\n"
           "                  it holds already)\n"
           "  autotile --terrains FILE [--seed N] MAP OUT.bin\n"
           "      Gives every cell of a terrain set, and every empty cell beside one, the\n"
           "      chip its corners need, as the editor's terrain brush draws it, and\n"
           "      writes the map data file as convert does. Cells holding a chip of no\n"
           "      set keep it. Prints how many cells changed (a cell of each small layer\n"
           "      counting apart) and how many terrain cells are drawn with a substitute\n"
           "      for a combination of corners their set has no chip for.\n"
           "      --terrains FILE  the terrain file\n"
           "      --seed N         chooses among a chip's variations, 0 when not given;\n"
           "                       the same seed gives the same map\n"
           "  help, --help, -h\n"
           "      This text.\n"
           "\n"
           "exit status:\n"
           "  0  done; check: every file accepted; diff: the maps are equal\n"
           "  1  check, terrains check: a file refused (check --strict: also a warning);\n"
           "     diff: they differ\n"
           "  2  a usage error, or a file that cannot be read, is refused or cannot be\n"
           "     written (info, convert, render, diff, dump, export, import, terrains\n"
           "     learn, autotile), or a versions folder that cannot be read\n";
}

int RunPicoranMap(const Arguments& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        PrintHelp(err);
        return kExitTrouble;
    }
    const std::string& name = args[0];
    if (name == "help" || name == "--help" || name == "-h") {
        PrintHelp(out);
        return kExitOk;
    }
    const Arguments rest(args.begin() + 1, args.end());
    for (const std::string& arg : rest) {
        if (arg == "--") break;
        if (arg == "--help" || arg == "-h") {
            PrintHelp(out);
            return kExitOk;
        }
    }
    using Command = int (*)(const Arguments&, std::ostream&, std::ostream&);
    static const struct {
        const char* name;
        Command run;
    } kCommands[] = {{"check", RunCheck},   {"info", RunInfo}, {"convert", RunConvert},
                     {"replace", RunReplace}, {"stats", RunStats}, {"merge", RunMerge},
                     {"render", RunRender}, {"diff", RunDiff}, {"dump", RunDump},
                     {"export", RunExport}, {"import", RunImport}, {"versions", RunVersions},
                     {"terrains", RunTerrains}, {"autotile", RunAutotile}};
    for (const auto& command : kCommands) {
        if (name != command.name) continue;
        // The JSON library reports by exception, and memory can run out on any input: the
        // tool stops with its usual status for trouble instead of crashing.
        try {
            return command.run(rest, out, err);
        } catch (const std::exception& e) {
            err << "picoran-map " << name << ": failed: " << e.what() << "\n";
            return kExitTrouble;
        }
    }
    err << "picoran-map: unknown command \"" << name << "\"; see picoran-map --help\n";
    return kExitTrouble;
}
