#!/usr/bin/env python3
"""Writes the licence notices of a program linked statically against a Qt that
tools/windows-qt.sh built: our licence, Qt's, how to relink against a changed Qt,
and the notice of every bundled or runtime component the link took in.

    python3 tools/notices.py --qt-notices DIR [--qt-prefix DIR] --linked FILE [--linked FILE ...]
        [--embedded FILE ...] [--debian-package PKG ...] [--component-file FILE ...]
        [--own DIR ...] --program NAME [--licence FILE] --relinking FILE --out FILE

--linked is the linker's list of what it took: `ld --trace` output, or its -Map file; one
for each program shipped together (the program and its console companion).
A resource object of ours it names (rcc's qrc_NAME.cpp, built by qt_add_resources) is
followed to the files that resource embeds (our compiled translations among them), which
no link map shows; --embedded names more such files. Every file named any of these ways must
be accounted for: ours (under an --own folder), Qt's (mapped to the source files it was
compiled from), or a Debian package's or a component file's. Anything else stops the
run, as does a notice whose licence text is missing: a notices file with a hole in it is
worse than none.

--list prints the components instead, one `kind: id` a line.
"""

import argparse
import fnmatch
import glob
import gzip
import json
import os
import re
import subprocess
import sys
import textwrap

RULE = "=" * 78
COMMON_LICENCE = re.compile(r"/usr/share/common-licenses/([A-Za-z][\w+-]*(?:\.\d+)*)")


class NoticeError(Exception):
    pass


# --- what the link took --------------------------------------------------------------

MEMBER = re.compile(r"^(\S+\.(?:a|lib))\(([^()\s]+)\)")  # /x/libfoo.a(bar.o)
OLD_MEMBER = re.compile(r"^\((\S+\.(?:a|lib))\)(\S+)$")  # (/x/libfoo.a)bar.o
# Any other input: an object, a resource, whatever the linker read whole. An archive
# alone says nothing; its members are listed.
WHOLE_FILE = re.compile(r"^(\S+)$(?<!\.a)(?<!\.lib)(?<!:)")


# qt_add_resources compiles DIR/.rcc/NAME.qrc into
# DIR/CMakeFiles/TARGET.dir/.rcc/qrc_NAME.cpp.obj (or .o).
RESOURCE_OBJECT = re.compile(r"^(.*)/CMakeFiles/[^/]+\.dir/\.rcc/qrc_(\w+)\.cpp\.(?:obj|o)$")


def resource_files(linked, own):
    """The files each linked resource object of ours embeds, as its .qrc lists them."""
    found = set()
    for path, member in sorted(linked):
        m = RESOURCE_OBJECT.match(path) if member is None else None
        if not m or not any(path.startswith(d) for d in own):
            continue
        qrc = os.path.join(m.group(1), ".rcc", m.group(2) + ".qrc")
        try:
            with open(qrc, encoding="utf-8") as f:
                names = re.findall(r"<file[^>]*>([^<]+)</file>", f.read())
        except OSError as e:
            raise NoticeError(f"{path}: cannot tell what it embeds ({e})") from e
        found |= {os.path.realpath(os.path.join(os.path.dirname(qrc), n)) for n in names}
    return found


def read_linked(path, cwd):
    """Archive members as (archive, member) and whole files as (file, None), with
    absolute, resolved paths, from `ld --trace` output or a map file."""
    with open(path, encoding="utf-8", errors="replace") as f:
        lines = f.read().splitlines()
    is_map = any(line.startswith("Archive member included") for line in lines)
    linked = set()
    in_members = False
    for line in lines:
        if is_map:
            # A map lists the members taken in its first section, and every input as LOAD.
            if line.startswith("Archive member included"):
                in_members = True
                continue
            if line.startswith(("Discarded input", "Memory Configuration")):
                in_members = False
            if line.startswith("LOAD "):
                m = WHOLE_FILE.match(line[5:].strip())
                if m:
                    linked.add((os.path.realpath(os.path.join(cwd, m.group(1))), None))
            if in_members and (m := MEMBER.match(line)):
                linked.add((os.path.realpath(os.path.join(cwd, m.group(1))), m.group(2)))
            continue
        line = line.strip()
        if m := MEMBER.match(line) or OLD_MEMBER.match(line):
            linked.add((os.path.realpath(os.path.join(cwd, m.group(1))), m.group(2)))
        elif m := WHOLE_FILE.match(line):
            linked.add((os.path.realpath(os.path.join(cwd, m.group(1))), None))
    if not linked:
        raise NoticeError(f"{path}: names no linked file")
    # `ld --trace` once names archives but not the members it took from them.
    if not is_map and not any(member for _, member in linked) and any(
            re.match(r"^\S+\.(a|lib)$", line.strip()) for line in lines):
        raise NoticeError(f"{path}: names archives but none of their members: "
                          "give the linker --trace twice")
    return linked


# --- Qt: archives to build targets, objects to sources, sources to attributions -------

def qt_targets(prefix):
    """Maps each installed static library or object of Qt (relative to its prefix) to
    the build target it came from, as Qt's own CMake packages name them."""
    files = {}
    block = re.compile(r"set_target_properties\(Qt6::(\w+) PROPERTIES(.*?)\n\s*\)", re.S)
    location = re.compile(r'IMPORTED_(?:LOCATION|OBJECTS)_\w+ "([^"]*)"')
    # lib/cmake/Qt6Core/, or under a multiarch folder: lib/x86_64-linux-gnu/cmake/Qt6Core/.
    found = set()
    for pattern in ("lib/cmake/Qt6*/*Targets-*.cmake", "lib/*/cmake/Qt6*/*Targets-*.cmake"):
        found.update(glob.glob(os.path.join(prefix, pattern)))
    for path in sorted(found):
        with open(path, encoding="utf-8") as f:
            text = f.read()
        for target, body in block.findall(text):
            for value in location.findall(body):
                for item in value.split(";"):
                    rel = item.replace("${_IMPORT_PREFIX}/", "")
                    files[os.path.normpath(rel)] = target
    return files


def read_object_sources(path):
    """`ninja -t deps` as kept: object (relative to Qt's build) -> source files
    (relative to Qt's source)."""
    objects = {}
    current = None
    with gzip.open(path, "rt", encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line.strip():
                continue
            if line.startswith(" "):
                if current is not None:
                    objects[current].add(line.strip())
            else:
                current = line.split(":", 1)[0]
                objects.setdefault(current, set())
    return objects


def index_objects(objects):
    """(target, member name) -> objects, and (target, path in target) -> object."""
    by_member, by_path = {}, {}
    for obj in objects:
        m = re.search(r"CMakeFiles/([^/]+)\.dir/(.+)$", obj)
        if not m:
            continue
        target, inner = m.groups()
        by_member.setdefault((target, os.path.basename(inner)), []).append(obj)
        by_path[(target, inner)] = obj
    return by_member, by_path


def load_attributions(source_dir):
    """Folder (relative to Qt's source) -> its attribution records."""
    records = {}
    for root, _, names in os.walk(source_dir):
        if "qt_attribution.json" not in names:
            continue
        path = os.path.join(root, "qt_attribution.json")
        with open(path, encoding="utf-8") as f:
            # Qt's records hold raw line breaks inside strings; a repeated key keeps its
            # last value, as Qt's own scanner reads it.
            data = json.loads(f.read(), strict=False)
        folder = os.path.relpath(root, source_dir)
        records[folder] = data if isinstance(data, list) else [data]
    return records


def covers(record, relpath):
    """Whether a record speaks for a file (its path relative to the record's folder)."""
    limits = []
    files = record.get("Files")
    if files:
        limits += re.split(r"[\s,]+", files.strip()) if isinstance(files, str) else files
    if record.get("Path"):
        limits.append(record["Path"])
    if not limits:
        return True
    return any(relpath == p or relpath.startswith(p.rstrip("/") + "/") for p in limits if p)


def attribute(source, attributions):
    """The records that speak for a source file: those of the nearest folder up from it
    with a record covering it."""
    folder = os.path.dirname(source)
    while True:
        found = [r for r in attributions.get(folder or ".", [])
                 if covers(r, os.path.relpath(source, folder or "."))]
        if found:
            return folder or ".", found
        if not folder:
            return None, []
        folder = os.path.dirname(folder)


def qt_components(linked_qt, prefix, notices_dir):
    """Qt's linked targets, and the attribution records of the code they were built from."""
    targets = qt_targets(prefix)
    objects = read_object_sources(os.path.join(notices_dir, "object-sources.txt.gz"))
    by_member, by_path = index_objects(objects)
    attributions = load_attributions(os.path.join(notices_dir, "source"))
    errors, used_targets, components = [], set(), {}
    for path, member in sorted(linked_qt):
        rel = os.path.relpath(path, prefix)
        name = f"{rel}({member})" if member else rel
        if member:
            target = targets.get(rel)
            found = by_member.get((target, member), [])
        else:
            # An object library's object: objects-<config>/<target>/<path in target>.
            target = targets.get(rel)
            m = re.search(r"(?:^|/)objects-[^/]+/[^/]+/(.+)$", rel)
            obj = by_path.get((target, m.group(1))) if m else None
            found = [obj] if obj else []
        if target is None:
            errors.append(f"{name}: not a library or object of Qt's CMake packages")
            continue
        if not found:
            errors.append(f"{name}: no object of Qt target {target} was compiled into it")
            continue
        sources = set().union(*(objects[o] for o in found))
        if not sources:
            errors.append(f"{name}: nothing is kept about what it was compiled from (a Qt "
                          "built before tools/keep-qt-notices.sh kept it: build Qt again)")
            continue
        # A module's resources (Gui_resources_1) and a plugin's import (QJpegPlugin_init)
        # are part of it.
        used_targets.add(re.sub(r"_resources_\d+$|_init$", "", target))
        for source in sources:
            folder, records = attribute(source, attributions)
            for record in records:
                components.setdefault(record["Id"], (folder, record))
    return sorted(used_targets), components, errors


# --- components outside Qt --------------------------------------------------------------

def dpkg(fmt, package):
    try:
        return subprocess.run(["dpkg-query", "-W", "-f", fmt, package], check=True,
                              capture_output=True, text=True).stdout
    except (OSError, subprocess.CalledProcessError) as e:
        raise NoticeError(f"package {package}: not installed ({e})") from e


def debian_package(package):
    version, source, source_version = dpkg(
        "${Version}\t${source:Package}\t${source:Version}", package).split("\t")
    files = {os.path.realpath(p) for p in subprocess.run(
        ["dpkg-query", "-L", package], check=True, capture_output=True,
        text=True).stdout.splitlines() if p.startswith("/")}
    copyright_path = f"/usr/share/doc/{package}/copyright"
    if not os.path.isfile(copyright_path):
        raise NoticeError(f"package {package}: no {copyright_path}")
    with open(copyright_path, encoding="utf-8") as f:
        text = f.read()
    return {
        "kind": "debian-package", "id": package, "name": package, "version": version,
        "source": f"Debian's {source} source package, version {source_version}",
        "text": text, "claims": lambda path: os.path.realpath(path) in files,
        "embedded": [],
    }


def component_file(path):
    """A notice written by hand: `Name:`, `Version:`, `Source:` and `Files:` (patterns
    of the linked files it covers) lines, a blank line, then the notice text."""
    with open(path, encoding="utf-8") as f:
        head, _, text = f.read().partition("\n\n")
    fields = dict(line.split(":", 1) for line in head.splitlines() if ":" in line)
    fields = {k.strip().lower(): v.strip() for k, v in fields.items()}
    missing = [k for k in ("name", "version", "source", "files") if not fields.get(k)]
    if missing or not text.strip():
        raise NoticeError(f"{path}: lacks {', '.join(missing) or 'its notice text'}")
    patterns = fields["files"].split()
    return {
        "kind": "component", "id": fields["name"], "name": fields["name"],
        "version": fields["version"], "source": fields["source"], "text": text,
        "claims": lambda p: any(fnmatch.fnmatch(p, pat) for pat in patterns),
        "embedded": [],
    }


# --- the notices file ----------------------------------------------------------------

def read_text(path, what):
    try:
        with open(path, encoding="utf-8", errors="replace") as f:
            return f.read().rstrip() + "\n"
    except OSError as e:
        raise NoticeError(f"{what}: {e}") from e


def record_licence_files(record):
    names = []
    for key in ("LicenseFile", "LicenseFiles", "CopyrightFile"):
        value = record.get(key) or []
        names += [n.strip() for n in (value.split(";") if isinstance(value, str) else value)]
    return [n for n in names if n]


def section(title, marker=None):
    """A section's heading; the marker line names the component for checks to find."""
    return [RULE, title] + ([marker] if marker else []) + [RULE, ""]


def compose(args, qt_targets_used, qt_records, others, notices_dir):
    out = []
    program = args.program
    out += [f"{program}: licences and notices", "",
            f"{program} is free software under the MIT licence (section 1). It contains Qt",
            "(section 2) and the parts listed after it, each under its own licence. The GNU",
            "licences that section 2 names are given in full at the end.", ""]
    out += section(f"1. {program}", f"program: {program}")
    out.append(read_text(args.licence, "our licence"))

    config = read_text(os.path.join(notices_dir, "configuration.txt"), "Qt's configuration")
    qt_line, _, options = config.partition("\n")
    qt_version = re.sub(r"[+~-].*", "", qt_line.split()[-1])
    out += section(f"2. Qt {qt_version}", "qt: qt6-base")
    out += [
        f"{program} links Qt statically. Qt is used under the GNU Lesser General Public",
        "License version 3 (LGPL 3); its text and that of the GNU General Public License",
        "version 3, which it builds on, follow at the end of this file.", "",
        f"Version and source: Debian's {qt_line.replace(' ', ' source package, version ', 1)}.",
        "Configured with these options:", "",
        *("    " + o for o in options.split()), "",
        *textwrap.wrap("Parts of Qt linked in: " + ", ".join(qt_targets_used) + ".", 78), "",
        "Using a changed Qt with this program (LGPL 3, section 4):", "",
        read_text(args.relinking, "how to relink"),
    ]

    n = 3
    licence_root = os.path.join(notices_dir, "source")
    if qt_records:
        out += section(f"{n}. Code bundled with Qt and linked in")
        by_name = sorted(qt_records.items(),
                         key=lambda i: (i[1][1].get("Name", i[0]).lower(), i[0]))
        for ident, (folder, record) in by_name:
            name = record.get("Name", ident)
            version = record.get("Version", "")
            out += [f"--- {name}{' ' + version if version else ''}", f"qt-attribution: {ident}",
                    f"Source: bundled in qt6-base, {folder}/"
                    + (f"; upstream {record['Homepage']}" if record.get("Homepage") else ""),
                    f"Licence: {record.get('License', 'not stated')}",
                    f"Copyright: {record.get('Copyright', 'not stated')}", ""]
            for licence in record_licence_files(record):
                path = os.path.normpath(os.path.join(licence_root, folder, licence))
                out.append(read_text(path, f"{ident}: licence file {folder}/{licence}"))
        n += 1

    # Packages built from one source share its notice: it is given once for them all.
    groups = {}
    for component in sorted(others, key=lambda c: c["id"]):
        groups.setdefault(component["text"], []).append(component)
    referenced = set()
    for text, group in sorted(groups.items(), key=lambda g: g[1][0]["id"]):
        out += [RULE, f"{n}. " + ", ".join(f"{c['name']} {c['version']}" for c in group)]
        out += [f"{c['kind']}: {c['id']}" for c in group] + [RULE, ""]
        out += sorted({f"Source: {c['source']}" for c in group})
        embedded = sorted(name for c in group for name in c["embedded"])
        if embedded:
            out += textwrap.wrap("Embedded in the program: " + ", ".join(embedded) + ".", 78)
        out += ["", text.rstrip(), ""]
        referenced |= set(COMMON_LICENCE.findall(text))
        n += 1

    out += section(f"{n}. GNU Lesser General Public License version 3")
    out.append(read_text(os.path.join(licence_root, "LICENSES", "LGPL-3.0-only.txt"), "LGPL 3"))
    out += section(f"{n + 1}. GNU General Public License version 3")
    out.append(read_text(os.path.join(licence_root, "LICENSES", "GPL-3.0-only.txt"), "GPL 3"))
    n += 2
    # Debian's notices point at its shared licence folder, which Windows lacks. GPL and
    # LGPL there are version 3, given in full above.
    for name in sorted(referenced - {"GPL", "LGPL", "GPL-3", "LGPL-3"}):
        out += section(f"{n}. /usr/share/common-licenses/{name}")
        out.append(read_text(f"/usr/share/common-licenses/{name}", f"licence {name}"))
        n += 1
    return "\n".join(out).rstrip() + "\n"


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--qt-notices", required=True)
    parser.add_argument("--qt-prefix", help="Qt's install prefix; by default the folder two "
                        "levels above --qt-notices, where tools/windows-qt.sh keeps them")
    parser.add_argument("--linked", action="append", required=True)
    parser.add_argument("--embedded", action="append", default=[],
                        help="a file compiled into the program that no resource lists")
    parser.add_argument("--debian-package", action="append", default=[])
    parser.add_argument("--component-file", action="append", default=[])
    parser.add_argument("--own", action="append", default=[])
    parser.add_argument("--program", required=True)
    parser.add_argument("--licence",
                        default=os.path.join(os.path.dirname(__file__), "..", "LICENSE"))
    parser.add_argument("--relinking",
                        help="how a user builds the program against a changed Qt")
    parser.add_argument("--list", action="store_true")
    parser.add_argument("--out")
    args = parser.parse_args(argv)
    if not args.list and not (args.out and args.relinking):
        parser.error("--out and --relinking are needed unless --list is given")

    try:
        notices_dir = os.path.realpath(args.qt_notices)
        prefix = os.path.realpath(args.qt_prefix or os.path.join(notices_dir, "..", ".."))
        linked = set().union(*(read_linked(path, os.getcwd()) for path in args.linked))
        own = [os.path.realpath(d) + os.sep for d in args.own]
        others = [debian_package(p) for p in args.debian_package]
        others += [component_file(p) for p in args.component_file]

        linked_qt, uncovered, used = set(), set(), set()
        for path, member in sorted(linked):
            if path.startswith(prefix + os.sep):
                linked_qt.add((path, member))
            elif not any(path.startswith(d) for d in own):
                claims = [c for c in others if c["claims"](path)]
                if not claims:
                    uncovered.add(path)
                used.update(c["id"] for c in claims)
        missing = []
        embedded = {os.path.realpath(p) for p in args.embedded} | resource_files(linked, own)
        for path in sorted(embedded):
            if not os.path.isfile(path):
                missing.append(f"{path}: embedded, but there is no such file")
                continue
            claims = [c for c in others if c["claims"](path)]
            if not claims and not any(path.startswith(d) for d in own):
                uncovered.add(path)
            for c in claims:
                used.add(c["id"])
                c["embedded"].append(os.path.basename(path))
        errors = missing + [f"{p}: linked or embedded, but no notice covers it"
                            for p in sorted(uncovered)]
        targets, qt_records, qt_errors = qt_components(linked_qt, prefix, notices_dir)
        errors += qt_errors
        if errors:
            raise NoticeError("\n".join(errors))
        # A notice given but not needed would list what is not linked in.
        others = [c for c in others if c["id"] in used]

        if args.list:
            lines = ["qt: qt6-base"] + [f"qt-attribution: {i}" for i in sorted(qt_records)]
            lines += sorted(f"{c['kind']}: {c['id']}" for c in others)
            print("\n".join(lines))
            return 0
        text = compose(args, targets, qt_records, others, notices_dir)
    except NoticeError as e:
        print(f"notices: {e}", file=sys.stderr)
        return 1
    tmp = args.out + ".tmp"
    with open(tmp, "w", encoding="utf-8", newline="\r\n") as f:
        f.write(text)
    os.replace(tmp, args.out)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
