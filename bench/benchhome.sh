# Sourced by the benchmark scripts, once $app names the build's application directory: $home, an application
# directory of the run's own with the clean database; start_sim, the simulator on its ports/COM7; and, at exit,
# the end of the processes whose ids are in the variables named by $processes (in that order) and of $home.
home=$(mktemp -d)
processes=(sim)
sim=""

# Empties $home and gives it the clean database and the ports folder.
fill_home() {
  rm -rf "${home:?}"/*
  mkdir -p "$home/cln" "$home/ports"
  cp "$app/cln/lumora.db" "$home/cln/lumora.db"
  cp "$app/cln/lumora.db" "$home/lumora.db"
}

# start_sim <scenario> [lumora-sim options]: the simulator linked as $home/ports/COM7, its output appended to
# $home/sim.log, its id in $sim; returns once the link is there.
start_sim() {
  "$app/lumora-sim" "$1" --link "$home/ports/COM7" "${@:2}" >>"$home/sim.log" 2>&1 &
  sim=$!
  for _ in $(seq 500); do [ -e "$home/ports/COM7" ] && break; sleep 0.01; done
}

end_processes() {
  local name
  for name in "${processes[@]}"; do
    [ -n "${!name}" ] && kill "${!name}" 2>/dev/null && wait "${!name}" 2>/dev/null
  done
  rm -rf "$home"
}
trap end_processes EXIT
fill_home
