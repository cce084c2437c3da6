#!/usr/bin/env bash
# Installs what is missing, builds what changed and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh play
cmake --preset dev >/dev/null
cmake --build --preset dev --target vlnobrod
exec build/dev/app/vlnobrod
