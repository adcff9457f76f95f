#!/usr/bin/env bash
# Checks every #include of the program's folders against the layers, which the
# linker alone cannot do: a header that reaches up compiles and links without a
# word. From the bottom: engine (with resources/), level, controls, input, draw,
# editor; each may include only its own layer and those below. tools/, bench/ and
# tests/ sit above them all and are not checked. Only the backends (engine/sdl,
# engine/win32, engine/headless, engine/posix) may include a header that is not
# the standard library's, and only a backend includes its own headers. A
# backend's main (engine/<backend>/*_main.cpp) is the program itself, compiled
# into the executable alone: it may include the editor.
#
# Prints file:line and the reason for each fault; exits 1 if there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

folders=(engine resources level controls input draw editor)
project_files=$(mktemp)
trap 'rm -f "$project_files"' EXIT
find "${folders[@]}" tools bench tests -type f >"$project_files"

mapfile -t sources < <(find "${folders[@]}" -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.c' -o -name '*.cpp' \) | sort)
awk -v project_files="$project_files" '
BEGIN {
    split("engine resources level controls input draw editor", names, " ")
    rankOf["engine"] = 0; rankOf["resources"] = 0; rankOf["level"] = 1; rankOf["controls"] = 2
    rankOf["input"] = 3; rankOf["draw"] = 4; rankOf["editor"] = 5
    rankOf["tools"] = 6; rankOf["bench"] = 6; rankOf["tests"] = 6
    split("assert complex ctype errno fenv float inttypes iso646 limits locale math setjmp signal " \
          "stdalign stdarg stdbool stddef stdint stdio stdlib string tgmath time uchar wchar wctype",
          cHeaders, " ")
    for (i in cHeaders) standardC[cHeaders[i] ".h"] = 1
    while ((getline path < project_files) > 0) isProjectFile[path] = 1
    faults = 0
}

# "engine/, resources/ and level/": the folders a file of that rank may include.
function foldersUpTo(rank,    i, list, last) {
    list = ""
    last = ""
    for (i = 1; i <= 7; ++i) {
        if (rankOf[names[i]] > rank) continue
        if (last != "") list = list (list == "" ? "" : ", ") last
        last = names[i] "/"
    }
    return list == "" ? last : list " and " last
}

function backendOf(file,    parts) {
    split(file, parts, "/")
    if (parts[1] == "engine" && parts[2] ~ /^(sdl|win32|headless|posix)$/ && parts[3] != "") return parts[2]
    return ""
}

# "a/b/../c" -> "a/c"; a path that climbs out of the project gives "".
function normalise(path,    parts, count, out, n, i) {
    count = split(path, parts, "/")
    n = 0
    for (i = 1; i <= count; ++i) {
        if (parts[i] == "" || parts[i] == ".") continue
        if (parts[i] == "..") { if (n == 0) return ""; --n; continue }
        out[++n] = parts[i]
    }
    path = ""
    for (i = 1; i <= n; ++i) path = path (i > 1 ? "/" : "") out[i]
    return path
}

# The project file an include names, as the compiler finds it from the project
# root or from the folder of the including file; "" for a header from outside.
function projectFileOf(name, file,    relative) {
    if (name in isProjectFile) return name
    relative = normalise(file "/../" name)
    if (relative in isProjectFile) return relative
    return ""
}

function report(file, line, included, text) {
    printf "%s:%d: %s\n", file, line, text
    ++faults
}

FNR == 1 {
    split(FILENAME, parts, "/")
    layer = parts[1]
    rank = rankOf[layer]
    backend = backendOf(FILENAME)
    if (backend != "" && FILENAME ~ /_main\.cpp$/) rank = rankOf["editor"]
}

/^[ \t]*#[ \t]*include[ \t]*[<"]/ {
    text = $0
    sub(/^[ \t]*#[ \t]*include[ \t]*/, "", text)
    quoted = substr(text, 1, 1) == "\""
    included = substr(text, 2)
    sub(quoted ? "\".*" : ">.*", "", included)
    target = quoted ? projectFileOf(included, FILENAME) : ""

    if (target == "") {
        if (backend != "") next
        if (included !~ /[.\/]/ || included in standardC) next
        report(FILENAME, FNR, included, "includes " (quoted ? "\"" included "\"" : "<" included ">") \
               ", which is not a standard library header: only the backends " \
               "(engine/sdl, engine/win32, engine/headless, engine/posix) may include system or library headers")
        next
    }
    split(target, targetParts, "/")
    targetLayer = targetParts[1]
    targetBackend = backendOf(target)
    if (rankOf[targetLayer] > rank) {
        report(FILENAME, FNR, included, "includes \"" included "\" of a higher layer: " layer "/ may include only " \
               foldersUpTo(rank))
    } else if (targetBackend != "" && targetBackend != backend) {
        report(FILENAME, FNR, included, "includes \"" included "\", a header of the " targetBackend \
               " backend: only that backend itself may include it")
    }
}

END {
    if (faults > 0) {
        printf "check_layers: %d fault%s in the includes\n", faults, faults == 1 ? "" : "s"
        exit 1
    }
}
' "${sources[@]}"
