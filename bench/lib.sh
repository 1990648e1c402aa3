# Shared by the benchmark scripts that run jamlog under an X server of their own.
# Source it after setting `jamlog`; it sets `work` (a temporary folder removed on exit), `xvfb` and `saver` (the
# pids cleaned up on exit).

work="" xvfb="" saver=""
benchCleanup() {
  [ -n "$saver" ] && kill "$saver" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  wait 2>/dev/null || true
  [ -n "$work" ] && rm -rf "$work"
}
trap benchCleanup EXIT

# benchWork NAME: the temporary folder of this run.
benchWork() {
  work=$(mktemp -d "/tmp/jamlog-$1.XXXXXX")
}

# benchXvfb SIZE: an Xvfb screen of that size (WxH) at depth 24, exported as DISPLAY.
benchXvfb() {
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do grep -q '[0-9]' "$work/display" && break; sleep 0.1; done
  export DISPLAY=:$(tr -dc 0-9 <"$work/display")
}

# benchStore: a store of the run's own, made by a first short run of the saver, so that the measured starts are not
# first runs (a store without its version entries is started afresh). Sets `store` to its file.
benchStore() {
  export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
  store="$XDG_CONFIG_HOME/Brindle's Registry Bits/Jamlog 5.ini"
  "$jamlog" s >"$work/prime.log" 2>&1 &
  local prime=$!
  for _ in $(seq 300); do [ -s "$store" ] && grep -q '^\[Settings\]' "$store" && break; sleep 0.1; done
  sleep 1
  kill "$prime" 2>/dev/null; wait "$prime" 2>/dev/null || true
}
