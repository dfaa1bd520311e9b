#!/usr/bin/env bash
# nagios-check.sh SENSOR_SCRIPT SOURCE_DIR
#
# Runs sensor jobs under a real Nagios 4 (Debian's nagios4-core) with the
# command and service template of contrib/nagios: a temporary configuration,
# no web interface, Nagios as its own user when started as root. Nagios runs
# each check itself (SCHEDULE_FORCED_SVC_CHECK through its command file); the
# state, output and performance data it recorded are read back from its
# status file and compared with what each job must give.
#
# Without nagios4 the test is skipped (exit 77) unless
# VELTRANO_REQUIRE_MONITOR=1, which makes that a failure.
set -euo pipefail
program=$1
source_dir=$2
nagios=/usr/sbin/nagios4

if [ ! -x "$nagios" ]; then
  if [ "${VELTRANO_REQUIRE_MONITOR:-}" = 1 ]; then
    echo "VELTRANO_REQUIRE_MONITOR=1 but $nagios is missing (scripts/install-deps.sh installs it)" >&2
    exit 1
  fi
  echo "skipped: $nagios is missing" >&2
  exit 77
fi

dir=$(mktemp -d /tmp/nagios-check.XXXXXX)
pid=
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
  # The daemon forks: its pid is in the lock file.
  if [ -s "$dir/nagios.lock" ]; then kill "$(cat "$dir/nagios.lock")" 2>/dev/null || true; fi
  sleep 0.2
  rm -rf "$dir"
}
trap cleanup EXIT
chmod 755 "$dir"
mkdir "$dir/checkresults" "$dir/jobs"

# job NAME VALUE [EVALUATE]: a job whose general script returns VALUE
# (VBScript), with the levels the Conditions Wizard generates: Danger above
# 90, Warning above 80, Good from 0; asked unless EVALUATE is 0.
wizard() {
  printf 'Function Main(pSsrValue)\r\nIF cdbl(pSsrValue) %s %s THEN\r\n\t\tMain=TRUE\r\nELSE\r\n\t\tMain=FALSE\r\nEND IF\r\nEnd Function' "$1" "$2"
}
level() {
  printf '<EvalData><Type>%s</Type><Script><Language>VBScript</Language><EvalCode><![CDATA[%s]]></EvalCode></Script><Events/><ReferenceValue>0</ReferenceValue></EvalData>' "$1" "$2"
}
job() {
  printf '<JobDefinition><Definition><Type>SENSOR</Type><SubType>SCRIPT</SubType><ExecutionEngine>SENSOR</ExecutionEngine><Properties><Name>%s</Name><Description><Languages><Language><Id>en</Id><Default>1</Default><Description>test</Description></Language></Languages></Description></Properties></Definition><FreeDefinition><Sensor><Script><Language>VBScript</Language><EvalCode><![CDATA[Function Main()\n\tMain = %s\nEnd Function]]></EvalCode></Script><Status>1</Status><ViewInMarquee>0</ViewInMarquee><Quantity>1</Quantity><EvaluationData><Evaluation>%s</Evaluation><Values>%s%s%s</Values></EvaluationData></Sensor></FreeDefinition></JobDefinition>\n' \
    "$1" "$2" "${3:-1}" "$(level 2 "$(wizard '>' 90)")" "$(level 1 "$(wizard '>' 80)")" "$(level 0 "$(wizard '>=' 0)")" > "$dir/jobs/$1.xml"
}
job critical 95
job warning 85
job ok 12.5
job unknown -3
job slow '0 : Do : Loop'
job lines '"a|b" & vbCrLf & "second line"' 0

# service | check_command arguments | state | plugin output | long output |
# performance data; the last four are patterns (three sample jobs measure
# this machine: free disk space, the age of the newest file in /var/log).
# Whatever the pattern, the state Nagios recorded is the one the output names.
states=(OK WARNING CRITICAL UNKNOWN)
examples=$source_dir/examples/jobs
cases=(
  "database|$examples/database-job.xml!10!orders!|1|SENSOR WARNING - value 7||'orders'=7"
  "disk-space|$examples/disk-space-jscript.xml!10!free!GB|[0-3]|SENSOR * - value [0-9]*||'free'=[0-9]*GB"
  "existing|$examples/existing-job.xml!!!|[0-3]|SENSOR * - value [0-9]*||'value'=[0-9]*"
  "log-activity|$examples/log-activity-jscript.xml!10!!|[0-3]|SENSOR * - value *||'value'=*"
  "critical|$dir/jobs/critical.xml!10!used!%|2|SENSOR CRITICAL - value 95||'used'=95%;~:80;~:90"
  "warning|$dir/jobs/warning.xml!10!used!%|1|SENSOR WARNING - value 85||'used'=85%;~:80;~:90"
  "ok|$dir/jobs/ok.xml!10!used!%|0|SENSOR OK - value 12.5||'used'=12.5%;~:80;~:90"
  "unknown|$dir/jobs/unknown.xml!10!!|3|SENSOR UNKNOWN - no level matched value -3||'value'=-3;~:80;~:90"
  "slow|$dir/jobs/slow.xml!0.5!!|3|SENSOR UNKNOWN - time-out: the general script was still running when the time-out of 0.5 s ended the check||"
  "lines|$dir/jobs/lines.xml!10!!|0|SENSOR OK - value a¦b…|value a¦b\\\\nsecond line|"
)

if [ "$(id -u)" -eq 0 ]; then user=nagios; group=nagios; else user=$(id -un); group=$(id -gn); fi
sed "s#/usr/bin/sensor-script#$program#" "$source_dir/contrib/nagios/sensor-script.cfg" > "$dir/sensor-script.cfg"
{
  printf 'define host {\n host_name checked\n alias checked\n address 127.0.0.1\n max_check_attempts 1\n'
  printf ' check_period sensor-job-always\n active_checks_enabled 0\n contacts nobody\n}\n'
  printf 'define contact {\n contact_name nobody\n host_notifications_enabled 0\n service_notifications_enabled 0\n'
  printf ' host_notification_period sensor-job-always\n service_notification_period sensor-job-always\n'
  printf ' host_notification_options n\n service_notification_options n\n'
  printf ' host_notification_commands check_sensor_job\n service_notification_commands check_sensor_job\n}\n'

  for row in "${cases[@]}"; do
    IFS='|' read -r name arguments _ <<<"$row"
    printf 'define service {\n use sensor-job\n host_name checked\n service_description %s\n' "$name"
    printf ' check_command check_sensor_job!%s\n max_check_attempts 1\n check_interval 1440\n contacts nobody\n}\n' "$arguments"
  done
} > "$dir/objects.cfg"
cat > "$dir/nagios.cfg" <<CFG
log_file=$dir/nagios.log
cfg_file=$dir/sensor-script.cfg
cfg_file=$dir/objects.cfg
object_cache_file=$dir/objects.cache
precached_object_file=$dir/objects.precache
status_file=$dir/status.dat
status_update_interval=1
nagios_user=$user
nagios_group=$group
check_external_commands=1
command_file=$dir/nagios.cmd
lock_file=$dir/nagios.lock
temp_file=$dir/nagios.tmp
temp_path=$dir
check_result_path=$dir/checkresults
query_socket=$dir/nagios.qh
retain_state_information=0
enable_notifications=0
use_syslog=0
log_rotation_method=n
max_service_check_spread=1440
service_check_timeout=60
illegal_macro_output_chars=\`~\$&"<>
CFG
chown -R "$user:$group" "$dir"

"$nagios" -v "$dir/nagios.cfg" > "$dir/verify.log" 2>&1 || { cat "$dir/verify.log" >&2; exit 1; }
"$nagios" "$dir/nagios.cfg" > "$dir/daemon.log" 2>&1 &
pid=$!
for _ in $(seq 100); do [ -p "$dir/nagios.cmd" ] && break; sleep 0.1; done
[ -p "$dir/nagios.cmd" ] || { echo "Nagios did not start" >&2; cat "$dir/daemon.log" "$dir/nagios.log" >&2; exit 1; }

now=$(date +%s)
for row in "${cases[@]}"; do
  echo "[$now] SCHEDULE_FORCED_SVC_CHECK;checked;${row%%|*};$now" > "$dir/nagios.cmd"
done

# The fields Nagios recorded for a service, once it has checked it.
recorded() {
  awk -v service="$1" -v field="$2" '
    /^servicestatus \{/ { inside = 1; name = ""; checked = 0; value = ""; next }
    inside && /^\t}/ { if (name == service && checked) { print value; found = 1 } inside = 0; next }
    inside { line = $0; sub(/^\t/, "", line); key = line; sub(/=.*/, "", key); rest = substr(line, length(key) + 2)
             if (key == "service_description") name = rest
             if (key == "has_been_checked" && rest == "1") checked = 1
             if (key == field) value = rest }
    END { exit found ? 0 : 1 }' "$dir/status.dat"
}

failures=0
deadline=$((SECONDS + 90))
for row in "${cases[@]}"; do
  IFS='|' read -r name _ state output long perf <<<"$row"
  until [ -f "$dir/status.dat" ] && recorded "$name" current_state > /dev/null; do
    if [ $SECONDS -ge $deadline ]; then echo "$name: Nagios recorded no check" >&2; failures=$((failures + 1)); continue 2; fi
    sleep 0.5
  done
  got_state=$(recorded "$name" current_state)
  got_output=$(recorded "$name" plugin_output)
  got_long=$(recorded "$name" long_plugin_output)
  got_perf=$(recorded "$name" performance_data)
  printf '%-13s state %s | output %s | long %s | perfdata %s\n' "$name" "$got_state" "$got_output" "$got_long" "$got_perf"
  if [[ $got_output != "SENSOR ${states[got_state]:-?} - "* ]]; then
    echo "  $name: state $got_state but output '$got_output'" >&2
    failures=$((failures + 1))
  fi
  for field in state output long perf; do
    want=${!field}; got_name=got_$field; got=${!got_name}
    # shellcheck disable=SC2053 # a pattern on the right
    if [[ $got != $want ]]; then
      echo "  $name: $field is '$got', expected '$want'" >&2
      failures=$((failures + 1))
    fi
  done
done
[ $failures -eq 0 ] || { tail -20 "$dir/nagios.log" >&2; exit 1; }
echo "all ${#cases[@]} checks recorded as expected"
