#!/usr/bin/env python3
"""Prints the version resource of each Windows program or DLL named, as Explorer's Details tab
shows it: one "FILE: KEY=VALUE" line per string, FixedFileVersion first; a file without a version
resource prints nothing.
  version_resource.py FILE..."""
import sys

import pefile

for path in sys.argv[1:]:
    pe = pefile.PE(path, fast_load=True)
    pe.parse_data_directories([pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_RESOURCE"]])
    for fixed in getattr(pe, "VS_FIXEDFILEINFO", []):
        parts = (fixed.FileVersionMS >> 16, fixed.FileVersionMS & 0xFFFF,
                 fixed.FileVersionLS >> 16, fixed.FileVersionLS & 0xFFFF)
        print(f"{path}: FixedFileVersion={'.'.join(map(str, parts))}")
    for info in getattr(pe, "FileInfo", []):
        for block in info:
            for table in getattr(block, "StringTable", []):
                for key, value in table.entries.items():
                    print(f"{path}: {key.decode()}={value.decode()}")
