#!/usr/bin/python3
"""Reads the built program as Windows' loader does: a GUI program (or, with
--console, the console companion), with the security flags Windows expects, that
needs no DLL but Windows' own. Also that it holds nothing of the build itself (a
link time, a folder of the builder), so that every build of one commit gives the
same bytes.

    check_exe.py [--console] PROGRAM [BUILDER_FOLDER...]"""
import sys

import pefile

GUI = pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"]
# A console program: the shell waits for it and hands its exit status on.
CONSOLE = pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_CUI"]
FLAGS = (
    "IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE",  # ASLR
    "IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA",
    "IMAGE_DLLCHARACTERISTICS_NX_COMPAT",  # DEP
    "IMAGE_DLLCHARACTERISTICS_TERMINAL_SERVER_AWARE",
)
# What a MinGW or Qt build would otherwise bring along beside the program.
FOREIGN = ("qt6", "libstdc++", "libgcc", "libwinpthread", "zlib", "libpng", "libjpeg")


def problems(path, folders, subsystem):
    pe = pefile.PE(path, fast_load=True)
    pe.parse_data_directories(
        directories=[pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_IMPORT"]])
    if pe.FILE_HEADER.Machine != pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_AMD64"]:
        yield "not a 64-bit program"
    if pe.OPTIONAL_HEADER.Subsystem != subsystem:
        name = "GUI" if subsystem == GUI else "console"
        yield f"subsystem {pe.OPTIONAL_HEADER.Subsystem}, not the {name} one ({subsystem})"
    characteristics = pe.OPTIONAL_HEADER.DllCharacteristics
    for flag in FLAGS:
        if not characteristics & pefile.DLL_CHARACTERISTICS[flag]:
            yield f"{flag} is not set"
    for entry in pe.DIRECTORY_ENTRY_IMPORT:
        dll = entry.dll.decode().lower()
        if dll.startswith(FOREIGN):
            yield f"imports {dll}, which Windows does not have"
    if pe.FILE_HEADER.TimeDateStamp != 0:
        yield f"link time {pe.FILE_HEADER.TimeDateStamp} in the header"
    data = pe.__data__
    for folder in folders:
        if data.find(folder.encode()) != -1:
            yield f"holds the build's folder {folder}"


def main():
    args = sys.argv[1:]
    console = args[:1] == ["--console"]
    if console:
        args = args[1:]
    found = list(problems(args[0], args[1:], CONSOLE if console else GUI))
    for problem in found:
        print(f"check_exe: {args[0]}: {problem}", file=sys.stderr)
    if not found:
        print(f"{'console' if console else 'GUI'} subsystem, ASLR, DEP, terminal-server aware;"
              " Windows' own DLLs only; no link time, no build folder")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
