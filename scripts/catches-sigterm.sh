# Sourced by the script tests. catches_sigterm <pid>: true once the process
# runs the caldrix program (it has replaced the shell that started it) and
# catches SIGTERM (bit 15 of SigCgt). Right after the fork the child is still
# a copy of the shell, which catches SIGTERM too: a signal sent then kills
# the shell's copy before the program ever runs.
catches_sigterm() {
  local exe mask
  exe=$(readlink "/proc/$1/exe" 2>/dev/null) || return 1
  [ "${exe##*/}" = caldrix ] || return 1
  mask=$(awk '/^SigCgt:/ {print $2}' "/proc/$1/status" 2>/dev/null) || return 1
  (((16#${mask:-0} >> 14) & 1))
}
