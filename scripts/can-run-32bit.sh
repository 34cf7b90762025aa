#!/usr/bin/env bash
# Exits 0 when this machine runs 32-bit x86 programs, 1 when it does not (a kernel without IA-32
# emulation answers "Exec format error"). It runs the smallest such program there is, written
# here byte by byte, so it needs no 32-bit compiler or library: an ELF header, one loadable
# segment, and the three instructions of exit(0).
# MIREL_NO_I686=1 answers "no" without asking, to try the scripts as such a machine runs them.
set -u
[ "${MIREL_NO_I686:-}" = 1 ] && exit 1
program=$(mktemp "${TMPDIR:-/tmp}/mirel-i386.XXXXXX") || exit 1
trap 'rm -f "$program"' EXIT
# ELF header: 32-bit, little-endian, executable, i386, entry 0x08048054, program headers at 52.
header='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00'
header+='\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00'
header+='\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00'
# One segment: the whole 93-byte file, loaded at 0x08048000, readable and executable.
segment='\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08'
segment+='\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00'
# xor ebx, ebx; mov eax, 1 (exit); int 0x80
code='\x31\xdb\xb8\x01\x00\x00\x00\xcd\x80'
printf "$header$segment$code" >"$program" && chmod +x "$program" && "$program" 2>/dev/null
