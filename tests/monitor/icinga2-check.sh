#!/usr/bin/env bash
# icinga2-check.sh SOURCE_DIR
#
# Validates contrib/icinga2/sensor-script.conf with `icinga2 daemon -C` in a
# configuration that includes it: a master zone, an agent zone whose host's
# jobs run on the agent (command_endpoint) and a host checked from here.
# Without icinga2 the test is skipped (exit 77) unless
# VELTRANO_REQUIRE_MONITOR=1, which makes that a failure.
set -euo pipefail
source_dir=$1
icinga2=/usr/sbin/icinga2

if [ ! -x "$icinga2" ]; then
  if [ "${VELTRANO_REQUIRE_MONITOR:-}" = 1 ]; then
    echo "VELTRANO_REQUIRE_MONITOR=1 but $icinga2 is missing (scripts/install-deps.sh installs it)" >&2
    exit 1
  fi
  echo "skipped: $icinga2 is missing" >&2
  exit 77
fi

dir=$(mktemp -d /tmp/icinga2-check.XXXXXX)
trap 'rm -rf "$dir"' EXIT
chmod 755 "$dir" # icinga2 reads it as its own user
cat > "$dir/icinga2.conf" <<CONF
include "$source_dir/contrib/icinga2/sensor-script.conf"

object Endpoint "master.example" { }
object Zone "master" { endpoints = [ "master.example" ] }
object Endpoint "db1.example" { host = "192.0.2.10" }
object Zone "db1.example" { endpoints = [ "db1.example" ]; parent = "master" }

object Host "db1.example" {
  zone = "master"
  address = "192.0.2.10"
  check_command = "sensor-job"
  vars.sensor_job = "/srv/jobs/existing-job.xml"
  vars.agent_endpoint = name
  vars.sensor_jobs["Open orders"] = {
    sensor_job = "/srv/jobs/database-job.xml"
    sensor_label = "orders"
    sensor_timeout = 7.5
    sensor_read_only = true
  }
}
object Host "local" {
  address = "127.0.0.1"
  check_command = "sensor-job"
  vars.sensor_job = "/srv/jobs/disk-space-jscript.xml"
  vars.sensor_jobs["Free space"] = { sensor_job = "/srv/jobs/disk-space-jscript.xml"; sensor_unit = "GB" }
}
CONF
output=$("$icinga2" daemon -C -c "$dir/icinga2.conf" 2>&1) || { echo "$output" >&2; exit 1; }
echo "$output"
for expected in "Instantiated 2 Services" "Instantiated 1 CheckCommand" "Finished validating"; do
  grep -q "$expected" <<<"$output" || { echo "the validator did not say: $expected" >&2; exit 1; }
done
