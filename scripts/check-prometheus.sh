#!/usr/bin/env bash
# Runs the installed program offscreen with the simulated driver and a
# scenario, its metrics endpoint and textfile switched on, lets a real
# Prometheus server scrape it, and asks that server for the temperatures.
# Everything listens on 127.0.0.1 only. Exits 77 (skipped) where the
# prometheus program is not installed.
# Usage: check-prometheus.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(realpath "${1:-${CALDRIX_BUILD_DIR:-build}}")
if ! command -v prometheus >/dev/null; then
  echo "check-prometheus: skipped, the prometheus program is not installed (Debian package prometheus)"
  exit 77
fi
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do
    kill -TERM "$pid" 2>/dev/null || true
  done
  for pid in "${pids[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "check-prometheus: $*" >&2
  for log in "$work"/*.log; do
    [ -f "$log" ] && { echo "--- $log" >&2; tail -n 20 "$log" >&2; }
  done
  exit 1
}

# GET of http://127.0.0.1:$1$2, headers and body, given at most five seconds.
http_get() {
  timeout 5 bash -c 'exec 3<>"/dev/tcp/127.0.0.1/$0" && \
    printf "GET %s HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n" "$1" >&3 && cat <&3' "$1" "$2" 2>/dev/null || true
}

# A port nothing on 127.0.0.1 answers on, below the range the system hands
# out to outgoing connections (a port one of those holds answers nothing yet
# cannot be listened on). Another program may still take it before it is
# used: the starts below try again with another port when listening fails.
free_port() {
  local low
  read -r low _ </proc/sys/net/ipv4/ip_local_port_range 2>/dev/null || low=32768
  for _ in $(seq 50); do
    local port=$((10000 + RANDOM % (low - 10000)))
    if ! (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
      echo "$port"
      return
    fi
  done
  fail "found no free port"
}

cmake --install "$build_dir" --prefix "$work/prefix" >/dev/null
prefix=$work/prefix
mkdir -m 700 "$work/home"
cat >"$work/scenario" <<'SCN'
# WB1 climbs by one degree a poll; fan 1 turns at 2500 RPM; +12 V is high
GetLM78Temp    41 42 43 44 45 46 47 48 49
GetLM78Fan1    135
GetLM78Pos12v  12.34
GetLM78Core0   1.65
SCN

start_caldrix() {
  HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_DATA_HOME=$work/home/data XDG_RUNTIME_DIR=$work/home \
    QT_QPA_PLATFORM=offscreen CALDRIX_DRIVER=sim CALDRIX_SIM_SCENARIO=$work/scenario \
    "$prefix/bin/caldrix" 2>>"$work/caldrix.log" &
  caldrix_pid=$!
  pids+=("$caldrix_pid")
}

# First run: the settings are written at exit, the metrics settings empty.
reg=$work/home/config/caldrix/HKEY_CURRENT_USER.reg
start_caldrix
for _ in $(seq 300); do
  [ -s "$reg" ] && break
  kill -0 "$caldrix_pid" 2>/dev/null || fail "caldrix ended by itself"
  sleep 0.1
done
sleep 1
# With the metrics settings empty nothing listens.
if command -v ss >/dev/null && ss -ltnp 2>/dev/null | grep -q "pid=$caldrix_pid,"; then
  fail "caldrix listens although no metrics address is set: $(ss -ltnp | grep "pid=$caldrix_pid,")"
fi
# Nor is the HTTP server loaded: its library comes with the first address.
if grep -qE 'libQt6Network|libcaldrix_metrics_http' "/proc/$caldrix_pid/maps"; then
  fail "caldrix loaded the HTTP server although no metrics address is set"
fi
kill -TERM "$caldrix_pid"
wait "$caldrix_pid" || fail "caldrix ended with status $? on SIGTERM"
grep -q '^"Metrics Address"=""' "$reg" || fail "the metrics address was not saved empty"

textfile=$work/caldrix.prom
# Started with its endpoint on a free port; a port taken in the meantime
# gives a "cannot listen" notice and another try.
for attempt in 1 2 3 4 5; do
  metrics_port=$(free_port)
  sed -i -e "s|^\"Metrics Address\"=.*|\"Metrics Address\"=\"127.0.0.1:$metrics_port\"|" \
    -e "s|^\"Metrics Textfile\"=.*|\"Metrics Textfile\"=\"$textfile\"|" \
    -e 's/^"InterVal"=dword:[0-9a-f]*/"InterVal"=dword:000003e8/' "$reg"
  start_caldrix
  listening=0
  for _ in $(seq 100); do
    http_get "$metrics_port" /metrics | grep -q '^caldrix_polls_total' && { listening=1; break; }
    grep -qF "cannot listen on 127.0.0.1:$metrics_port" "$work/caldrix.log" && break
    kill -0 "$caldrix_pid" 2>/dev/null || fail "caldrix ended by itself"
    sleep 0.1
  done
  [ "$listening" -eq 1 ] && break
  grep -qF "cannot listen on 127.0.0.1:$metrics_port" "$work/caldrix.log" || break
  kill -TERM "$caldrix_pid"
  wait "$caldrix_pid" || fail "caldrix ended with status $? on SIGTERM"
done
scrape=$(http_get "$metrics_port" /metrics)
grep -q 'caldrix_temperature_celsius{sensor="wb1",name="Motherboard"}' <<<"$scrape" ||
  fail "the endpoint shows no WB1 temperature: $scrape"
[ -s "$textfile" ] || fail "the textfile was not written"
grep -q '^caldrix_fan_rpm{fan="1",name="Fan 1"} 2500$' "$textfile" || fail "the textfile has no fan 1 at 2500 RPM"

# The server, on a free port; one taken in the meantime ends it at once and
# another is tried.
for attempt in 1 2 3 4 5; do
  prometheus_port=$(free_port)
  cat >"$work/prometheus.yml" <<YML
global:
  scrape_interval: 1s
scrape_configs:
  - job_name: caldrix
    static_configs:
      - targets: ['127.0.0.1:$metrics_port']
YML
  prometheus --config.file="$work/prometheus.yml" --storage.tsdb.path="$work/tsdb" \
    --web.listen-address="127.0.0.1:$prometheus_port" >"$work/prometheus.log" 2>&1 &
  prometheus_pid=$!
  pids+=("$prometheus_pid")
  ready=0
  for _ in $(seq 100); do
    http_get "$prometheus_port" /-/ready | grep -q ' 200 ' && { ready=1; break; }
    kill -0 "$prometheus_pid" 2>/dev/null || break
    sleep 0.1
  done
  [ "$ready" -eq 1 ] && break
  kill -0 "$prometheus_pid" 2>/dev/null && fail "Prometheus did not get ready"
  grep -q "address already in use" "$work/prometheus.log" || fail "Prometheus ended by itself"
done

# Ask until the server has scraped a temperature (at most 30 seconds).
answer=
for _ in $(seq 60); do
  answer=$(http_get "$prometheus_port" '/api/v1/query?query=caldrix_temperature_celsius')
  grep -q '"sensor":"wb1"' <<<"$answer" && break
  sleep 0.5
done
grep -q '"sensor":"wb1"' <<<"$answer" || fail "Prometheus never got caldrix_temperature_celsius: $answer"
grep -q '"name":"Motherboard"' <<<"$answer" || fail "the temperature lost its name label: $answer"
wb1=$(grep -o '"value":\[[0-9.]*,"[0-9.]*"\]' <<<"$answer" | head -n 1 | sed 's/.*,"\([0-9.]*\)"\]/\1/')
[[ "$wb1" =~ ^4[1-9]$ ]] || fail "WB1 in Prometheus is '$wb1', expected 41 to 49 from the scenario: $answer"

answer=$(http_get "$prometheus_port" '/api/v1/query?query=caldrix_voltage_volts%7Brail%3D%22%2B12%22%7D')
grep -q '"12.34"' <<<"$answer" || fail "+12 V in Prometheus is not 12.34: $answer"
answer=$(http_get "$prometheus_port" '/api/v1/query?query=up%7Bjob%3D%22caldrix%22%7D')
grep -q '"1"\]' <<<"$answer" || fail "the caldrix target is not up: $answer"
echo "Prometheus scraped caldrix: WB1 at $wb1 °C"
