#!/usr/bin/env bash
# Opens the remote-method test page of a running server in headless Chromium.
# Asked to run DameToken on load, the page must show the nine-digit token the
# server answered, the REST session it handed out, and the list of the 55
# remote methods.
#
#   prueba_invocador.sh SERVIDOR [DIRECTORIO]
#
# SERVIDOR: the servidorquorvex program. DIRECTORIO: an installation directory
# with velmor-app-cert.crt and velmor-app-prvkey.key (its "Puerto" is changed);
# without it a temporary one with a self-signed certificate is used.
# Exits 77 (skipped) when Chromium is not installed.
set -euo pipefail

readonly kSaltada=77
readonly kMetodos=55

servidor=$(realpath "${1:?uso: prueba_invocador.sh SERVIDOR [DIRECTORIO]}")
navegador=$(command -v chromium || true)
if [[ -z $navegador ]]; then
  echo "SKIP: chromium no está instalado (scripts/setup lo instala)"
  exit $kSaltada
fi

temporal=$(mktemp -d)
pid=""
limpia() {
  if [[ -n $pid ]]; then
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  fi
  rm -rf "$temporal"
}
trap limpia EXIT

if [[ $# -ge 2 ]]; then
  instalacion=$(realpath "$2")
else
  instalacion=$temporal/instalacion
  mkdir -p "$instalacion"
  openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=localhost \
    -keyout "$instalacion/velmor-app-prvkey.key" -out "$instalacion/velmor-app-cert.crt" 2>/dev/null
fi

escucha() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }

# A port nobody listens on, so that parallel test runs do not meet.
puerto=""
for _ in $(seq 50); do
  candidato=$((20000 + RANDOM % 20000))
  if ! escucha "$candidato"; then
    puerto=$candidato
    break
  fi
done
[[ -n $puerto ]] || { echo "FAIL: no se encontró un puerto libre"; exit 1; }

"$servidor" --home "$instalacion" config set Puerto "$puerto" >/dev/null
"$servidor" --home "$instalacion" >"$temporal/servidor.log" 2>&1 &
pid=$!

for _ in $(seq 150); do
  escucha "$puerto" && break
  if ! kill -0 "$pid" 2>/dev/null; then
    pid=""
    echo "FAIL: el servidor terminó antes de escuchar en el puerto $puerto:"
    cat "$temporal/servidor.log"
    exit 1
  fi
  sleep 0.2
done
escucha "$puerto" || { echo "FAIL: el servidor no escucha en el puerto $puerto"; cat "$temporal/servidor.log"; exit 1; }

url="https://127.0.0.1:$puerto/ServerFunctionInvoker?run=DameToken"
dom=$temporal/dom.html
timeout 120 "$navegador" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
  --disable-background-networking --disable-component-update --disable-sync \
  --user-data-dir="$temporal/perfil" --ignore-certificate-errors --virtual-time-budget=15000 \
  --dump-dom "$url" >"$dom" 2>"$temporal/chromium.log" || true

fallas=0
revisa() {
  local descripcion=$1
  shift
  if "$@"; then
    echo "ok: $descripcion"
  else
    echo "FALLA: $descripcion"
    fallas=$((fallas + 1))
  fi
}
cuenta_metodos() { [[ $(grep -o 'class="metodo"' "$dom" | wc -l) -eq $kMetodos ]]; }

revisa "la página lista $kMetodos métodos" cuenta_metodos
revisa "DameToken muestra un token de 9 dígitos" grep -Eq 'id="json-DameToken">"[0-9]{9}"</pre>' "$dom"
revisa "el token pasó al campo del texto de token" grep -Eq 'id="texto-token">[0-9]{9}2</code>' "$dom"
revisa "la página guarda la sesión REST del servidor" grep -Eq 'id="sesion">[^<(][^<]*</code>' "$dom"
revisa "el llamador local ve el enlace Server Functions" grep -q 'href="/ServerFunctionInvoker"' "$dom"
revisa "serverfunctions.js quedó generado en js/" test -s "$instalacion/js/serverfunctions.js"

if [[ $fallas -gt 0 ]]; then
  echo "--- avisos y errores de la página:"
  grep -Eo 'id="(aviso|error-[A-Za-z]+)"[^<]*>[^<]*' "$dom" ||
    echo "(ninguno; el DOM volcado tiene $(wc -c <"$dom") bytes)"
  echo "--- bitácora del servidor:"
  tail -n 30 "$temporal/servidor.log"
  echo "FAIL: $fallas comprobaciones fallaron"
  exit 1
fi
echo "PASS"
