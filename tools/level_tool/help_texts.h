// The --help pages of tarnhold-level.
#pragma once

inline constexpr char ToolHelp[] = R"(Usage: tarnhold-level COMMAND [ARGUMENTS]

Inspects, checks, converts and draws the levels of Tarnhold, each a pair of
files Mnn.map and Mnn.edt, with the editor's own level and drawing code.

Commands:
  info LEVEL                 print a summary of the level
  check [DIR]                check every level M00..M23 in DIR (default: .)
  export LEVEL [-o FILE]     write the level as JSON (default: to the output)
  import FILE LEVEL          write the level's .edt from JSON, and the start
                             position into its .map
  render LEVEL -o FILE.png [--cell 10|20|40] [--whole]
                             draw the map view as the editor does

LEVEL is a base name such as M03 or levels/M03, or the path of either file of
the pair, such as levels/M03.edt.

'tarnhold-level COMMAND --help' tells more about a command, and
'tarnhold-level --version' prints the version.

Exit status: 0 when the command did its work, 1 when it failed (check: errors
were found), 2 for bad arguments (check: it could not run).
)";

inline constexpr char InfoHelp[] = R"(Usage: tarnhold-level info LEVEL

Prints a summary of the level as the editor loads it: the map size and start
position; each side's credits, research points, air forces, allowed towers and
PVT switch; the mission limit; and the buildings and units counted by kind and
side, with the editor's names of the kinds.
)";

inline constexpr char CheckHelp[] = R"(Usage: tarnhold-level check [DIR]

Checks every level M00..M23 that has a file in DIR (default: the current
folder) and prints one line per finding: the file, "error" or "warning", the
building or unit number where there is one, and what is wrong.

Errors: a file of a pair missing or unreadable; files cut short; maps the
editor refuses; a record the editor stops reading at; objects off the map;
kinds and produced items outside the known codes; sides out of range; values
outside the ranges the editor keeps; more than 301 buildings or 51 units.
Warnings: bytes after the .edt's end tag, overlapping buildings, units on the
same cell.

Exit status: 0 when there were no errors (warnings allowed), 1 when there were
errors, 2 when the check could not run (no such folder, no levels in it).
)";

inline constexpr char ExportHelp[] = R"(Usage: tarnhold-level export LEVEL [-o FILE]

Writes the level as JSON: the mission information, the start position, every
building and unit with all its fields, and the terrain as rows of cell values.
Without -o (or with -o -) the document goes to the standard output. The
format is described in docs/level-json.md.
)";

inline constexpr char ImportHelp[] = R"(Usage: tarnhold-level import FILE LEVEL

Writes LEVEL's .edt from the JSON document FILE (- reads the standard input),
replacing the old file only once the new one is safely written, and patches
the start position into LEVEL's existing .map exactly as the editor's save
does. The .map's terrain is never changed; a "map" section that differs from
it gets a warning.

Bad JSON, unknown or missing keys, wrong types and values the files cannot
store are reported with their place in the document, and nothing is written.
Values outside the ranges the editor keeps are written as they are; 'check'
reports them.
)";

inline constexpr char RenderHelp[] = R"(Usage: tarnhold-level render LEVEL -o FILE.png [--cell 10|20|40] [--whole]

Draws the map view exactly as the editor draws it on its object page:
terrain, marked cells, buildings, units and the grid, nothing selected.

  -o FILE.png    the PNG file to write
  --cell SIZE    pixels per cell: 10 (the default), 20 or 40
  --whole        the whole map, columns x SIZE + 1 by rows x SIZE + 1 pixels
                 (the last grid lines included), instead of the first 640 by
                 640 pixels of the view
)";
