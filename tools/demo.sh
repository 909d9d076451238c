#!/usr/bin/env bash
# Starts the program. (The demo with simulated plants follows with the main window.)
set -euo pipefail
build=${1:-build}
exec "$build/src/app/kompost" "${@:2}"
