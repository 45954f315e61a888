#!/bin/bash
# Does this machine's kernel run 32-bit x86 programs? Asked by running the 32-bit loader of
# libc6:i386 (setup.sh installs it), which needs nothing else of the 32-bit side.
#   exit 0: it does
#   exit 1: it does not; one line on standard output says so
#   exit 2: the question could not be asked or the answer is unclear (details on standard error)
export LC_ALL=C   # the shell's message names the refusal in English
loader=/lib/ld-linux.so.2
if [ ! -e "$loader" ]; then
  echo "runs-32bit.sh: $loader is missing (libc6:i386 is not installed: run scripts/setup.sh)" >&2
  exit 2
fi
out=$("$loader" --version 2>&1)
rc=$?
if [ "$rc" = 0 ] && [[ $out == *"ld.so"* ]]; then
  exit 0
fi
if [ "$rc" = 126 ] && [[ $out == *"Exec format error"* ]]; then
  echo "this machine's kernel does not run 32-bit programs (Exec format error)"
  exit 1
fi
echo "runs-32bit.sh: the 32-bit loader $loader gave exit status $rc: $out" >&2
exit 2
