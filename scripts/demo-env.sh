# Sourced by the demo and screenshot scripts: a data folder of the demo's own under the build
# folder, so the demo never touches the user's settings, database, exports or backups.
build=${1:-build}
demo=$(cd "$build" && pwd)/demo
mkdir -p "$demo/home" "$demo/config" "$demo/runtime"
chmod 700 "$demo/runtime"
export HOME="$demo/home"
export XDG_CONFIG_HOME="$demo/config"
export XDG_RUNTIME_DIR="$demo/runtime"
unset XDG_DOCUMENTS_DIR
programa="$(cd "$build" && pwd)/src/brivana"
simulador="$(cd "$build" && pwd)/tools/sim/brivana-sim"
