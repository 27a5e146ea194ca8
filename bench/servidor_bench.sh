# Sourced by the benchmarks: a demo installation in a temporary directory and
# a Release server on it, stopped and removed on exit.
# Sets: BIN, HOME_BENCH, PUERTO, URL, TOKEN, PID_SERVIDOR.
cd "$(dirname "${BASH_SOURCE[0]}")/.."
BIN=${BIN:-build/release/servidorquorvex}
PUERTO=${PUERTO:-18081}
if [ ! -x "$BIN" ]; then
  cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build/release --target servidorquorvex genera_datos
fi
HOME_BENCH=$(mktemp -d ${TMPDIR_BENCH:+-p "$TMPDIR_BENCH"})
"$BIN" --home "$HOME_BENCH" demo >/dev/null
"$BIN" --home "$HOME_BENCH" config set Puerto "$PUERTO"
URL="https://127.0.0.1:$PUERTO/datasnap/rest/TServerMethodsSync"

arranca_servidor() {
  "$BIN" --home "$HOME_BENCH" >/dev/null &
  PID_SERVIDOR=$!
  for _ in $(seq 100); do
    curl -sk "$URL/DameToken" >/dev/null 2>&1 && break
    sleep 0.1
  done
  TOKEN=$(curl -sk "$URL/DameToken" | sed -E 's/.*"result":\["([0-9]+)"\].*/\1/')
}

detiene_servidor() {
  [ -n "${PID_SERVIDOR:-}" ] && kill "$PID_SERVIDOR" 2>/dev/null && wait "$PID_SERVIDOR" 2>/dev/null || true
  PID_SERVIDOR=
}

trap 'detiene_servidor; rm -rf "$HOME_BENCH"' EXIT

# A new REST session id.
nueva_sesion() {
  curl -sk -D - -o /dev/null "$URL/VersionSync/${TOKEN}2adDemo" |
    sed -nE 's/^[Pp]ragma: dssession=([^,]+),.*/\1/p' | tr -d '\r'
}
